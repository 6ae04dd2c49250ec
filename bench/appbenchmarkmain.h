#ifndef YAVO_APPBENCHMARKMAIN_H
#define YAVO_APPBENCHMARKMAIN_H

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The main() of a benchmark of the word processor's window: headless, with
// its settings and data in a folder of its own, and `workFolder` (a
// QTemporaryDir pointer the benchmark declares) set to a folder for its files.
#define YAVO_APP_BENCHMARK_MAIN(workFolder)                                                  \
    int main(int argc, char **argv)                                                          \
    {                                                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                             \
        QTemporaryDir home;                                                                  \
        qputenv("HOME", home.path().toUtf8());                                               \
        qputenv("XDG_CONFIG_HOME", (home.path() + QLatin1String("/.config")).toUtf8());      \
        qputenv("XDG_DATA_HOME", (home.path() + QLatin1String("/.local/share")).toUtf8());   \
        /* The word processor keeps its user dictionary store under the current folder. */ \
        QDir::setCurrent(home.path());                                                       \
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
