#include "stats/currency.h"

#include <algorithm>
#include <cstdint>

#include "model/clock.h"
#include "stats/month_index.h"

namespace aerodex::stats {
namespace {

constexpr std::time_t kNinetyDays = 7776000;

std::int64_t Approaches(const CAerodexEntry& e) {
  // Summed wide: counts read from files may be anything an int holds.
  return std::int64_t{e.ilsApproaches} + e.vorApproaches + e.locApproaches + e.ndbApproaches +
         e.gpsApproaches + e.rnavApproaches + e.loranApproaches + e.radarApproaches;
}

MonthIndex EntryMonth(const CAerodexEntry& e) { return MonthIndexOf(e.year, e.month); }

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
  const MonthIndex exam = MonthIndexOf(pilot.medicalYear, pilot.medicalMonth);
  // The age is the difference of the years alone.
  const std::int64_t age = std::int64_t{local.tm_year} + 1900 - pilot.birthYear;
  lines.medical1 = MedicalLine(3, exam + (age <= 40 ? 36 : 24), today);
  if (pilot.medicalClass < 3) lines.medical2 = MedicalLine(2, exam + 12, today);
  if (pilot.medicalClass == 1) lines.medical3 = MedicalLine(1, exam + 6, today);
}

std::string BfrLine(const CPilotInfo& pilot, MonthIndex today) {
  if (pilot.isStudent) return "Not applicable to student pilots";
  const MonthIndex expiry = MonthIndexOf(pilot.bfrYear, pilot.bfrMonth) + 24;
  return DatedLine(expiry < today ? "Your Biennial Flight Review is overdue as of "
                                  : "Your next Biennial Flight Review is due on ",
                   EndOfMonth(expiry));
}

// What the walk from the newest flight backwards finds: the flight at which
// the night landings reach 3, and the month by which the old IFR rules (six
// hours of instrument time and six approaches) and the new ones (six
// approaches and a holding procedure) were met, 0 when never. One pass for
// all three keeps a large log quick.
struct BackwardScan {
  const CAerodexEntry* thirdNightLanding = nullptr;
  MonthIndex oldRulesMet = 0;
  MonthIndex newRulesMet = 0;
};

BackwardScan ScanBackwards(const CAerodexDoc& doc) {
  BackwardScan found;
  bool oldMet = false, newMet = false;
  std::int64_t landings = 0, approaches = 0, holds = 0;
  double hours = 0.0;
  const auto entries = doc.Entries();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    const CAerodexEntry& e = **it;
    landings += e.nightLandings;
    hours += e.actualInstrument + e.simulatedInstrument;
    approaches += Approaches(e);
    holds += e.holdingProcedures;
    if (!found.thirdNightLanding && landings >= 3) found.thirdNightLanding = &e;
    if (!oldMet && hours >= 6.0 && approaches >= 6) {
      oldMet = true;
      found.oldRulesMet = EntryMonth(e);
    }
    if (!newMet && approaches >= 6 && holds >= 1) {
      newMet = true;
      found.newRulesMet = EntryMonth(e);
    }
    if (found.thirdNightLanding && oldMet && newMet) break;
  }
  return found;
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::string NightLine(const CPilotInfo& pilot, const CAerodexEntry* third, std::time_t now,
                      const std::tm& local) {
  const bool student = pilot.isStudent != 0;
  if (!third) {
    return student ? "Student Pilot: Night solo requirements have never been met"
                   : "You have never been legal to carry passengers at night";
  }
  // The flight's date at today's clock time and daylight-saving flag, so that
  // the 90 days are counted on local calendar dates.
  std::tm flown = local;
  flown.tm_mday = third->day;
  flown.tm_mon = ClampToInt(std::int64_t{third->month} - 1);
  flown.tm_year = ClampToInt(std::int64_t{third->year} - 1900);
  const std::time_t then = FromLocalTime(flown);
  const bool lapsed = then < now - kNinetyDays;
  const char* phrase = student ? (lapsed ? "Student Pilot: Night solo illegal as of "
                                         : "Student Pilot: Night solo legal if CFI endorsed until ")
                               : (lapsed ? "Not legal to carry passengers at night as of "
                                         : "May carry passengers at night until ");
  const std::tm until = ToLocalTime(then + kNinetyDays);
  return DatedLine(phrase, {std::int64_t{until.tm_mon} + 1, until.tm_mday,
                            std::int64_t{until.tm_year} + 1900});
}

std::string IfrLine(MonthIndex expiry, MonthIndex today) {
  // Unlike the medical, the expiry month itself counts as lapsed.
  return DatedLine(expiry > today ? "IFR currency will expire on " : "Not legal to file IFR as of ",
                   EndOfMonth(expiry));
}

void FillIfr(const CPilotInfo& pilot, const BackwardScan& scan, MonthIndex today,
             CCurrencyDlg& lines) {
  if (!pilot.isAirlineTransport && !pilot.isFlightInstructor && !pilot.ratedInstrumentAirplane &&
      !pilot.ratedInstrumentHelicopter) {
    lines.oldIfr = "Not applicable without instrument rating";
    return;
  }
  const MonthIndex check = MonthIndexOf(pilot.iccYear, pilot.iccMonth);
  lines.oldIfr = IfrLine(std::max(check, scan.oldRulesMet) + 6, today);
  lines.newIfr = IfrLine(std::max(check, scan.newRulesMet) + 6, today);
}

}  // namespace

std::optional<CCurrencyDlg> ComputeCurrency(const CAerodexDoc& doc, std::time_t now) {
  if (doc.pilot.birthYear == 0 || doc.selectedEntry == nullptr) return std::nullopt;
  const std::tm local = ToLocalTime(now);
  const MonthIndex today = CurrentMonthIndex(now);
  CCurrencyDlg lines;
  FillMedical(doc.pilot, local, today, lines);
  lines.bfr = BfrLine(doc.pilot, today);
  const BackwardScan scan = ScanBackwards(doc);
  lines.night = NightLine(doc.pilot, scan.thirdNightLanding, now, local);
  FillIfr(doc.pilot, scan, today, lines);
  return lines;
}

}  // namespace aerodex::stats

void OnCheckCurrency(const CAerodexDoc& doc, CInteractionPort& port) {
  const std::optional<CCurrencyDlg> lines = aerodex::stats::ComputeCurrency(doc, doc.Clock().Now());
  if (!lines) {
    port.ShowError(aerodex::stats::kCurrencyNotReady);
    return;
  }
  port.ShowCurrency(*lines);
}
