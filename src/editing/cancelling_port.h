// SPDX-License-Identifier: GPL-3.0-or-later
// CCancellingPort: the interaction port where there is no one to ask
// (aerodex-cli, benchmarks, fuzzing). Every question and every form is
// answered with Cancel, so a command that would create or change records on
// the user's word changes nothing. Messages and questions are written as
// UTF-8 lines to the stream given (aerodex-cli: standard error), or dropped.
#pragma once

#include <cstdio>

#include "editing/interaction_port.h"

class CCancellingPort final : public CInteractionPort {
 public:
  explicit CCancellingPort(std::FILE* messages = nullptr) : messages_(messages) {}

  void ShowError(const std::string& message) override;
  bool AskConfirmation(const std::string& message) override;
  bool ShowEntryForm(CEntryDlg&) override { return false; }
  bool ShowAircraftForm(CAircraftDlg&) override { return false; }
  bool ShowNNumberPrompt(CNNumberDlg&) override { return false; }
  bool ShowAircraftList(CSelectAircraftDlg&) override { return false; }
  bool ShowPilotForm(CPilotInfoDlg&) override { return false; }
  // The reports are printed by the commands themselves; here they are dropped.
  void ShowCurrency(const CCurrencyDlg&) override {}
  void ShowAircraftStatus(const CAircraftStatsDlg&) override {}
  bool ChooseImportFile(std::string&) override { return false; }

 private:
  std::FILE* messages_;
};
