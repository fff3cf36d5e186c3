// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/currency.h"

#include "model/clock.h"
#include "stats/currency_rules.h"
#include "stats/currency_working.h"
#include "stats/month_index.h"

namespace aerodex::stats {
namespace {

// The line of one medical class: valid through the last day of its expiry month.
std::string MedicalLine(int medicalClass, MonthIndex expiry, MonthIndex today) {
  const bool lapsed = expiry < today;
  const std::string phrase =
      Format("You may %sperform operations requiring a Class %d Medical Certificate %s",
             lapsed ? "NOT " : "", medicalClass, lapsed ? "since " : "until ");
  return DatedLine(phrase.c_str(), EndOfMonth(expiry));
}

void FillMedical(const CPilotInfo& pilot, const std::tm& local, MonthIndex today,
                 CCurrencyDlg& lines) {
  const MonthIndex exam = MedicalExamMonth(pilot);
  const std::int64_t age = AgeByYears(pilot, local);
  lines.medical1 = MedicalLine(3, exam + MedicalLineMonths(3, age), today);
  if (pilot.medicalClass < 3)
    lines.medical2 = MedicalLine(2, exam + MedicalLineMonths(2, age), today);
  if (pilot.medicalClass == 1)
    lines.medical3 = MedicalLine(1, exam + MedicalLineMonths(1, age), today);
}

std::string BfrLine(const CPilotInfo& pilot, MonthIndex today) {
  if (pilot.isStudent) return "Not applicable to student pilots";
  const MonthIndex expiry = BfrExpiry(pilot);
  return DatedLine(expiry < today ? "Your Biennial Flight Review is overdue as of "
                                  : "Your next Biennial Flight Review is due on ",
                   EndOfMonth(expiry));
}

std::string NightLine(const CAerodexDoc& doc, long third, std::time_t now, const std::tm& local) {
  const bool student = doc.pilot.isStudent != 0;
  if (third < 0) {
    return student ? "Student Pilot: Night solo requirements have never been met"
                   : "You have never been legal to carry passengers at night";
  }
  const NinetyDays days = NinetyDaysFrom(doc.Entry(static_cast<std::size_t>(third)), now, local);
  const char* phrase =
      student ? (days.lapsed ? "Student Pilot: Night solo illegal as of "
                             : "Student Pilot: Night solo legal if CFI endorsed until ")
              : (days.lapsed ? "Not legal to carry passengers at night as of "
                             : "May carry passengers at night until ");
  return DatedLine(phrase, days.until);
}

std::string IfrLine(MonthIndex expiry, MonthIndex today) {
  // Unlike the medical, the expiry month itself counts as lapsed.
  return DatedLine(expiry > today ? "IFR currency will expire on " : "Not legal to file IFR as of ",
                   EndOfMonth(expiry));
}

void FillIfr(const CAerodexDoc& doc, const BackwardScan& scan, MonthIndex today,
             CCurrencyDlg& lines) {
  if (!HasInstrumentPrivileges(doc.pilot)) {
    lines.oldIfr = "Not applicable without instrument rating";
    return;
  }
  lines.oldIfr = IfrLine(IfrExpiry(doc.pilot, MetMonth(doc, scan.oldRulesMet)), today);
  lines.newIfr = IfrLine(IfrExpiry(doc.pilot, MetMonth(doc, scan.newRulesMet)), today);
}

}  // namespace

std::optional<CCurrencyDlg> ComputeCurrency(const CAerodexDoc& doc, std::time_t now) {
  // What the refusal says: no pilot record, or no flights. The selection
  // plays no part; it is empty right after Delete Entry.
  if (doc.pilot.birthYear == 0 || doc.EntryCount() == 0) return std::nullopt;
  const std::tm local = ToLocalTime(now);
  const MonthIndex today = CurrentMonthIndex(now);
  CCurrencyDlg lines;
  FillMedical(doc.pilot, local, today, lines);
  lines.bfr = BfrLine(doc.pilot, today);
  const BackwardScan scan = ScanBackwards(doc);
  lines.night = NightLine(doc, scan.thirdNightLanding, now, local);
  FillIfr(doc, scan, today, lines);
  lines.asOf = {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
  lines.working = CurrencyWorking(doc, scan, now);
  return lines;
}

CCurrencyDlg CurrencyAsOf(const CAerodexDoc& doc, const LocalDate& day) {
  const FixedClock clock(LocalNoon(day));
  return ComputeCurrency(doc, clock.Now()).value_or(CCurrencyDlg{});
}

}  // namespace aerodex::stats

void OnCheckCurrency(const CAerodexDoc& doc, CInteractionPort& port) {
  const std::optional<CCurrencyDlg> lines = aerodex::stats::ComputeCurrency(doc, doc.Clock().Now());
  if (!lines) {
    port.ShowError(aerodex::stats::kCurrencyNotReady);
    return;
  }
  // The form is modal: the document stays as it is while it recomputes.
  port.ShowCurrencyCheck(*lines, [&doc](const aerodex::LocalDate& day) {
    return aerodex::stats::CurrencyAsOf(doc, day);
  });
}
