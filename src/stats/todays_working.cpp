// SPDX-License-Identifier: GPL-3.0-or-later
// The last section of the currency working: the same questions answered by
// the rules in force today, each beside the line above it that answers them
// by the older rules the lines keep.
#include <algorithm>

#include "model/clock.h"
#include "stats/currency_working.h"
#include "stats/todays_rules.h"

namespace aerodex::stats {
namespace {

// The day asked about, as text and as a month index.
struct AskedDay {
  std::string text;
  MonthIndex month = 0;
};

// One sentence: agreement, or the date the line above gives and why.
std::string Beside(MonthIndex mine, MonthIndex line, const std::string& why) {
  if (mine == line) return "Agrees with the line above.";
  return "Differs from the line above, which gives " + DateText(EndOfMonth(line)) + why + ".";
}

std::string AgeText(const CPilotInfo& pilot, const AgeAtExam& age) {
  if (!age.birthMonthKnown) {
    return Format("born in %d, the month not recorded, so %lld or %lld at the examination%s",
                  pilot.birthYear, static_cast<long long>(age.low),
                  static_cast<long long>(age.high),
                  age.low < 40 && age.high >= 40 ? "; the dates are those of the older age" : "");
  }
  return Format("born %d/%d, so %lld at the examination%s: %s", pilot.birthMonth, pilot.birthYear,
                static_cast<long long>(age.high),
                pilot.birthMonth == pilot.medicalMonth
                    ? " (the birth month itself: the older age, as the day is not recorded)"
                    : "",
                age.high < 40 ? "under 40" : "40 or over");
}

std::string PrivilegeLine(const CPilotInfo& pilot, TodaysRule privileges, const AgeAtExam& age,
                          std::int64_t ageByYears, const AskedDay& day) {
  const int medicalClass = PrivilegeClass(privileges);
  const MonthIndex exam = MedicalExamMonth(pilot);
  // The older age never gives the longer period: it is the safe answer.
  const int months = MedicalMonths(privileges, age.high);
  const MonthIndex expiry = exam + months;
  std::string line = Format(
      "  Class %d privileges (%s): through %s, %d calendar months after the examination month; "
      "%s on %s.",
      medicalClass, RuleOfToday(privileges).covers, CalendarEndText(expiry).c_str(), months,
      expiry < day.month ? "lapsed" : "valid", day.text.c_str());
  const int younger = MedicalMonths(privileges, age.low);
  if (younger != months) {
    line += " If under 40 at the examination: through " + CalendarEndText(exam + younger) + ".";
  }
  const int lineMonths = MedicalLineMonths(medicalClass, ageByYears);
  return line + " " +
         Beside(expiry, exam + lineMonths,
                Format(" from %d months%s", lineMonths,
                       medicalClass == 3 ? " and the age by the years alone" : ""));
}

void MedicalItem(const CPilotInfo& pilot, const std::tm& local, const AskedDay& day,
                 std::vector<std::string>& lines) {
  const char* source = RuleOfToday(TodaysRule::kClass3Privileges).source;
  if (!HasMedicalDate(pilot)) {
    lines.push_back(
        Format("Medical (%s): no examination month and year recorded, so no date.", source));
    return;
  }
  const AgeAtExam age = AgeAtExamination(pilot);
  lines.push_back(Format("Medical (%s): class %d, examined %s; %s.", source, pilot.medicalClass,
                         MonthText(MedicalExamMonth(pilot)).c_str(), AgeText(pilot, age).c_str()));
  if (pilot.medicalClass < 1 || pilot.medicalClass > 3) {
    lines.push_back("  A class other than 1, 2 or 3 is read as class 3.");
  }
  const std::int64_t ageByYears = AgeByYears(pilot, local);
  for (int nth = MedicalPrivilegeCount(pilot.medicalClass) - 1; nth >= 0; --nth) {
    lines.push_back(
        PrivilegeLine(pilot, MedicalPrivileges(pilot.medicalClass, nth), age, ageByYears, day));
  }
}

void ReviewItem(const CPilotInfo& pilot, const AskedDay& day, std::vector<std::string>& lines) {
  const TodaysRuleRow& rule = RuleOfToday(TodaysRule::kFlightReview);
  if (pilot.isStudent) {
    lines.push_back(
        Format("Flight review (%s): not needed by a student pilot flying solo on an "
               "instructor's endorsement. Agrees with the line above.",
               rule.source));
    return;
  }
  if (pilot.bfrYear == 0) {
    lines.push_back(Format("Flight review (%s): none recorded, so not current.", rule.source));
    return;
  }
  const MonthIndex reviewed = MonthIndexOf(pilot.bfrYear, pilot.bfrMonth);
  const MonthIndex due = reviewed + rule.monthsUnder40;
  lines.push_back(Format(
      "Flight review (%s): reviewed %s, so current through %s, %d calendar months after; %s on "
      "%s. %s",
      rule.source, MonthText(reviewed).c_str(), CalendarEndText(due).c_str(), rule.monthsUnder40,
      due < day.month ? "overdue" : "current", day.text.c_str(),
      Beside(due, BfrExpiry(pilot), "").c_str()));
  lines.push_back(
      "  A pilot proficiency check, a new certificate or rating, or a WINGS phase also renews "
      "it; the log does not record them.");
}

std::string ExperienceText(const CAerodexDoc& doc, long metAt) {
  const MonthIndex check = MonthIndexOf(doc.pilot.iccYear, doc.pilot.iccMonth);
  std::string met = "  Counted back from the newest flight, 6 approaches and a holding procedure ";
  if (metAt < 0) {
    met += "are never reached";
  } else {
    const CAerodexEntry& flight = doc.Entry(static_cast<std::size_t>(metAt));
    met += "are reached with the flight of " + FlightLabel(flight) + " (" +
           MonthText(EntryMonth(flight)) + ")";
  }
  return met + "; " +
         (check == 0 ? std::string("no proficiency check is recorded")
                     : "the last proficiency check was in " + MonthText(check)) +
         ".";
}

std::string StandingText(const InstrumentToday& standing, const AskedDay& day) {
  switch (standing.standing) {
    case InstrumentStanding::kCurrent:
      return "  On " + day.text + ": current for IFR.";
    case InstrumentStanding::kRegainable:
      return "  On " + day.text +
             ": not current for IFR, but still regainable with a safety pilot.";
    case InstrumentStanding::kCheckNeeded:
      break;
  }
  return "  On " + day.text + ": not current for IFR; an instrument proficiency check is needed.";
}

void InstrumentItem(const CAerodexDoc& doc, const BackwardScan& scan, const AskedDay& day,
                    std::vector<std::string>& lines) {
  const TodaysRuleRow& rule = RuleOfToday(TodaysRule::kInstrumentExperience);
  const TodaysRuleRow& check = RuleOfToday(TodaysRule::kInstrumentProficiencyCheck);
  if (!HasInstrumentPrivileges(doc.pilot)) {
    lines.push_back(
        Format("Instrument (%s): no instrument privileges recorded, so it does not "
               "apply. Agrees with the line above.",
               rule.source));
    return;
  }
  lines.push_back(Format(
      "Instrument (%s, %s): %s within the %d calendar months before the month of the flight; "
      "the log records no course tracking, so it is taken as flown with the approaches.",
      rule.source, check.source, rule.covers, rule.monthsUnder40));
  lines.push_back(ExperienceText(doc, scan.newRulesMet));
  const MonthIndex met = MetMonth(doc, scan.newRulesMet);
  const InstrumentToday standing = InstrumentCurrencyToday(doc.pilot, met, day.month);
  if (std::max(met, MonthIndexOf(doc.pilot.iccYear, doc.pilot.iccMonth)) == 0) {
    lines.push_back("  So no date: an instrument proficiency check is needed.");
    lines.push_back("  Agrees with the post-1997 line above.");
    return;
  }
  lines.push_back(Format(
      "  Current through %s; after that, through %s, it may be regained by flying the experience "
      "again, under a view-limiting device with a safety pilot or in an approved training "
      "device; later only an instrument proficiency check restores it.",
      CalendarEndText(standing.currentThrough).c_str(),
      CalendarEndText(standing.regainableThrough).c_str()));
  lines.push_back(StandingText(standing, day));
  lines.push_back(standing.currentThrough == day.month
                      ? "  Differs from the post-1997 line above, which counts " +
                            MonthText(day.month) + " itself as lapsed."
                      : std::string("  Agrees with the post-1997 line above."));
}

void NightItem(const CAerodexDoc& doc, const BackwardScan& scan, std::time_t now,
               const AskedDay& day, std::vector<std::string>& lines) {
  if (doc.pilot.isStudent) {
    lines.push_back(Format(
        "Night passengers (%s): a student pilot may carry no passengers, and night solo rests on "
        "an instructor's endorsement, which the log does not record. Differs from the line "
        "above, which counts night landings instead.",
        RuleOfToday(TodaysRule::kStudentPassengers).source));
    return;
  }
  const TodaysRuleRow& rule = RuleOfToday(TodaysRule::kNightPassengers);
  lines.push_back(Format(
      "Night passengers (%s), an estimate: within the preceding %d days, %s. The log records "
      "neither take-offs, full stops nor category and class, so each night landing stands in "
      "for a full-stop landing and its take-off.",
      rule.source, rule.days, rule.covers));
  if (scan.thirdNightLanding < 0) {
    lines.push_back(
        "  Fewer than 3 night landings in the log: no date. Agrees with the line above.");
    return;
  }
  const CAerodexEntry& third = doc.Entry(static_cast<std::size_t>(scan.thirdNightLanding));
  const NinetyDays days = NinetyDaysFrom(third, now, ToLocalTime(now));
  lines.push_back(
      Format("  The third night landing was made on %d/%d/%d: legal through %s; %s on "
             "%s. Agrees with the line above.",
             third.month, third.day, third.year, DateText(days.until).c_str(),
             days.lapsed ? "not legal" : "legal", day.text.c_str()));
}

}  // namespace

CWorkingSection TodaysRulesWorking(const CAerodexDoc& doc, const BackwardScan& scan,
                                   std::time_t now) {
  const std::tm local = ToLocalTime(now);
  const AskedDay day{Format("%d/%d/%d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900),
                     CurrentMonthIndex(now)};
  CWorkingSection section{"Under the rules in force today", {}};
  auto& lines = section.lines;
  lines.push_back(Format("The rules of 14 CFR part 61 as last checked on %d/%d/%d, applied to %s.",
                         kTodaysRulesChecked.month, kTodaysRulesChecked.day,
                         kTodaysRulesChecked.year, day.text.c_str()));
  MedicalItem(doc.pilot, local, day, lines);
  ReviewItem(doc.pilot, day, lines);
  InstrumentItem(doc, scan, day, lines);
  NightItem(doc, scan, now, day, lines);
  return section;
}

}  // namespace aerodex::stats
