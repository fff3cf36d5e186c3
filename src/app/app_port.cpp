// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_port.h"

#include "app/dialogs/import_file_dialog.h"
#include "app/qt_text.h"

namespace aerodex {

CFrameDialogs& CAppPort::Dialogs() {
  if (dialogs_) return *dialogs_;
  ownDialogs_.SetParentWindow(parent_);
  return ownDialogs_;
}

void CAppPort::ShowError(const std::string& message) { Dialogs().ShowError(FromCp1252(message)); }

bool CAppPort::AskConfirmation(const std::string& message) {
  return Dialogs().AskConfirmation(FromCp1252(message));
}

bool CAppPort::ChooseImportFile(std::string& path) { return RunImportFileDialog(parent_, path); }

}  // namespace aerodex
