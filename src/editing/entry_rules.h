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

// The rules from the tachometer check to the day/night hours check, in order.
std::optional<std::string> CheckFlightRules(const CAerodexEntry& entry, CEntryDlg& form,
                                            CEntryRunFlags& flags);

// The landing notices, given the aircraft that the flight names.
std::optional<std::string> CheckLandingRules(const CAerodexEntry& entry, const CAirplane& airplane,
                                             CEntryDlg& form, CEntryRunFlags& flags);

// Tachometer readings pass when both are 0 or when they advance by at least
// one tenth, compared in tenths so that 100.0 to 100.1 passes.
bool TachometerReadingsPass(double startTach, double endTach);
