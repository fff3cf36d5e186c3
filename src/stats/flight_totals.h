// SPDX-License-Identifier: GPL-3.0-or-later
// Totals of a set of flights in the log's columns, and the same totals per
// month, year, aircraft, make and model or class. Single engine, multi engine,
// simulator and cost follow each flight's aircraft as the log's totals rows
// do (single engine wins when both are marked; cost is hours times the hourly
// cost); tach is the sum of the readings' differences, as in the log.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "stats/aircraft_class.h"

namespace aerodex::stats {

struct FlightTotals {
  int flights = 0;
  double total = 0;
  double day = 0;
  double night = 0;
  double crossCountry = 0;
  double nightCrossCountry = 0;
  double actualInstrument = 0;
  double simulatedInstrument = 0;
  double simulator = 0;
  double singleEngine = 0;
  double multiEngine = 0;
  double pic = 0;
  double dual = 0;
  double tach = 0;
  int landings = 0;
  int dayLandings = 0;
  int nightLandings = 0;
  int approaches = 0;
  int holds = 0;
  double cost = 0;

  double Instrument() const { return actualInstrument + simulatedInstrument; }
  // Adds one flight flown in airplane (null: not in the database).
  void Add(const CAerodexEntry& flight, const CAirplane* airplane);
};

// The totals of the flights at the given indexes of the log.
FlightTotals SumFlights(const CAerodexDoc& doc, std::span<const std::uint32_t> flights);

enum class GroupBy { kMonth, kYear, kAircraft, kModel, kClass };

// "month", "year", "aircraft", "model", "class".
std::optional<GroupBy> ParseGroupBy(std::string_view name);

struct FlightGroup {
  // "2024-03", "2024", the N-Number, "Make Model" (empty when the aircraft is
  // unknown or has neither) or the class name.
  std::string key;
  FlightTotals totals;
};

// One group per key that has flights: months and years in date order,
// aircraft and models by key, classes in the order of AircraftClass.
std::vector<FlightGroup> GroupFlights(const CAerodexDoc& doc,
                                      std::span<const std::uint32_t> flights, GroupBy by);

// The key of one flight's group.
std::string GroupKey(const CAerodexEntry& flight, const CAirplane* airplane, GroupBy by);

}  // namespace aerodex::stats
