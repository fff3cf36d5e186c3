// SPDX-License-Identifier: GPL-3.0-or-later
// Which flights a question is about: a date range, aircraft, make and model,
// class and equipment, and text in the airports, route or remarks. A
// FlightQuery is a predicate over one flight, built once per question (it
// looks each aircraft up in advance), so a list, a sort/filter proxy or a
// chart can ask it flight by flight; MatchingFlights applies it to the log.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/document.h"
#include "stats/aircraft_class.h"
#include "stats/report_period.h"

namespace aerodex::stats {

struct FlightFilter {
  DateRange dates{};
  std::vector<std::string> aircraft{};  // N-Numbers, exactly; empty: any
  std::string model{};                  // text in "Make Model", any case; empty: any
  std::optional<AircraftClass> aircraftClass{};
  bool complex = false;
  bool highPerformance = false;
  bool tailWheel = false;
  bool multiEngine = false;
  std::string text{};  // in departure, arrival, route or remarks, any case; empty: any
};

class FlightQuery {
 public:
  // Reads the aircraft database now: rebuild the query after it changes.
  FlightQuery(const CAerodexDoc& doc, FlightFilter filter);

  bool Matches(const CAerodexEntry& flight) const;
  const FlightFilter& Filter() const { return filter_; }

 private:
  bool AircraftMatches(const std::string& nNumber) const;
  bool AirplaneMatches(const CAirplane* airplane) const;
  bool TextMatches(const CAerodexEntry& flight) const;

  FlightFilter filter_;
  std::string lowerModel_;
  std::string lowerText_;
  bool anyAircraft_ = true;
  // Whether the flights of each N-Number pass the aircraft part of the filter.
  std::unordered_map<std::string, bool> aircraftPasses_;
  bool unknownAircraftPasses_ = true;
};

// The indexes, in log order, of the flights the query matches.
std::vector<std::uint32_t> MatchingFlights(const CAerodexDoc& doc, const FlightQuery& query);

}  // namespace aerodex::stats
