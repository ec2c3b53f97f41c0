// The main of the benchmarks that draw: a QGuiApplication on the offscreen platform (unless
// QT_QPA_PLATFORM names another), then the benchmarks of the file. Included once, at the end
// of a benchmark file; one that shows widgets defines APPLICATION_BENCH as QApplication first.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#ifndef APPLICATION_BENCH
#define APPLICATION_BENCH QGuiApplication
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    APPLICATION_BENCH application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
