// SPDX-License-Identifier: GPL-3.0-or-later
// The offer of unsaved work that a crash left behind. Recover is the default,
// so that Enter keeps the work; Discard files it among the log's earlier
// versions, so no answer deletes anything typed. Escape and the close box do
// nothing: the question needs one of the two answers.
#pragma once

#include <QMessageBox>

#include "app/frame_dialogs.h"

namespace aerodex {

class CRecoveryDlg : public QMessageBox {
  Q_OBJECT

 public:
  CRecoveryDlg(QWidget* parent, const QString& message);
  RecoveryAnswer Answer() const;

  QAbstractButton* RecoverButton() const { return recover_; }
  QAbstractButton* DiscardButton() const { return discard_; }

 private:
  QAbstractButton* recover_;
  QAbstractButton* discard_;
};

RecoveryAnswer AskRecoveryPrompt(QWidget* parent, const QString& message);

}  // namespace aerodex
