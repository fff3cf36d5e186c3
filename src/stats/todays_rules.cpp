// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/todays_rules.h"

#include <algorithm>
#include <iterator>

#include "stats/currency_rules.h"

namespace aerodex::stats {
namespace {

constexpr TodaysRuleRow kTodaysRules[] = {
    {TodaysRule::kClass1Privileges, "14 CFR 61.23(d)", "airline transport pilot in command", 12, 6,
     0},
    {TodaysRule::kClass2Privileges, "14 CFR 61.23(d)", "commercial pilot", 12, 12, 0},
    {TodaysRule::kClass3Privileges, "14 CFR 61.23(d)",
     "private, recreational and student pilot, flight instructor", 60, 24, 0},
    {TodaysRule::kFlightReview, "14 CFR 61.56(c)", "flight review", 24, 24, 0},
    {TodaysRule::kInstrumentExperience, "14 CFR 61.57(c)",
     "6 instrument approaches, holding procedures and tasks, intercepting and tracking courses", 6,
     6, 0},
    {TodaysRule::kInstrumentProficiencyCheck, "14 CFR 61.57(d)",
     "instrument proficiency check once the experience has lapsed for more than 6 months", 6, 6, 0},
    {TodaysRule::kNightPassengers, "14 CFR 61.57(b)",
     "3 take-offs and 3 landings to a full stop, from an hour after sunset to an hour before "
     "sunrise, in the same category and class",
     0, 0, 90},
    {TodaysRule::kStudentPassengers, "14 CFR 61.89(a)(1)", "no passengers for a student pilot", 0,
     0, 0},
};

constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < std::size(kTodaysRules); ++i) {
    if (static_cast<std::size_t>(kTodaysRules[i].rule) != i) return false;
  }
  return true;
}
static_assert(InEnumOrder(), "one row per rule, in the order of TodaysRule");
// The night estimate reuses the night line's 90-day arithmetic.
static_assert(std::time_t{kTodaysRules[static_cast<int>(TodaysRule::kNightPassengers)].days} *
                      86400 ==
                  kNinetyDays,
              "the night period and the night line's must agree");

bool IsLeap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

const TodaysRuleRow& RuleOfToday(TodaysRule rule) {
  return kTodaysRules[static_cast<std::size_t>(rule)];
}

int MedicalPrivilegeCount(int medicalClass) {
  return (medicalClass == 1 || medicalClass == 2) ? 4 - medicalClass : 1;
}

TodaysRule MedicalPrivileges(int medicalClass, int nth) {
  const int first = MedicalPrivilegeCount(medicalClass) == 1 ? 3 : medicalClass;
  return static_cast<TodaysRule>(first - 1 + nth);
}

int PrivilegeClass(TodaysRule privileges) { return static_cast<int>(privileges) + 1; }

bool HasMedicalDate(const CPilotInfo& pilot) {
  return pilot.medicalYear != 0 && pilot.medicalMonth >= 1 && pilot.medicalMonth <= 12;
}

AgeAtExam AgeAtExamination(const CPilotInfo& pilot) {
  const std::int64_t years = std::int64_t{pilot.medicalYear} - pilot.birthYear;
  AgeAtExam age;
  age.birthMonthKnown = pilot.birthMonth >= 1 && pilot.birthMonth <= 12;
  if (!age.birthMonthKnown) {
    age.low = years - 1;
    age.high = years;
  } else {
    // Not yet had the birthday that year; in the birth month itself, the older.
    age.low = age.high = pilot.medicalMonth < pilot.birthMonth ? years - 1 : years;
  }
  return age;
}

int MedicalMonths(TodaysRule privileges, std::int64_t age) {
  const TodaysRuleRow& row = RuleOfToday(privileges);
  return age < 40 ? row.monthsUnder40 : row.monthsFrom40;
}

InstrumentToday InstrumentCurrencyToday(const CPilotInfo& pilot, MonthIndex experienceMet,
                                        MonthIndex today) {
  const MonthIndex check = MonthIndexOf(pilot.iccYear, pilot.iccMonth);
  InstrumentToday result;
  result.currentThrough =
      std::max(check, experienceMet) + RuleOfToday(TodaysRule::kInstrumentExperience).monthsUnder40;
  result.regainableThrough =
      result.currentThrough + RuleOfToday(TodaysRule::kInstrumentProficiencyCheck).monthsUnder40;
  if (today <= result.currentThrough) {
    result.standing = InstrumentStanding::kCurrent;
  } else if (today <= result.regainableThrough) {
    result.standing = InstrumentStanding::kRegainable;
  }
  return result;
}

std::string CalendarEndText(MonthIndex index) {
  ShownDate date = EndOfMonth(index);
  if (date.month == 2 && IsLeap(date.year)) date.day = 29;
  return DateText(date);
}

}  // namespace aerodex::stats
