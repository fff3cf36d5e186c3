// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/aircraft_class.h"

#include <algorithm>
#include <array>

namespace aerodex::stats {
namespace {

constexpr std::array<const char*, kClassCount> kClassNames = {
    "ASEL",   "AMEL",    "ASES",    "AMES",      "Helicopter",  "Gyroplane",
    "Glider", "Airship", "Balloon", "Simulator", "Unclassified"};

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

AircraftClass AirplaneClass(const CAirplane& airplane) {
  const bool multi = airplane.isMultiEngine && !airplane.isSingleEngine;
  if (airplane.isSeaplane) return multi ? AircraftClass::kAmes : AircraftClass::kAses;
  return multi ? AircraftClass::kAmel : AircraftClass::kAsel;
}

}  // namespace

AircraftClass ClassOf(const CAirplane* airplane) {
  if (airplane == nullptr) return AircraftClass::kUnclassified;
  const CAirplane& a = *airplane;
  if (a.isSimulator) return AircraftClass::kSimulator;
  if (a.isAirplane || a.isSeaplane) return AirplaneClass(a);
  if (a.isHelicopter) return AircraftClass::kHelicopter;
  if (a.isGyroplane) return AircraftClass::kGyroplane;
  if (a.isGlider) return AircraftClass::kGlider;
  if (a.isAirship) return AircraftClass::kAirship;
  if (a.isBalloon) return AircraftClass::kBalloon;
  return AircraftClass::kUnclassified;
}

const char* ClassName(AircraftClass aircraftClass) {
  return kClassNames[static_cast<std::size_t>(aircraftClass)];
}

std::optional<AircraftClass> ParseClass(std::string_view name) {
  const std::string lower = LowerAscii(name);
  for (int i = 0; i <= static_cast<int>(AircraftClass::kBalloon); ++i) {
    const auto candidate = static_cast<AircraftClass>(i);
    if (LowerAscii(ClassName(candidate)) == lower) return candidate;
  }
  return std::nullopt;
}

std::string MakeAndModel(const CAirplane& airplane) {
  if (airplane.make.empty()) return airplane.model;
  if (airplane.model.empty()) return airplane.make;
  return airplane.make + " " + airplane.model;
}

AircraftLookup::AircraftLookup(const CAerodexDoc& doc) {
  // emplace keeps the first of two aircraft with one N-Number, as FindAircraft does.
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    byNNumber_.emplace(doc.Aircraft(i).nNumber, &doc.Aircraft(i));
  }
}

const CAirplane* AircraftLookup::Find(const std::string& nNumber) const {
  const auto found = byNNumber_.find(nNumber);
  return found == byNNumber_.end() ? nullptr : found->second;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerChar);
  return lower;
}

bool ContainsLower(std::string_view haystack, std::string_view lowerNeedle) {
  const auto found =
      std::search(haystack.begin(), haystack.end(), lowerNeedle.begin(), lowerNeedle.end(),
                  [](char a, char b) { return LowerChar(a) == b; });
  return found != haystack.end() || lowerNeedle.empty();
}

}  // namespace aerodex::stats
