// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/currency_working.h"

#include <tuple>

#include "model/clock.h"

namespace aerodex::stats {
namespace {

std::string MedicalClassLine(int medicalClass, MonthIndex exam, int months, MonthIndex today) {
  const MonthIndex expiry = exam + months;
  return Format("Class %d: %s + %d months = %s, valid through %s, so %s in %s.", medicalClass,
                IndexText(exam).c_str(), months, IndexText(expiry).c_str(),
                DateText(EndOfMonth(expiry)).c_str(), expiry < today ? "lapsed" : "still valid",
                IndexText(today).c_str());
}

CWorkingSection MedicalWorking(const CPilotInfo& pilot, const std::tm& local, MonthIndex today) {
  CWorkingSection section{"Medical Currency", {}};
  const MonthIndex exam = MedicalExamMonth(pilot);
  const std::int64_t age = AgeByYears(pilot, local);
  section.lines.push_back(
      Format("Medical examination: %s, class %d.", IndexText(exam).c_str(), pilot.medicalClass));
  section.lines.push_back(
      Format("Age by the difference of the years: %lld - %d = %lld (the birth month is not "
             "considered), so a class 3 medical lasts %d months (36 up to 40, 24 after).",
             static_cast<long long>(local.tm_year) + 1900, pilot.birthYear,
             static_cast<long long>(age), ThirdClassMonths(age)));
  section.lines.push_back(MedicalClassLine(3, exam, ThirdClassMonths(age), today));
  if (pilot.medicalClass < 3) section.lines.push_back(MedicalClassLine(2, exam, 12, today));
  if (pilot.medicalClass == 1) section.lines.push_back(MedicalClassLine(1, exam, 6, today));
  if (pilot.medicalClass >= 3) {
    section.lines.push_back("A class 3 medical gives no class 2 or class 1 line.");
  } else if (pilot.medicalClass == 2) {
    section.lines.push_back("A class 2 medical gives no class 1 line.");
  }
  section.lines.push_back("A medical is valid through the last day of its expiry month.");
  return section;
}

CWorkingSection BfrWorking(const CPilotInfo& pilot, MonthIndex today) {
  CWorkingSection section{"BFR Currency", {}};
  if (pilot.isStudent) {
    section.lines.push_back("Student pilots need no flight review.");
    return section;
  }
  const MonthIndex expiry = BfrExpiry(pilot);
  section.lines.push_back(Format(
      "Flight review: %s + 24 months = %s, due on %s, so %s in %s.", IndexText(expiry - 24).c_str(),
      IndexText(expiry).c_str(), DateText(EndOfMonth(expiry)).c_str(),
      expiry < today ? "overdue" : "still current", IndexText(today).c_str()));
  return section;
}

// The flights, newest first down to the one at which a rule was met, that
// added to its sums, each with its own figures and the running sums.
void ListIfrFlights(const CAerodexDoc& doc, long metAt, bool countHours,
                    std::vector<std::string>& lines) {
  double hours = 0.0;
  std::int64_t approaches = 0, holds = 0;
  for (long i = static_cast<long>(doc.EntryCount()) - 1; i >= metAt; --i) {
    const CAerodexEntry& e = doc.Entry(static_cast<std::size_t>(i));
    const double ownHours = e.actualInstrument + e.simulatedInstrument;
    hours += ownHours;
    approaches += Approaches(e);
    holds += e.holdingProcedures;
    if (countHours && (ownHours != 0 || Approaches(e) != 0)) {
      lines.push_back(Format("  %s: %.1f h, %s (so far %.1f h, %s)", FlightLabel(e).c_str(),
                             ownHours, Counted(Approaches(e), "approach", "approaches").c_str(),
                             hours, Counted(approaches, "approach", "approaches").c_str()));
    } else if (!countHours && (Approaches(e) != 0 || e.holdingProcedures != 0)) {
      lines.push_back(Format("  %s: %s, %s (so far %s, %s)", FlightLabel(e).c_str(),
                             Counted(Approaches(e), "approach", "approaches").c_str(),
                             Counted(e.holdingProcedures, "hold", "holds").c_str(),
                             Counted(approaches, "approach", "approaches").c_str(),
                             Counted(holds, "hold", "holds").c_str()));
    }
  }
}

void IfrExpiryLines(const CAerodexDoc& doc, MonthIndex rulesMet, MonthIndex today,
                    std::vector<std::string>& lines) {
  const CPilotInfo& pilot = doc.pilot;
  const MonthIndex check = MonthIndexOf(pilot.iccYear, pilot.iccMonth);
  lines.push_back(check == 0 ? std::string("No instrument competency check recorded: C = 0.")
                             : "Instrument competency check: C = " + IndexText(check) + ".");
  const MonthIndex expiry = IfrExpiry(pilot, rulesMet);
  lines.push_back(Format("max(C, Q) + 6 = %s + 6 = %s, ending %s.", IndexText(expiry - 6).c_str(),
                         IndexText(expiry).c_str(), DateText(EndOfMonth(expiry)).c_str()));
  const bool current = expiry > today;
  lines.push_back(
      Format("Test: %s is %s %s, the month of the date, so %s (the expiry month "
             "itself counts as lapsed).",
             IndexText(expiry).c_str(), current ? "after" : "not after", IndexText(today).c_str(),
             current ? ("current until " + DateText(EndOfMonth(expiry))).c_str()
                     : "not legal to file IFR"));
}

CWorkingSection IfrWorking(const CAerodexDoc& doc, const BackwardScan& scan, MonthIndex today,
                           bool oldRules) {
  CWorkingSection section{
      oldRules ? "IFR Currency (Pre-Aug. 4, 1997 Rules)" : "IFR Currency (Post-Aug. 4, 1997 Rules)",
      {}};
  auto& lines = section.lines;
  if (!HasInstrumentPrivileges(doc.pilot)) {
    lines.push_back(
        "None of airline transport pilot, flight instructor, instrument rating "
        "(airplane) or instrument rating (helicopter) is recorded: the IFR lines do "
        "not apply.");
    return section;
  }
  lines.push_back(oldRules ? "Rule: 6 hours of actual or simulated instrument time and 6 "
                             "approaches, counted back from the newest flight."
                           : "Rule: 6 approaches and 1 holding procedure, counted back from the "
                             "newest flight; hours play no part, and the log records no course "
                             "tracking.");
  const long metAt = oldRules ? scan.oldRulesMet : scan.newRulesMet;
  if (metAt >= 0) {
    lines.push_back("Flights, newest first, until the rule was met:");
    ListIfrFlights(doc, metAt, oldRules, lines);
    const CAerodexEntry& met = doc.Entry(static_cast<std::size_t>(metAt));
    lines.push_back("Met with the flight of " + FlightLabel(met) +
                    ": Q = " + IndexText(EntryMonth(met)) + ".");
  } else if (oldRules) {
    lines.push_back(Format("Never met: the whole log holds %.1f hours and %s, so Q = 0.",
                           scan.instrumentHours,
                           Counted(scan.approaches, "approach", "approaches").c_str()));
  } else {
    lines.push_back(Format("Never met: the whole log holds %s and %s, so Q = 0.",
                           Counted(scan.approaches, "approach", "approaches").c_str(),
                           Counted(scan.holds, "hold", "holds").c_str()));
  }
  IfrExpiryLines(doc, MetMonth(doc, metAt), today, lines);
  return section;
}

// A report as of a past day still counts every flight, as the seven lines
// do; the pilot should know when some of them lie after that day.
void NoteLaterFlights(const CAerodexDoc& doc, const std::tm& local,
                      std::vector<CWorkingSection>& sections) {
  long long later = 0;
  for (long i = static_cast<long>(doc.EntryCount()) - 1; i >= 0; --i) {
    const CAerodexEntry& e = doc.Entry(static_cast<std::size_t>(i));
    const bool after = std::tie(e.year, e.month, e.day) >
                       std::make_tuple(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (!after) break;  // the entries are in date order
    ++later;
  }
  if (later == 0) return;
  sections.push_back({"Flights After This Date",
                      {Format("%s in the log %s dated after %d/%d/%d; the check counts %s, as it "
                              "counts every flight of the log.",
                              Counted(later, "flight", "flights").c_str(),
                              later == 1 ? "is" : "are", local.tm_mon + 1, local.tm_mday,
                              local.tm_year + 1900, later == 1 ? "it" : "them")}});
}

}  // namespace

std::string IndexText(MonthIndex index) { return index == 0 ? "0" : MonthText(index); }

std::string Counted(long long count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string FlightLabel(const CAerodexEntry& e) {
  return Format("%d/%d/%d N%s", e.month, e.day, e.year, e.nNumber.c_str());
}

std::vector<CWorkingSection> CurrencyWorking(const CAerodexDoc& doc, const BackwardScan& scan,
                                             std::time_t now) {
  const std::tm local = ToLocalTime(now);
  const MonthIndex today = CurrentMonthIndex(now);
  std::vector<CWorkingSection> sections;
  NoteLaterFlights(doc, local, sections);
  sections.push_back(MedicalWorking(doc.pilot, local, today));
  sections.push_back(BfrWorking(doc.pilot, today));
  sections.push_back(IfrWorking(doc, scan, today, true));
  sections.push_back(IfrWorking(doc, scan, today, false));
  sections.push_back(NightWorking(doc, now));
  sections.push_back(DayPassengerWorking(doc, now));
  sections.push_back(TodaysRulesWorking(doc, scan, now));
  return sections;
}

std::string FormatWorking(const std::vector<CWorkingSection>& sections) {
  std::string text;
  for (const CWorkingSection& section : sections) {
    if (!text.empty()) text += '\n';
    text += section.heading + '\n';
    for (const std::string& line : section.lines) text += "  " + line + '\n';
  }
  return text;
}

}  // namespace aerodex::stats
