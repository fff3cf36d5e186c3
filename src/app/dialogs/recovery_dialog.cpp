// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/recovery_dialog.h"

#include <QPushButton>

#include "app/command_table.h"

namespace aerodex {

CRecoveryDlg::CRecoveryDlg(QWidget* parent, const QString& message)
    : QMessageBox(QMessageBox::Warning, QString::fromLatin1(kAppTitle), message, NoButton, parent) {
  recover_ = addButton(QStringLiteral("Recover"), AcceptRole);
  discard_ = addButton(QStringLiteral("Discard"), DestructiveRole);
  setDefaultButton(static_cast<QPushButton*>(recover_));
  // No escape button: QMessageBox then ignores Escape and the close box.
  setEscapeButton(static_cast<QAbstractButton*>(nullptr));
}

RecoveryAnswer CRecoveryDlg::Answer() const {
  return clickedButton() == discard_ ? RecoveryAnswer::kDiscard : RecoveryAnswer::kRecover;
}

RecoveryAnswer AskRecoveryPrompt(QWidget* parent, const QString& message) {
  CRecoveryDlg dialog(parent, message);
  dialog.exec();
  return dialog.Answer();
}

}  // namespace aerodex
