// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/flight_totals.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

namespace aerodex::stats {
namespace {

std::string MonthKey(const CAerodexEntry& flight) {
  char key[32];
  std::snprintf(key, sizeof key, "%04d-%02d", flight.year, flight.month);
  return key;
}

std::string YearKey(const CAerodexEntry& flight) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d", flight.year);
  return key;
}

void AddAircraftSums(FlightTotals& totals, double hours, const CAirplane& airplane) {
  totals.cost += hours * airplane.hourlyCost;
  if (airplane.isSingleEngine) {
    totals.singleEngine += hours;
  } else if (airplane.isMultiEngine) {
    totals.multiEngine += hours;
  }
  if (airplane.isSimulator) totals.simulator += hours;
}

bool GroupBefore(const FlightGroup& a, const FlightGroup& b, GroupBy by) {
  if (by != GroupBy::kClass) return a.key < b.key;
  const auto rank = [](const std::string& key) {
    for (int i = 0; i < kClassCount; ++i) {
      if (key == ClassName(static_cast<AircraftClass>(i))) return i;
    }
    return kClassCount;
  };
  return rank(a.key) < rank(b.key);
}

// Whether two flights fall in one group without making its key: flights in
// log order mostly share their month, year or aircraft with the one before.
bool SameGroup(const CAerodexEntry& a, const CAerodexEntry& b, GroupBy by) {
  switch (by) {
    case GroupBy::kMonth:
      return a.year == b.year && a.month == b.month;
    case GroupBy::kYear:
      return a.year == b.year;
    default:
      return a.nNumber == b.nNumber;
  }
}

}  // namespace

void FlightTotals::Add(const CAerodexEntry& flight, const CAirplane* airplane) {
  const double hours = flight.TotalHours();
  ++flights;
  total += hours;
  day += flight.dayHours;
  night += flight.nightHours;
  crossCountry += flight.dayCrossCountry + flight.nightCrossCountry;
  nightCrossCountry += flight.nightCrossCountry;
  actualInstrument += flight.actualInstrument;
  simulatedInstrument += flight.simulatedInstrument;
  pic += flight.picHours;
  dual += flight.dualHours;
  tach += flight.endTach - flight.startTach;
  landings += flight.dayLandings + flight.nightLandings;
  dayLandings += flight.dayLandings;
  nightLandings += flight.nightLandings;
  approaches += flight.ApproachCount();
  holds += flight.holdingProcedures;
  if (airplane != nullptr) AddAircraftSums(*this, hours, *airplane);
}

FlightTotals SumFlights(const CAerodexDoc& doc, std::span<const std::uint32_t> flights) {
  const AircraftLookup lookup(doc);
  FlightTotals totals;
  for (const std::uint32_t index : flights) {
    const CAerodexEntry& flight = doc.Entry(index);
    totals.Add(flight, lookup.Find(flight.nNumber));
  }
  return totals;
}

std::optional<GroupBy> ParseGroupBy(std::string_view name) {
  constexpr std::array<std::pair<std::string_view, GroupBy>, 5> kNames = {{
      {"month", GroupBy::kMonth},
      {"year", GroupBy::kYear},
      {"aircraft", GroupBy::kAircraft},
      {"model", GroupBy::kModel},
      {"class", GroupBy::kClass},
  }};
  for (const auto& [text, by] : kNames) {
    if (name == text) return by;
  }
  return std::nullopt;
}

std::string GroupKey(const CAerodexEntry& flight, const CAirplane* airplane, GroupBy by) {
  switch (by) {
    case GroupBy::kMonth:
      return MonthKey(flight);
    case GroupBy::kYear:
      return YearKey(flight);
    case GroupBy::kAircraft:
      return flight.nNumber;
    case GroupBy::kModel:
      return airplane != nullptr ? MakeAndModel(*airplane) : std::string();
    case GroupBy::kClass:
      return ClassName(ClassOf(airplane));
  }
  return {};
}

std::vector<FlightGroup> GroupFlights(const CAerodexDoc& doc,
                                      std::span<const std::uint32_t> flights, GroupBy by) {
  const AircraftLookup lookup(doc);
  std::vector<FlightGroup> groups;
  std::unordered_map<std::string, std::size_t> slots;
  const CAerodexEntry* previous = nullptr;
  std::size_t slot = 0;
  for (const std::uint32_t index : flights) {
    const CAerodexEntry& flight = doc.Entry(index);
    const CAirplane* airplane = lookup.Find(flight.nNumber);
    if (previous == nullptr || !SameGroup(*previous, flight, by)) {
      std::string key = GroupKey(flight, airplane, by);
      const auto [found, added] = slots.try_emplace(key, groups.size());
      if (added) groups.push_back(FlightGroup{std::move(key), {}});
      slot = found->second;
    }
    groups[slot].totals.Add(flight, airplane);
    previous = &flight;
  }
  std::sort(groups.begin(), groups.end(),
            [by](const FlightGroup& a, const FlightGroup& b) { return GroupBefore(a, b, by); });
  return groups;
}

}  // namespace aerodex::stats
