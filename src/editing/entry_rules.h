// SPDX-License-Identifier: GPL-3.0-or-later
// The plausibility rules of a submitted flight that need no aircraft, and
// the two landing notices that do. Each rule that fails gives the message to
// show and may put an assumed value into the form, as the entry form's run
// then shows it again. Kept apart from the commands so that they read as the
// list they are.
#pragma once

#include <optional>
#include <string>

class CAerodexEntry;
class CAirplane;
class CEntryDlg;

// The three notices that appear at most once per run of the entry form.
struct CEntryRunFlags {
  bool crossCountryAssumed = false;
  bool landingWarningShown = false;
  bool nightLandingWarningShown = false;
};

// Each plausibility rule as a test of a stored flight: true when the flight
// breaks it. The form applies them in its order and stops at the first; the
// log check applies every one of them to every flight.
bool BreaksTachometerRule(const CAerodexEntry& entry);
bool HasApproachesWithoutInstrumentTime(const CAerodexEntry& entry);
bool InstrumentTimeExceedsTotal(const CAerodexEntry& entry);
bool LacksPicAndDual(const CAerodexEntry& entry);
bool LacksDeparture(const CAerodexEntry& entry);
bool LacksArrival(const CAerodexEntry& entry);
bool LacksDescription(const CAerodexEntry& entry);
bool LacksHours(const CAerodexEntry& entry);
// A simulator session needs no landing.
bool LacksLanding(const CAerodexEntry& entry, const CAirplane& airplane);
bool NightWithoutNightLanding(const CAerodexEntry& entry);

// Hours are typed in decimals that binary doubles hold only nearly: 0.2 plus
// 0.1 computes a hair above 0.3. A sum is "greater" than a limit only when it
// exceeds it by more than a tolerance far below a tenth.
bool HoursExceed(double hours, double limit);

// The rules from the tachometer check to the day/night hours check, in order.
std::optional<std::string> CheckFlightRules(const CAerodexEntry& entry, CEntryDlg& form,
                                            CEntryRunFlags& flags);

// The landing notices, given the aircraft that the flight names.
std::optional<std::string> CheckLandingRules(const CAerodexEntry& entry, const CAirplane& airplane,
                                             CEntryDlg& form, CEntryRunFlags& flags);

// Tachometer readings pass when both are 0 or when they advance by at least
// one tenth, compared in tenths so that 100.0 to 100.1 passes.
bool TachometerReadingsPass(double startTach, double endTach);
