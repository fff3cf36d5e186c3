// CInteractionPort: every conversation the document's commands hold with the
// user. Each Show... call runs one modal form on its form data and says
// whether it ended with OK; the form's own field checks have passed by then.
// The Qt dialogs implement it in app/, a scripted fake plays a user in tests,
// and aerodex-cli answers without asking anyone.
#pragma once

#include <array>
#include <string>

#include "model/prompt_port.h"

class CEntryDlg;
class CAircraftDlg;
class CNNumberDlg;
class CSelectAircraftDlg;
class CPilotInfoDlg;

// The seven lines of the currency check, top to bottom.
struct CCurrencyDlg {
  std::string medical1, medical2, medical3, bfr, oldIfr, newIfr, night;
};

// One monitored aircraft's maintenance report.
struct CAircraftStatsDlg {
  std::string nNumber, oilChange, annual, tboHours, tboMonths;
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
  // The file-open dialog preset to "*.aerodex"; false when cancelled.
  virtual bool ChooseImportFile(std::string& path) = 0;
};
