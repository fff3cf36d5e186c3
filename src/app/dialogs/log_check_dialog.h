// SPDX-License-Identifier: GPL-3.0-or-later
// CLogCheckDialog: the findings of Check Log as a list, one finding a row,
// with a line that counts them. It is a window of its own beside the log,
// not over it: a double click on a finding (or Enter) shows its flight in
// the log, where a double click or Enter edits it, and the list fills itself
// again once the log has changed. OK closes it.
#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>

#include "editing/interaction_port.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace aerodex {

class CLogCheckDialog : public QDialog {
  Q_OBJECT

 public:
  CLogCheckDialog(const CLogCheckDlg& report, CLogCheckActions actions, QWidget* parent = nullptr);

  QListWidget* Findings() const { return findings_; }
  QString Summary() const;
  QPushButton* OkButton() const { return okButton_; }

  // Shows these findings, keeping the row the pilot was at where it exists.
  void Fill(const CLogCheckDlg& report);
  // After any change the window hears of: the findings again, if the log's
  // contents moved.
  void Recheck();

 private:
  CLogCheckActions actions_;
  QLabel* summary_;
  QListWidget* findings_;
  QPushButton* okButton_;
};

}  // namespace aerodex
