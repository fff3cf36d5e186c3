// SPDX-License-Identifier: GPL-3.0-or-later
// What a column of another logbook's file means to aerodex. Each format's
// column names (ForeFlight's current and older ones, MyFlightbook's synonyms,
// LogTen Pro's keys, common names of other programs) are matched without
// regard to case; a column that matches nothing has no field of its own and
// is kept in the remarks as "Name=value".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerodex::import {

enum class Meaning {
  kIgnore,
  kKeep,  // no field of its own: kept in the remarks
  // The flight.
  kDate,
  kTail,
  kFrom,
  kTo,
  kRoute,
  kTotal,
  kNight,
  kXc,
  kPic,
  kSolo,
  kDual,
  kActual,
  kSimulated,
  kLandings,  // all landings, touch-and-goes included
  kDayLandings,
  kNightLandings,
  kDayFullStop,
  kNightFullStop,
  kDayTouchAndGo,
  kNightTouchAndGo,
  kApproaches,  // a count of every type
  kIls,
  kVor,
  kLoc,
  kNdb,
  kGps,
  kRnav,
  kLoran,
  kRadar,
  kApproachCell,   // "count;type;runway;airport;comments", or a type alone
  kApproachTypes,  // a list of types, "ILS, RNAV/GPS", for the count of kApproaches
  kHolds,
  kTachStart,
  kTachEnd,
  kRemarks,
  // The aircraft.
  kMake,
  kModel,
  kCategoryClass,
  kEquipment,
  kGear,
  kComplex,
  kHighPerformance,
  kRetractable,
  kTailWheel,
  kConstantSpeed,
};

// The meaning of a column name in any of the formats read; kKeep when none.
Meaning MeaningOfColumn(std::string_view name);

// The name --map and the preview use ("date", "tail", ... "keep", "ignore").
const char* MeaningName(Meaning meaning);
std::optional<Meaning> MeaningByName(std::string_view name);

// Every meaning, in the order a chooser lists them.
std::vector<Meaning> AllMeanings();

// Meanings that several columns may share (the packed approach cells, the
// columns kept in the remarks or ignored, category and class apart). Of the
// others the first column wins.
bool MayRepeat(Meaning meaning);

// Meanings that describe the aircraft rather than the flight.
bool IsAircraftMeaning(Meaning meaning);

std::string LowerCase(std::string_view text);
std::string Trimmed(std::string_view text);

}  // namespace aerodex::import
