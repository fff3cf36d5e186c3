// SPDX-License-Identifier: GPL-3.0-or-later
// The log view at the format's limit: a repaint of one window (1200 x 900
// pixels at 96 dpi, in the middle of the log) at 100, 20,000 and 65,535
// flights in every view mode, with and without night subtotals, through the
// Qt surface and through the null surface; the relayout and repaint after one
// edit, one new flight, a change of mode and a change of size; and the PDF of
// the whole 65,535-flight log.
#include <benchmark/benchmark.h>

#include <QImage>

#include "app/surface/log_printing.h"
#include "app/surface/screen_image.h"
#include "display/log_view.h"
#include "display/null_surface.h"
#include "display/size_factor.h"
#include "limit_log.h"
#include "support/recording_host.h"

namespace {

using aerodex::bench::BuildTenAircraftLog;
using aerodex::bench::kLimitFlights;

struct WindowOnLog {
  CAerodexDoc doc;
  aerodex::CLogView view{doc};
  QImage image{1200, 900, QImage::Format_RGB32};
  aerodex::CImageViewHost host;

  WindowOnLog(std::uint32_t flights, int mode, int night) {
    BuildTenAircraftLog(doc, flights);
    view.viewMode = mode;
    view.showNightSubtotals = night;
    Paint();  // lays out every page and scrolls to the selection
    host.scrollPosition = QPoint(0, -host.scrollSizes.height() / 2);
  }
  void Paint() { aerodex::RenderScreenView(view, image, host); }
};

void AddRepaintArgs(benchmark::internal::Benchmark* b) {
  for (const int flights : {100, 20000, static_cast<int>(kLimitFlights)}) {
    for (const int mode :
         {aerodex::kViewAllEntries, aerodex::kViewByNNumber, aerodex::kViewAnnualSummary}) {
      for (const int night : {0, 1}) b->Args({flights, mode, night});
    }
  }
  b->ArgNames({"flights", "mode", "night"});
}

// An expose of the window: the same view painted again.
void BM_RepaintQt(benchmark::State& state) {
  WindowOnLog window(static_cast<std::uint32_t>(state.range(0)), static_cast<int>(state.range(1)),
                     static_cast<int>(state.range(2)));
  for (auto _ : state) {
    window.Paint();
    benchmark::DoNotOptimize(window.image.constBits());
  }
  state.counters["pages"] = window.view.PrintPageCount();
}
BENCHMARK(BM_RepaintQt)->Apply(AddRepaintArgs)->Unit(benchmark::kMillisecond);

// The pass on a surface that draws nothing (a layout for the mouse or the
// page count).
void BM_RepaintNull(benchmark::State& state) {
  WindowOnLog window(static_cast<std::uint32_t>(state.range(0)), static_cast<int>(state.range(1)),
                     static_cast<int>(state.range(2)));
  aerodex::CNullSurface surface;
  RecordingHost host;
  for (auto _ : state) {
    window.view.OnDraw(surface, host);
    host.scrollSizes.clear();
    benchmark::DoNotOptimize(window.doc.logHeight);
  }
}
BENCHMARK(BM_RepaintNull)->Apply(AddRepaintArgs)->Unit(benchmark::kMicrosecond);

void AddLimitModeArgs(benchmark::internal::Benchmark* b) {
  for (const int mode :
       {aerodex::kViewAllEntries, aerodex::kViewByNNumber, aerodex::kViewAnnualSummary}) {
    for (const int night : {0, 1}) b->Args({mode, night});
  }
  b->ArgNames({"mode", "night"})->Unit(benchmark::kMillisecond);
}

// Edit Entry on the middle flight: its remarks change between two and three
// lines, so every row below it moves; then the repaint.
void BM_RelayoutAfterEdit(benchmark::State& state) {
  WindowOnLog window(kLimitFlights, static_cast<int>(state.range(0)),
                     static_cast<int>(state.range(1)));
  CAerodexEntry& edited = window.doc.Entry(kLimitFlights / 2);
  const std::string longer = edited.remarks + " and a long note that wraps onto one more line";
  const std::string shorter = "Short note";
  bool toggle = false;
  for (auto _ : state) {
    edited.remarks = (toggle = !toggle) ? longer : shorter;
    window.doc.SetModifiedFlag();
    window.Paint();
    benchmark::DoNotOptimize(window.image.constBits());
  }
}
BENCHMARK(BM_RelayoutAfterEdit)->Apply(AddLimitModeArgs);

// New Entry in the middle of the log (appended, sorted into place), then the
// repaint; taking it out again is not timed.
void BM_RelayoutAfterNewEntry(benchmark::State& state) {
  WindowOnLog window(kLimitFlights, static_cast<int>(state.range(0)),
                     static_cast<int>(state.range(1)));
  const CAerodexEntry& model = window.doc.Entry(kLimitFlights / 2);
  for (auto _ : state) {
    auto entry = std::make_unique<CAerodexEntry>(model);
    CAerodexEntry* added = entry.get();
    window.doc.AppendEntry(std::move(entry));
    window.doc.SortEntries();
    window.Paint();
    state.PauseTiming();
    window.doc.RemoveEntry(added);
    window.doc.selectedEntry = nullptr;
    window.doc.SetModifiedFlag();
    window.Paint();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RelayoutAfterNewEntry)->Apply(AddLimitModeArgs);

// The view's mode commands in turn, each followed by its repaint (which
// scrolls to the selected flight).
void BM_SwitchMode(benchmark::State& state) {
  WindowOnLog window(kLimitFlights, aerodex::kViewAllEntries, static_cast<int>(state.range(0)));
  int turn = 0;
  for (auto _ : state) {
    switch (turn++ % 3) {
      case 0:
        window.view.OnViewGroupByNNumber();
        break;
      case 1:
        window.view.OnViewAnnualSummary();
        break;
      default:
        window.view.OnViewAllEntries();
        break;
    }
    window.Paint();
  }
}
BENCHMARK(BM_SwitchMode)->Arg(0)->Arg(1)->ArgName("night")->Unit(benchmark::kMillisecond);

// Night subtotals on and off in All Entries, each with its repaint.
void BM_ToggleNight(benchmark::State& state) {
  WindowOnLog window(kLimitFlights, aerodex::kViewAllEntries, 0);
  for (auto _ : state) {
    window.view.OnViewNightSubtotals();
    window.Paint();
  }
}
BENCHMARK(BM_ToggleNight)->Unit(benchmark::kMillisecond);

// Normal and expanded size in turn, each with its repaint.
void BM_SwitchSize(benchmark::State& state) {
  WindowOnLog window(kLimitFlights, aerodex::kViewAllEntries, 0);
  bool expanded = false;
  for (auto _ : state) {
    (expanded = !expanded) ? aerodex::OnViewExpandedSize(window.doc)
                           : aerodex::OnViewNormalSize(window.doc);
    window.Paint();
  }
}
BENCHMARK(BM_SwitchSize)->Unit(benchmark::kMillisecond);

// The whole printed log as PDF, in All Entries.
void BM_PdfAtTheLimit(benchmark::State& state) {
  CAerodexDoc doc;
  BuildTenAircraftLog(doc, kLimitFlights);
  aerodex::CLogView view(doc);
  qsizetype bytes = 0;
  for (auto _ : state) {
    const QByteArray pdf = aerodex::RenderLogPdf(view, "bench");
    bytes = pdf.size();
    benchmark::DoNotOptimize(pdf.constData());
  }
  state.counters["pages"] = view.PrintPageCount();
  state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_PdfAtTheLimit)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
