// SPDX-License-Identifier: GPL-3.0-or-later
// The printed log as PDF: the layout pass, then every page's complete pass
// on a printer surface, for a log of about ten pages and one of about a hundred.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/surface/log_printing.h"
#include "display/log_view.h"
#include "model/document.h"
#include "tools/sample_log.h"

namespace {

void BM_RenderPdf(benchmark::State& state) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildLargeLog(doc, static_cast<std::uint32_t>(state.range(0)));
  aerodex::CLogView view(doc);
  qsizetype bytes = 0;
  for (auto _ : state) {
    const QByteArray pdf = aerodex::RenderLogPdf(view, "bench");
    bytes = pdf.size();
    benchmark::DoNotOptimize(pdf.constData());
  }
  state.counters["pages"] = view.PrintPageCount();
  state.counters["kB"] = static_cast<double>(bytes) / 1024.0;
}
// Every page runs the whole pass, so the cost grows with pages × flights.
BENCHMARK(BM_RenderPdf)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
