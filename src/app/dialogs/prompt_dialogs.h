// SPDX-License-Identifier: GPL-3.0-or-later
// The two prompts through which the program's own messages reach the user:
// the error prompt ("Error": the message and OK) and the confirmation prompt
// ("Please Confirm": the message, Confirm and Cancel). Both are modal, wrap
// their message, have no close box, and end with Escape (as Cancel).
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace aerodex {

class CErrorDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CErrorDlg(QWidget* parent = nullptr);
  // Loads m_message into the message area and runs the prompt.
  int exec() override;

  QString m_message;

 private:
  QLabel* messageArea_;
  QPushButton* okButton_;
};

class CConfirmDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CConfirmDlg(QWidget* parent = nullptr);
  // Accepted on Confirm; rejected on Cancel or Escape.
  int exec() override;

  QString m_message;

 private:
  QLabel* messageArea_;
  QPushButton* confirmButton_;
  QPushButton* cancelButton_;
};

// Shows message in the error prompt and waits until it is closed.
void ShowErrorPrompt(QWidget* parent, const QString& message);
// True when the user pressed Confirm; false on Cancel or Escape.
bool AskConfirmationPrompt(QWidget* parent, const QString& message);

}  // namespace aerodex
