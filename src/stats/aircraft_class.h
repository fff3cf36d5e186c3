// SPDX-License-Identifier: GPL-3.0-or-later
// What kind of aircraft a flight was flown in, as the reports ask it: the
// class of an aircraft (ASEL ... Balloon), its place on the 8710's rows, and
// its equipment. AircraftLookup finds each flight's aircraft once per report
// by N-Number, the first of the database as the log does; it points into the
// document and is stale once the aircraft database changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/airplane.h"
#include "model/document.h"

namespace aerodex::stats {

enum class AircraftClass {
  kAsel,
  kAmel,
  kAses,
  kAmes,
  kHelicopter,
  kGyroplane,
  kGlider,
  kAirship,
  kBalloon,
  kSimulator,     // training device: wins over every other kind
  kUnclassified,  // no aircraft in the database, or one without a kind
};
inline constexpr int kClassCount = 11;

// The class of an aircraft; null is unclassified. An aircraft marked with
// several kinds takes the first of airplane (or seaplane), helicopter,
// gyroplane, glider, airship, balloon; one marked both single and multi
// engine is single engine, as in the log's totals.
AircraftClass ClassOf(const CAirplane* airplane);

// "ASEL", "Helicopter", "Simulator", "Unclassified".
const char* ClassName(AircraftClass aircraftClass);
// The nine classes a pilot's time is logged in, by name (case-insensitive);
// simulators and unclassified flights are not among them.
std::optional<AircraftClass> ParseClass(std::string_view name);

// Retractable gear and a constant-speed propeller.
inline bool IsComplex(const CAirplane& airplane) {
  return airplane.isRetractable && airplane.hasConstantSpeedProp;
}

// "Make Model", either part left out when empty.
std::string MakeAndModel(const CAirplane& airplane);

class AircraftLookup {
 public:
  explicit AircraftLookup(const CAerodexDoc& doc);
  // The aircraft of a flight, or null when the database has none.
  const CAirplane* Find(const std::string& nNumber) const;

 private:
  std::unordered_map<std::string, const CAirplane*> byNNumber_;
};

// Lower-case ASCII letters, for matching without regard to case.
std::string LowerAscii(std::string_view text);
// Whether haystack contains needle, ASCII letters compared without case;
// needle must already be lower case.
bool ContainsLower(std::string_view haystack, std::string_view lowerNeedle);

}  // namespace aerodex::stats
