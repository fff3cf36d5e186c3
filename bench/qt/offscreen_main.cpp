// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the surface benchmarks: a QGuiApplication (fonts need one) on
// the offscreen platform unless another is asked for.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
