#include "app/app_port.h"

#include "app/dialogs/import_file_dialog.h"
#include "app/dialogs/prompt_dialogs.h"
#include "app/qt_text.h"

namespace aerodex {

void CAppPort::ShowError(const std::string& message) {
  ShowErrorPrompt(parent_, FromCp1252(message));
}

bool CAppPort::AskConfirmation(const std::string& message) {
  return AskConfirmationPrompt(parent_, FromCp1252(message));
}

bool CAppPort::ChooseImportFile(std::string& path) { return RunImportFileDialog(parent_, path); }

}  // namespace aerodex
