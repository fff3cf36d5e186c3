// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_rules.h"

#include <cmath>

#include "editing/entry_form.h"
#include "editing/field_checks.h"
#include "model/airplane.h"
#include "model/entry.h"

namespace {

constexpr double kHoursTolerance = 1e-9;

double InstrumentHours(const CAerodexEntry& e) {
  return e.simulatedInstrument + e.actualInstrument;
}

std::optional<std::string> CheckReadingsAndInstrumentTime(const CAerodexEntry& e) {
  if (BreaksTachometerRule(e)) return "Tachometer Readings not updated";
  if (HasApproachesWithoutInstrumentTime(e)) {
    return "Approaches logged without any actual or simulated IMC";
  }
  if (InstrumentTimeExceedsTotal(e)) {
    return "Simulated and actual IMC hours exceed total hours flown!";
  }
  return std::nullopt;
}

std::optional<std::string> AssumeMissingHours(const CAerodexEntry& e, CEntryDlg& form,
                                              CEntryRunFlags& flags) {
  const double total = e.TotalHours();
  if (LacksPicAndDual(e)) {
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
  if (LacksDeparture(e)) return "No departure airport ID entered!";
  if (LacksArrival(e)) return "No arrival airport ID entered!";
  if (LacksDescription(e)) return "No flight description entered!";
  if (LacksHours(e)) return "You must enter day/night hours";
  return std::nullopt;
}

}  // namespace

bool HoursExceed(double hours, double limit) { return hours > limit + kHoursTolerance; }

bool BreaksTachometerRule(const CAerodexEntry& e) {
  return !TachometerReadingsPass(e.startTach, e.endTach);
}

bool HasApproachesWithoutInstrumentTime(const CAerodexEntry& e) {
  return e.ApproachCount() > 0 && InstrumentHours(e) < 0.1;
}

bool InstrumentTimeExceedsTotal(const CAerodexEntry& e) {
  return HoursExceed(InstrumentHours(e), e.TotalHours());
}

bool LacksPicAndDual(const CAerodexEntry& e) { return e.picHours + e.dualHours < 0.01; }
bool LacksDeparture(const CAerodexEntry& e) { return e.departure.empty(); }
bool LacksArrival(const CAerodexEntry& e) { return e.arrival.empty(); }
bool LacksDescription(const CAerodexEntry& e) { return e.remarks.empty(); }
bool LacksHours(const CAerodexEntry& e) { return e.TotalHours() < 0.01; }

bool LacksLanding(const CAerodexEntry& e, const CAirplane& airplane) {
  return static_cast<long long>(e.dayLandings) + e.nightLandings == 0 && !airplane.isSimulator;
}

bool NightWithoutNightLanding(const CAerodexEntry& e) {
  return e.nightHours > 0.1 && e.nightLandings == 0;
}

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
  if (LacksLanding(entry, airplane) && !flags.landingWarningShown) {
    flags.landingWarningShown = true;
    return "Flight without landing?";
  }
  if (NightWithoutNightLanding(entry) && !flags.nightLandingWarningShown) {
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
