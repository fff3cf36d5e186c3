// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a ForeFlight logbook file of 20,000 flights into an empty log, in
// process: the plan alone (what the preview waits for) and plan plus apply.
// Target: the whole import under 300 ms. Also the export that makes the file.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "import/log_export.h"
#include "import/logbook_import.h"
#include "model/document.h"
#include "sample_log.h"

namespace {

constexpr std::uint32_t kFlights = 20000;

const CAerodexDoc& LargeLog() {
  static const auto doc = [] {
    auto built = std::make_unique<CAerodexDoc>();
    built->OnNewDocument();
    aerodex::sample::BuildLargeLog(*built, kFlights);
    return built;
  }();
  return *doc;
}

const std::string& ForeFlightFile() {
  static const std::string text =
      aerodex::import::ExportLog(LargeLog(), aerodex::import::ExportFormat::kForeFlight);
  return text;
}

void BM_ExportForeFlight(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        aerodex::import::ExportLog(LargeLog(), aerodex::import::ExportFormat::kForeFlight));
  }
}
BENCHMARK(BM_ExportForeFlight)->Unit(benchmark::kMillisecond);

void BM_PlanForeFlight(benchmark::State& state) {
  const std::string& text = ForeFlightFile();
  CAerodexDoc doc;
  doc.OnNewDocument();
  for (auto _ : state) {
    const auto plan = aerodex::import::PlanImport(doc, text, {});
    if (plan.flights.size() != kFlights) state.SkipWithError("not every flight was planned");
  }
}
BENCHMARK(BM_PlanForeFlight)->Unit(benchmark::kMillisecond);

void BM_ImportForeFlight(benchmark::State& state) {
  const std::string& text = ForeFlightFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CAerodexDoc>();
    doc->OnNewDocument();
    state.ResumeTiming();
    const auto plan = aerodex::import::PlanImport(*doc, text, {});
    const auto report = aerodex::import::ApplyPlan(*doc, plan);
    state.PauseTiming();
    if (report.flightsAdded != kFlights) state.SkipWithError("not every flight was imported");
    doc.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportForeFlight)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
