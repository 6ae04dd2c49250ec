#ifndef YAVO_APPBENCHMARKMAIN_H
#define YAVO_APPBENCHMARKMAIN_H

#include "benchhome.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The main() of a benchmark of the word processor's window: headless, with
// its settings and data in a folder of its own, and `workFolder` (a
// QTemporaryDir pointer the benchmark declares) set to a folder for its files.
#define YAVO_APP_BENCHMARK_MAIN(workFolder)                                                  \
    int main(int argc, char **argv)                                                          \
    {                                                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                             \
        const BenchHome home;                                                                \
        QApplication app(argc, argv);                                                        \
        QTemporaryDir dir;                                                                   \
        workFolder = &dir;                                                                   \
        benchmark::Initialize(&argc, argv);                                                  \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                              \
            return 1;                                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                 \
        return 0;                                                                            \
    }

#endif
