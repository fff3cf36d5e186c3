// SPDX-License-Identifier: GPL-3.0-or-later
// What a chart of the flying shows: one value (hours of some kind, landings,
// approaches, flights or cost) of the flights given, per month, year,
// aircraft, make and model or class. Months and years run without gaps from
// the first to the last one flown, empty ones at 0, and carry the running
// total as well. The chart's bars and its CSV are made from this alone.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"
#include "stats/flight_totals.h"

namespace aerodex::stats {

enum class ChartValue {
  kTotal,
  kPic,
  kDual,
  kNight,
  kCrossCountry,
  kActualInstrument,
  kSimulatedInstrument,
  kInstrument,
  kLandings,
  kNightLandings,
  kApproaches,
  kFlights,
  kCost,
};
inline constexpr int kChartValueCount = 13;

// "Total", "PIC", ..., "All instrument", "Landings", ..., "Cost".
const char* ChartValueName(ChartValue value);
double ChartValueOf(const FlightTotals& totals, ChartValue value);

struct ChartSeries {
  std::vector<std::string> keys;  // as GroupFlights names its groups
  std::vector<double> values;
  std::vector<double> running;  // running totals; empty but for months and years
};

ChartSeries MakeChartSeries(const CAerodexDoc& doc, std::span<const std::uint32_t> flights,
                            GroupBy by, ChartValue value);

// "Month,Total hours\r\n2024-01,12.3\r\n...": the series as CSV, with the
// running total as a third column when there is one.
std::string ChartSeriesCsv(const ChartSeries& series, GroupBy by, ChartValue value);

}  // namespace aerodex::stats
