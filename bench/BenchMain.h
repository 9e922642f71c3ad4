// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main() of the benchmark programs that need a Qt application: on Qt's offscreen platform unless the
// caller chose one, then every benchmark registered in the program.

#include <QApplication>
#include <benchmark/benchmark.h>

inline int RunQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
