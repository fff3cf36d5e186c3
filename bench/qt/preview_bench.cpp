// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of "Import from Another Logbook..." on a ForeFlight file of
// 20,000 flights, as the user waits for it: the file planned, the preview
// built, shown and painted once (target: under 1 s). Off screen unless
// another platform is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/dialogs/logbook_import_dialog.h"
#include "import/log_export.h"
#include "tools/sample_log.h"

namespace {

constexpr std::uint32_t kFlights = 20000;

std::string ForeFlightFile() {
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildLargeLog(doc, kFlights);
  return aerodex::import::ExportLog(doc, aerodex::import::ExportFormat::kForeFlight);
}

void BM_OpenPreview(benchmark::State& state) {
  const std::string text = ForeFlightFile();
  CAerodexDoc log;
  log.OnNewDocument();
  for (auto _ : state) {
    aerodex::import::CImportOptions options;
    aerodex::import::CImportPlan plan = aerodex::import::PlanImport(log, text, options);
    aerodex::CLogbookImportDialog preview(plan, options, [&](const auto& changed) {
      return aerodex::import::PlanImport(log, text, changed);
    });
    preview.show();
    QApplication::processEvents();
    if (plan.flights.size() != kFlights) state.SkipWithError("not every flight was planned");
  }
}
BENCHMARK(BM_OpenPreview)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
