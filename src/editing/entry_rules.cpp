#include "editing/entry_rules.h"

#include <cmath>

#include "editing/entry_form.h"
#include "editing/field_checks.h"
#include "model/airplane.h"
#include "model/entry.h"

namespace {

// Hours are typed in decimals that binary doubles hold only nearly: 0.2 plus
// 0.1 computes a hair above 0.3. A sum is "greater" than a limit only when
// it exceeds it by more than this.
constexpr double kHoursTolerance = 1e-9;

bool HoursExceed(double hours, double limit) { return hours > limit + kHoursTolerance; }

double InstrumentHours(const CAerodexEntry& e) {
  return e.simulatedInstrument + e.actualInstrument;
}

std::optional<std::string> CheckReadingsAndInstrumentTime(const CAerodexEntry& e) {
  if (!TachometerReadingsPass(e.startTach, e.endTach)) return "Tachometer Readings not updated";
  if (e.ApproachCount() > 0 && InstrumentHours(e) < 0.1) {
    return "Approaches logged without any actual or simulated IMC";
  }
  if (HoursExceed(InstrumentHours(e), e.TotalHours())) {
    return "Simulated and actual IMC hours exceed total hours flown!";
  }
  return std::nullopt;
}

std::optional<std::string> AssumeMissingHours(const CAerodexEntry& e, CEntryDlg& form,
                                              CEntryRunFlags& flags) {
  const double total = e.TotalHours();
  if (e.picHours + e.dualHours < 0.01) {
    form.picHours = total;
    return "No hours for PIC/Dual. Assuming " + aerodex::FormatFixed(total, 1) + " hours";
  }
  if (HoursExceed(total, 2.0) && !flags.crossCountryAssumed &&
      e.dayCrossCountry + e.nightCrossCountry == 0 && e.dualHours == 0) {
    flags.crossCountryAssumed = true;
    form.dayCrossCountry = e.dayHours;
    form.nightCrossCountry = e.nightHours;
    return "You forgot to enter cross country hours. Assuming entire flight cross country ?";
  }
  return std::nullopt;
}

std::optional<std::string> CheckRequiredFields(const CAerodexEntry& e) {
  if (e.departure.empty()) return "No departure airport ID entered!";
  if (e.arrival.empty()) return "No arrival airport ID entered!";
  if (e.remarks.empty()) return "No flight description entered!";
  if (e.TotalHours() < 0.01) return "You must enter day/night hours";
  return std::nullopt;
}

}  // namespace

bool TachometerReadingsPass(double startTach, double endTach) {
  if (startTach == 0 && endTach == 0) return true;
  return std::round((endTach - startTach) * 10.0) >= 1.0;
}

std::optional<std::string> CheckFlightRules(const CAerodexEntry& entry, CEntryDlg& form,
                                            CEntryRunFlags& flags) {
  if (auto message = CheckReadingsAndInstrumentTime(entry)) return message;
  if (auto message = AssumeMissingHours(entry, form, flags)) return message;
  return CheckRequiredFields(entry);
}

std::optional<std::string> CheckLandingRules(const CAerodexEntry& entry, const CAirplane& airplane,
                                             CEntryDlg& form, CEntryRunFlags& flags) {
  if (static_cast<long long>(entry.dayLandings) + entry.nightLandings == 0 &&
      !airplane.isSimulator && !flags.landingWarningShown) {
    flags.landingWarningShown = true;
    return "Flight without landing?";
  }
  if (entry.nightHours > 0.1 && entry.nightLandings == 0 && !flags.nightLandingWarningShown) {
    flags.nightLandingWarningShown = true;
    // One of the day landings is taken to be the night landing. With no day
    // landing to move the counts stay as they are: a count never goes below
    // zero, and no landing is invented for a flight logged without one.
    if (form.dayLandings > 0) {
      --form.dayLandings;
      ++form.nightLandings;
    }
    return "Night flight without night landing?";
  }
  return std::nullopt;
}
