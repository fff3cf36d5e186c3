// SPDX-License-Identifier: GPL-3.0-or-later
// Painting one window of the log view into a 1200 x 900 image through the Qt
// surface, the whole drawing pass included, as every repaint pays it. The
// surface skips what lies outside the window, so a 20,000-flight log should
// cost little more than a 100-flight one.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdlib>

#include "app/surface/screen_image.h"
#include "display/log_view.h"
#include "model/document.h"
#include "support/recording_host.h"
#include "support/recording_surface.h"
#include "tools/sample_log.h"

namespace {

struct LoadedView {
  CAerodexDoc doc;
  aerodex::CLogView view{doc};
  explicit LoadedView(int flights) {
    doc.OnNewDocument();
    aerodex::sample::BuildLargeLog(doc, static_cast<std::uint32_t>(flights));
    doc.selectedEntry = nullptr;
  }
};

// A window in the middle of the log (mode from the benchmark's second argument).
void BM_PaintWindow(benchmark::State& state) {
  LoadedView log(static_cast<int>(state.range(0)));
  log.view.viewMode = static_cast<int>(state.range(1));
  QImage image(1200, 900, QImage::Format_RGB32);
  aerodex::CImageViewHost host;
  aerodex::RenderScreenView(log.view, image, host);  // lays out every page once
  host.scrollPosition = QPoint(0, -host.scrollSizes.height() / 2);
  for (auto _ : state) {
    aerodex::RenderScreenView(log.view, image, host);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["pages"] = log.view.PrintPageCount();
}
BENCHMARK(BM_PaintWindow)
    ->Args({100, aerodex::kViewAllEntries})
    ->Args({20000, aerodex::kViewAllEntries})
    ->Args({20000, aerodex::kViewByNNumber})
    ->Args({20000, aerodex::kViewAnnualSummary})
    ->Unit(benchmark::kMillisecond);

// The same pass on a surface that draws nothing: what the layout itself
// costs, so the Qt surface's share is the difference.
void BM_PassWithoutDrawing(benchmark::State& state) {
  LoadedView log(static_cast<int>(state.range(0)));
  NullSurface surface;
  RecordingHost host;
  for (auto _ : state) {
    log.view.OnDraw(surface, host);
    host.scrollSizes.clear();
  }
}
BENCHMARK(BM_PassWithoutDrawing)->Arg(100)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
