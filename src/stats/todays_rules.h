// SPDX-License-Identifier: GPL-3.0-or-later
// The currency rules of 14 CFR part 61 as they stand today, beside the older
// ones the seven lines keep. Every period and its source lives in the one
// table of todays_rules.cpp, so that a change in the regulations is one row
// there and a new date below.
#pragma once

#include <cstdint>

#include "model/clock.h"
#include "model/pilot.h"
#include "stats/month_index.h"

namespace aerodex::stats {

// The day the table was last compared with the regulations.
inline constexpr LocalDate kTodaysRulesChecked{8, 12, 2026};

enum class TodaysRule {
  kClass1Privileges,
  kClass2Privileges,
  kClass3Privileges,
  kFlightReview,
  kInstrumentExperience,
  kInstrumentProficiencyCheck,
  kNightPassengers,
  kStudentPassengers,
};

struct TodaysRuleRow {
  TodaysRule rule;
  const char* source;  // the section of 14 CFR
  const char* covers;  // what the rule governs, as the working names it
  // Calendar months after the month of the event, valid through the end of
  // the last; the age is the one at the medical examination, and both
  // columns agree where age plays no part.
  int monthsUnder40;
  int monthsFrom40;
  int days;  // a period counted in days instead, else 0
};

const TodaysRuleRow& RuleOfToday(TodaysRule rule);

// The privileges a medical of this class gives, highest first (a class
// other than 1 or 2 is read as 3).
TodaysRule MedicalPrivileges(int medicalClass, int nth);
int MedicalPrivilegeCount(int medicalClass);
int PrivilegeClass(TodaysRule privileges);

bool HasMedicalDate(const CPilotInfo& pilot);

// The age at the medical examination from the months and years of birth and
// of the examination. In the birth month itself the day is unknown, so the
// older age is taken; with no birth month the age is one of two, and low
// and high say which.
struct AgeAtExam {
  std::int64_t low = 0;
  std::int64_t high = 0;
  bool birthMonthKnown = false;
};
AgeAtExam AgeAtExamination(const CPilotInfo& pilot);
int MedicalMonths(TodaysRule privileges, std::int64_t age);

// Instrument currency from the later of the proficiency check and the month
// the experience was last met: current through the end of the sixth month
// after it, then six months in which it may be regained by flying the
// experience again, then only a proficiency check restores it.
enum class InstrumentStanding { kCurrent, kRegainable, kCheckNeeded };
struct InstrumentToday {
  MonthIndex currentThrough = 0;
  MonthIndex regainableThrough = 0;
  InstrumentStanding standing = InstrumentStanding::kCheckNeeded;
};
InstrumentToday InstrumentCurrencyToday(const CPilotInfo& pilot, MonthIndex experienceMet,
                                        MonthIndex today);

// The true last day of a month, leap years included: "2/29/2028".
std::string CalendarEndText(MonthIndex index);

}  // namespace aerodex::stats
