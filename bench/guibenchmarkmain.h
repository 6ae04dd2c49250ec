#ifndef YAVO_GUIBENCHMARKMAIN_H
#define YAVO_GUIBENCHMARKMAIN_H

#include <QGuiApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark that needs a headless QGuiApplication (text
// documents lay out their text with fonts).
#define YAVO_GUI_BENCHMARK_MAIN()                                   \
    int main(int argc, char **argv)                                 \
    {                                                               \
        qputenv("QT_QPA_PLATFORM", "offscreen");                    \
        QGuiApplication app(argc, argv);                            \
        benchmark::Initialize(&argc, argv);                         \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))     \
            return 1;                                               \
        benchmark::RunSpecifiedBenchmarks();                        \
        benchmark::Shutdown();                                      \
        return 0;                                                   \
    }

#endif
