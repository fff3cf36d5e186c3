// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of the currency check, shared by its seven lines and by the
// working shown behind them, so that both always give the same figures.
#pragma once

#include <cstdint>
#include <ctime>

#include "model/document.h"
#include "stats/month_index.h"

namespace aerodex::stats {

inline constexpr std::time_t kNinetyDays = 7776000;

// The eight approach kinds, summed wide: counts read from files may be
// anything an int holds.
std::int64_t Approaches(const CAerodexEntry& e);
MonthIndex EntryMonth(const CAerodexEntry& e);

// The age is the difference of the years alone; a class 3 medical lasts 36
// months up to 40 and 24 after.
std::int64_t AgeByYears(const CPilotInfo& pilot, const std::tm& local);
int ThirdClassMonths(std::int64_t age);
// The months of the medical line of a class: 6 for class 1, 12 for class 2.
int MedicalLineMonths(int medicalClass, std::int64_t ageByYears);
MonthIndex MedicalExamMonth(const CPilotInfo& pilot);
MonthIndex BfrExpiry(const CPilotInfo& pilot);
bool HasInstrumentPrivileges(const CPilotInfo& pilot);
// max(C, Q) + 6: the later of the competency check and the month the rules were met.
MonthIndex IfrExpiry(const CPilotInfo& pilot, MonthIndex rulesMet);

// What the walk from the newest flight backwards finds: the index of the
// flight at which the night landings reach 3, and of the flights at which
// the old IFR rules (6 hours of instrument time and 6 approaches) and the new
// ones (6 approaches and a holding procedure) were met; -1 when never. The
// sums are those when the walk ended, so for a rule never met they are the
// whole log's. One pass for all three keeps a large log quick.
struct BackwardScan {
  long thirdNightLanding = -1;
  long oldRulesMet = -1;
  long newRulesMet = -1;
  std::int64_t nightLandings = 0;
  std::int64_t approaches = 0;
  std::int64_t holds = 0;
  double instrumentHours = 0.0;
};
BackwardScan ScanBackwards(const CAerodexDoc& doc);

// The month index of the flight at index, 0 for -1 (never met).
MonthIndex MetMonth(const CAerodexDoc& doc, long index);

// A flight's date at the clock time and daylight-saving flag of now, so that
// the 90 days are counted on local calendar dates; lapsed when that instant
// lies more than 90 days before now; until is the instant 90 days later.
struct NinetyDays {
  std::time_t flown = 0;
  bool lapsed = false;
  ShownDate until;
};
NinetyDays NinetyDaysFrom(const CAerodexEntry& flight, std::time_t now, const std::tm& local);

}  // namespace aerodex::stats
