// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/currency_rules.h"

#include <algorithm>
#include <climits>

#include "model/clock.h"

namespace aerodex::stats {
namespace {

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int64_t Approaches(const CAerodexEntry& e) {
  return std::int64_t{e.ilsApproaches} + e.vorApproaches + e.locApproaches + e.ndbApproaches +
         e.gpsApproaches + e.rnavApproaches + e.loranApproaches + e.radarApproaches;
}

MonthIndex EntryMonth(const CAerodexEntry& e) { return MonthIndexOf(e.year, e.month); }

std::int64_t AgeByYears(const CPilotInfo& pilot, const std::tm& local) {
  return std::int64_t{local.tm_year} + 1900 - pilot.birthYear;
}

int ThirdClassMonths(std::int64_t age) { return age <= 40 ? 36 : 24; }

int MedicalLineMonths(int medicalClass, std::int64_t ageByYears) {
  if (medicalClass == 1) return 6;
  return medicalClass == 2 ? 12 : ThirdClassMonths(ageByYears);
}

MonthIndex MedicalExamMonth(const CPilotInfo& pilot) {
  return MonthIndexOf(pilot.medicalYear, pilot.medicalMonth);
}

MonthIndex BfrExpiry(const CPilotInfo& pilot) {
  return MonthIndexOf(pilot.bfrYear, pilot.bfrMonth) + 24;
}

bool HasInstrumentPrivileges(const CPilotInfo& pilot) {
  return pilot.isAirlineTransport || pilot.isFlightInstructor || pilot.ratedInstrumentAirplane ||
         pilot.ratedInstrumentHelicopter;
}

MonthIndex IfrExpiry(const CPilotInfo& pilot, MonthIndex rulesMet) {
  return std::max(MonthIndexOf(pilot.iccYear, pilot.iccMonth), rulesMet) + 6;
}

BackwardScan ScanBackwards(const CAerodexDoc& doc) {
  BackwardScan found;
  const auto entries = doc.Entries();
  for (long i = static_cast<long>(entries.size()) - 1; i >= 0; --i) {
    const CAerodexEntry& e = *entries[static_cast<std::size_t>(i)];
    found.nightLandings += e.nightLandings;
    found.instrumentHours += e.actualInstrument + e.simulatedInstrument;
    found.approaches += Approaches(e);
    found.holds += e.holdingProcedures;
    if (found.thirdNightLanding < 0 && found.nightLandings >= 3) found.thirdNightLanding = i;
    if (found.oldRulesMet < 0 && found.instrumentHours >= 6.0 && found.approaches >= 6) {
      found.oldRulesMet = i;
    }
    if (found.newRulesMet < 0 && found.approaches >= 6 && found.holds >= 1) found.newRulesMet = i;
    if (found.thirdNightLanding >= 0 && found.oldRulesMet >= 0 && found.newRulesMet >= 0) break;
  }
  return found;
}

MonthIndex MetMonth(const CAerodexDoc& doc, long index) {
  return index < 0 ? 0 : EntryMonth(doc.Entry(static_cast<std::size_t>(index)));
}

NinetyDays NinetyDaysFrom(const CAerodexEntry& flight, std::time_t now, const std::tm& local) {
  std::tm flown = local;
  flown.tm_mday = flight.day;
  flown.tm_mon = ClampToInt(std::int64_t{flight.month} - 1);
  flown.tm_year = ClampToInt(std::int64_t{flight.year} - 1900);
  NinetyDays result;
  result.flown = FromLocalTime(flown);
  result.lapsed = result.flown < now - kNinetyDays;
  const std::tm until = ToLocalTime(result.flown + kNinetyDays);
  result.until = {std::int64_t{until.tm_mon} + 1, until.tm_mday,
                  std::int64_t{until.tm_year} + 1900};
  return result;
}

}  // namespace aerodex::stats
