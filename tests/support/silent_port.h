// An interaction port for benchmarks and fuzzing: shows nothing and answers
// every question and form with Cancel.
#pragma once

#include <string>

#include "editing/interaction_port.h"

class SilentPort final : public CInteractionPort {
 public:
  void ShowError(const std::string&) override {}
  bool AskConfirmation(const std::string&) override { return false; }
  bool ShowEntryForm(CEntryDlg&) override { return false; }
  bool ShowAircraftForm(CAircraftDlg&) override { return false; }
  bool ShowNNumberPrompt(CNNumberDlg&) override { return false; }
  bool ShowAircraftList(CSelectAircraftDlg&) override { return false; }
  bool ShowPilotForm(CPilotInfoDlg&) override { return false; }
  void ShowCurrency(const CCurrencyDlg&) override {}
  void ShowAircraftStatus(const CAircraftStatsDlg&) override {}
  bool ChooseImportFile(std::string&) override { return false; }
};
