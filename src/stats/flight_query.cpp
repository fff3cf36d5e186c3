// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/flight_query.h"

#include <algorithm>

namespace aerodex::stats {

FlightQuery::FlightQuery(const CAerodexDoc& doc, FlightFilter filter)
    : filter_(std::move(filter)),
      lowerModel_(LowerAscii(filter_.model)),
      lowerText_(LowerAscii(filter_.text)) {
  anyAircraft_ = filter_.aircraft.empty() && lowerModel_.empty() && !filter_.aircraftClass &&
                 !filter_.complex && !filter_.highPerformance && !filter_.tailWheel &&
                 !filter_.multiEngine;
  if (anyAircraft_) return;
  const AircraftLookup lookup(doc);
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    const std::string& nNumber = doc.Aircraft(i).nNumber;
    aircraftPasses_.emplace(nNumber, AirplaneMatches(lookup.Find(nNumber)));
  }
  unknownAircraftPasses_ = AirplaneMatches(nullptr);
}

bool FlightQuery::Matches(const CAerodexEntry& flight) const {
  return filter_.dates.Contains(flight) && AircraftMatches(flight.nNumber) && TextMatches(flight);
}

bool FlightQuery::AircraftMatches(const std::string& nNumber) const {
  if (anyAircraft_) return true;
  if (!filter_.aircraft.empty() && std::find(filter_.aircraft.begin(), filter_.aircraft.end(),
                                             nNumber) == filter_.aircraft.end()) {
    return false;
  }
  const auto found = aircraftPasses_.find(nNumber);
  return found == aircraftPasses_.end() ? unknownAircraftPasses_ : found->second;
}

// Everything about the aircraft but its N-Number.
bool FlightQuery::AirplaneMatches(const CAirplane* airplane) const {
  if (filter_.aircraftClass && ClassOf(airplane) != *filter_.aircraftClass) return false;
  const bool needsAirplane = !lowerModel_.empty() || filter_.complex || filter_.highPerformance ||
                             filter_.tailWheel || filter_.multiEngine;
  if (airplane == nullptr) return !needsAirplane;
  if (!lowerModel_.empty() && !ContainsLower(MakeAndModel(*airplane), lowerModel_)) return false;
  if (filter_.complex && !IsComplex(*airplane)) return false;
  if (filter_.highPerformance && !airplane->isHighPerformance) return false;
  if (filter_.tailWheel && !airplane->hasTailWheel) return false;
  return !filter_.multiEngine || airplane->isMultiEngine;
}

bool FlightQuery::TextMatches(const CAerodexEntry& flight) const {
  if (lowerText_.empty()) return true;
  return ContainsLower(flight.departure, lowerText_) || ContainsLower(flight.arrival, lowerText_) ||
         ContainsLower(flight.route, lowerText_) || ContainsLower(flight.remarks, lowerText_);
}

std::vector<std::uint32_t> MatchingFlights(const CAerodexDoc& doc, const FlightQuery& query) {
  std::vector<std::uint32_t> indexes;
  const auto entries = doc.Entries();
  for (std::uint32_t i = 0; i < entries.size(); ++i) {
    if (query.Matches(*entries[i])) indexes.push_back(i);
  }
  return indexes;
}

}  // namespace aerodex::stats
