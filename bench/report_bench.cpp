// SPDX-License-Identifier: GPL-3.0-or-later
// The pilot's reports on a log of 65,535 flights (the most a log file can
// hold). Target: each report within 50 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/document.h"
#include "sample_log.h"
#include "stats/flight_query.h"
#include "stats/flight_totals.h"
#include "stats/insurer_table.h"
#include "stats/pilot_time.h"

namespace {

namespace stats = aerodex::stats;

constexpr std::uint32_t kFlights = 65535;
constexpr aerodex::LocalDate kToday{15, 6, 2030};

const CAerodexDoc& SampleLog() {
  static const auto doc = [] {
    auto made = std::make_unique<CAerodexDoc>();
    made->OnNewDocument();
    aerodex::sample::BuildLargeLog(*made, kFlights);
    return made;
  }();
  return *doc;
}

void BM_PilotTime(benchmark::State& state) {
  const CAerodexDoc& doc = SampleLog();
  for (auto _ : state) benchmark::DoNotOptimize(stats::ComputePilotTime(doc, {}));
}
BENCHMARK(BM_PilotTime)->Unit(benchmark::kMillisecond);

// Every flight's texts searched: the slowest filter.
void BM_TotalsWithTextAndModel(benchmark::State& state) {
  const CAerodexDoc& doc = SampleLog();
  for (auto _ : state) {
    const stats::FlightQuery query(doc, {.model = "cessna", .text = "ksns"});
    benchmark::DoNotOptimize(stats::SumFlights(doc, stats::MatchingFlights(doc, query)));
  }
}
BENCHMARK(BM_TotalsWithTextAndModel)->Unit(benchmark::kMillisecond);

void BM_GroupByMonth(benchmark::State& state) {
  const CAerodexDoc& doc = SampleLog();
  for (auto _ : state) {
    const stats::FlightQuery query(doc, {});
    benchmark::DoNotOptimize(
        stats::GroupFlights(doc, stats::MatchingFlights(doc, query), stats::GroupBy::kMonth));
  }
}
BENCHMARK(BM_GroupByMonth)->Unit(benchmark::kMillisecond);

void BM_GroupByModel(benchmark::State& state) {
  const CAerodexDoc& doc = SampleLog();
  for (auto _ : state) {
    const stats::FlightQuery query(doc, {});
    benchmark::DoNotOptimize(
        stats::GroupFlights(doc, stats::MatchingFlights(doc, query), stats::GroupBy::kModel));
  }
}
BENCHMARK(BM_GroupByModel)->Unit(benchmark::kMillisecond);

void BM_InsurerTable(benchmark::State& state) {
  const CAerodexDoc& doc = SampleLog();
  for (auto _ : state) benchmark::DoNotOptimize(stats::ComputeInsurerTable(doc, kToday));
}
BENCHMARK(BM_InsurerTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
