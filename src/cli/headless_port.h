// CHeadlessPort: the interaction port of aerodex-cli, which has no one to
// ask. Messages and questions are written to standard error (as UTF-8);
// every question and every form is answered with Cancel, so a command that
// would create or change records on the user's word changes nothing.
#pragma once

#include <string>

#include "editing/interaction_port.h"

namespace aerodex::cli {

class CHeadlessPort final : public CInteractionPort {
 public:
  void ShowError(const std::string& message) override;
  bool AskConfirmation(const std::string& message) override;
  bool ShowEntryForm(CEntryDlg& form) override;
  bool ShowAircraftForm(CAircraftDlg& form) override;
  bool ShowNNumberPrompt(CNNumberDlg& form) override;
  bool ShowAircraftList(CSelectAircraftDlg& form) override;
  bool ShowPilotForm(CPilotInfoDlg& form) override;
  // The reports are printed by the commands themselves; here they are dropped.
  void ShowCurrency(const CCurrencyDlg& report) override;
  void ShowAircraftStatus(const CAircraftStatsDlg& report) override;
  bool ChooseImportFile(std::string& path) override;
};

}  // namespace aerodex::cli
