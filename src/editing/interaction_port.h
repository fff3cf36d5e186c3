// SPDX-License-Identifier: GPL-3.0-or-later
// CInteractionPort: every conversation the document's commands hold with the
// user. Each Show... call runs one modal form on its form data and says
// whether it ended with OK; the form's own field checks have passed by then.
// The Qt dialogs implement it in app/, a scripted fake plays a user in tests,
// and aerodex-cli answers without asking anyone.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/clock.h"
#include "model/prompt_port.h"

class CEntryDlg;
class CAircraftDlg;
class CNNumberDlg;
class CSelectAircraftDlg;
class CPilotInfoDlg;

// One part of a report's working: a heading and its lines. A line that
// begins with two blanks belongs to a list under the line before it.
struct CWorkingSection {
  std::string heading;
  std::vector<std::string> lines;
};

// The seven lines of the currency check, top to bottom; then the day they
// were computed for and the working behind them, part by part.
struct CCurrencyDlg {
  std::string medical1, medical2, medical3, bfr, oldIfr, newIfr, night;
  aerodex::LocalDate asOf;
  std::vector<CWorkingSection> working;
};

// The currency report recomputed for another day (the form's "As of" date).
using CCurrencyAsOf = std::function<CCurrencyDlg(const aerodex::LocalDate& day)>;

// One monitored aircraft's maintenance report: the N-Number and four lines,
// then the months the annual and TBO fall due, where the current tachometer
// reading comes from, and the breaks in the tachometer's continuity.
struct CAircraftStatsDlg {
  std::string nNumber, oilChange, annual, tboHours, tboMonths;
  std::string annualDue, tboDue, currentTach;
  std::vector<std::string> tachContinuity;
};

// One thing the log check questions about a flight, and the whole list.
struct CLogFinding {
  std::size_t entryIndex = 0;  // the flight, in log order
  std::string text;            // the line shown: date, flight number, aircraft, finding
};
struct CLogCheckDlg {
  std::size_t flightsChecked = 0;
  std::vector<CLogFinding> findings;
};
// What the log check's list may ask for while it stays open beside the log.
struct CLogCheckActions {
  // Selects the flight at an entry index and scrolls the log to it.
  std::function<void(std::size_t)> showFlight;
  // The findings of the log as it now is, or nothing when it has not
  // changed since the list was last filled.
  std::function<std::optional<CLogCheckDlg>()> recheck;
};

class CInteractionPort : public CPromptPort {
 public:
  virtual bool ShowEntryForm(CEntryDlg& form) = 0;
  virtual bool ShowAircraftForm(CAircraftDlg& form) = 0;
  virtual bool ShowNNumberPrompt(CNNumberDlg& form) = 0;
  virtual bool ShowAircraftList(CSelectAircraftDlg& form) = 0;
  virtual bool ShowPilotForm(CPilotInfoDlg& form) = 0;
  virtual void ShowCurrency(const CCurrencyDlg& report) = 0;
  virtual void ShowAircraftStatus(const CAircraftStatsDlg& report) = 0;
  // The currency form with its "As of" date, which recompute answers for.
  // A port without a date to change shows the lines as they are.
  virtual void ShowCurrencyCheck(const CCurrencyDlg& report, const CCurrencyAsOf& recompute) {
    (void)recompute;
    ShowCurrency(report);
  }
  // The findings of the log check as a list; picking one calls showFlight
  // with its entry index. The list may stay open while the log is edited and
  // fill itself again from recheck. A port without a list (aerodex-cli
  // prints the findings itself) has nothing to show.
  virtual void ShowLogCheck(const CLogCheckDlg& report, const CLogCheckActions& actions) {
    (void)report;
    (void)actions;
  }
  // The report of an import, as UTF-8 text, shown after the import's own
  // messages. A port without a window for it (aerodex-cli prints the report
  // itself) has nothing to show.
  virtual void ShowImportReport(const std::string& report) { (void)report; }
  // The file-open dialog preset to "*.aerodex"; false when cancelled.
  virtual bool ChooseImportFile(std::string& path) = 0;
};
