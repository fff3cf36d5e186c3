// SPDX-License-Identifier: GPL-3.0-or-later
// The currency check and the maintenance status on a log of 65,535 flights
// (the most a log file can hold). Target: the currency check, with its
// working, in 10 ms or less; the log check in 100 ms or less.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/clock.h"
#include "model/document.h"
#include "sample_log.h"
#include "stats/aircraft_status.h"
#include "stats/currency.h"
#include "stats/log_check.h"

namespace {

constexpr std::uint32_t kFlights = 65535;

std::time_t Now() { return *aerodex::ParseLocalTime("2030-06-15 12:00:00"); }

// A realistic log from the sample generator.
std::unique_ptr<CAerodexDoc> SampleLog() {
  auto doc = std::make_unique<CAerodexDoc>();
  doc->OnNewDocument();
  aerodex::sample::BuildLargeLog(*doc, kFlights);
  doc->pilot.ratedInstrumentAirplane = 1;
  return doc;
}

// The worst case: no night landing, approach or holding anywhere, so every
// walk goes through the whole log.
std::unique_ptr<CAerodexDoc> BarrenLog() {
  auto doc = SampleLog();
  for (const auto& entry : doc->Entries()) {
    entry->nightLandings = entry->holdingProcedures = 0;
    entry->ilsApproaches = entry->vorApproaches = entry->locApproaches = entry->ndbApproaches = 0;
    entry->gpsApproaches = entry->rnavApproaches = entry->loranApproaches = 0;
    entry->radarApproaches = 0;
  }
  return doc;
}

void BM_CurrencySampleLog(benchmark::State& state) {
  const auto doc = SampleLog();
  for (auto _ : state) benchmark::DoNotOptimize(aerodex::stats::ComputeCurrency(*doc, Now()));
}
BENCHMARK(BM_CurrencySampleLog)->Unit(benchmark::kMillisecond);

void BM_CurrencyWholeLogWalked(benchmark::State& state) {
  const auto doc = BarrenLog();
  for (auto _ : state) benchmark::DoNotOptimize(aerodex::stats::ComputeCurrency(*doc, Now()));
}
BENCHMARK(BM_CurrencyWholeLogWalked)->Unit(benchmark::kMillisecond);

void BM_MonitoredStatus(benchmark::State& state) {
  const auto doc = SampleLog();
  for (std::size_t i = 0; i < doc->AircraftCount(); ++i) doc->Aircraft(i).isMonitored = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(aerodex::stats::ComputeMonitoredStatus(*doc, Now()));
  }
}
BENCHMARK(BM_MonitoredStatus)->Unit(benchmark::kMillisecond);

// Every flight through every check, the whole log at once.
void BM_CheckLog(benchmark::State& state) {
  const auto doc = SampleLog();
  for (auto _ : state) benchmark::DoNotOptimize(aerodex::stats::CheckLog(*doc));
}
BENCHMARK(BM_CheckLog)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
