// SPDX-License-Identifier: GPL-3.0-or-later
// The Flights panel and the Charts window on a log of 65,535 flights (the
// most a log file can hold). Targets: the panel shown and painted within
// 300 ms; a filter, a sort or a grouping answered, with the totals under the
// table, within 50 ms; the Charts window opened and painted within 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <cstdlib>

#include "app/charts_window.h"
#include "app/flights_panel.h"
#include "app/frame_dialogs.h"
#include "model/document.h"
#include "tools/sample_log.h"

namespace {

constexpr std::uint32_t kFlights = 65535;

CAerodexDoc& LargeLog() {
  static CAerodexDoc* doc = [] {
    auto* made = new CAerodexDoc;
    made->OnNewDocument();
    aerodex::sample::BuildLargeLog(*made, kFlights);
    return made;
  }();
  return *doc;
}

struct Panel {
  aerodex::CQtFrameDialogs dialogs;
  aerodex::CFlightsPanel panel{LargeLog(), dialogs, {}};
  Panel() {
    panel.resize(1400, 500);
    panel.show();
    benchmark::DoNotOptimize(panel.grab());
  }
};

void BM_PanelShowsAndPaints(benchmark::State& state) {
  for (auto _ : state) {
    aerodex::CQtFrameDialogs dialogs;
    aerodex::CFlightsPanel panel(LargeLog(), dialogs, {});
    panel.resize(1400, 500);
    panel.show();
    benchmark::DoNotOptimize(panel.grab());
  }
}
BENCHMARK(BM_PanelShowsAndPaints)->Unit(benchmark::kMillisecond);

// Each keystroke of the search box filters the whole log again.
void BM_PanelSearch(benchmark::State& state) {
  Panel shown;
  bool odd = false;
  for (auto _ : state) {
    shown.panel.SearchEdit()->setText((odd = !odd) ? QStringLiteral("ksns")
                                                   : QStringLiteral("ksn"));
  }
}
BENCHMARK(BM_PanelSearch)->Unit(benchmark::kMillisecond);

void BM_PanelSortByTotal(benchmark::State& state) {
  Panel shown;
  bool up = false;
  for (auto _ : state) {
    shown.panel.Table()->sortByColumn(17, (up = !up) ? Qt::AscendingOrder : Qt::DescendingOrder);
  }
}
BENCHMARK(BM_PanelSortByTotal)->Unit(benchmark::kMillisecond);

void BM_PanelGroupByMonth(benchmark::State& state) {
  Panel shown;
  for (auto _ : state) {
    shown.panel.GroupByBox()->setCurrentIndex(1);  // month
    shown.panel.GroupByBox()->setCurrentIndex(0);  // and back to the flights
  }
}
BENCHMARK(BM_PanelGroupByMonth)->Unit(benchmark::kMillisecond);

// By month: about seven hundred bars and the running total.
void BM_ChartsWindowOpens(benchmark::State& state) {
  for (auto _ : state) {
    aerodex::CQtFrameDialogs dialogs;
    aerodex::CChartsWindow charts(LargeLog(), dialogs);
    charts.resize(1000, 650);
    charts.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(charts.grab());
  }
}
BENCHMARK(BM_ChartsWindowOpens)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
