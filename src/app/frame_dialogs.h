// SPDX-License-Identifier: GPL-3.0-or-later
// CFrameDialogs: every question and message the window puts to the user goes
// through here, so that a test can see and answer each one: "Save changes to
// %1?", the Open and Save As file dialogs, the framework's own messages
// ("Failed to open document.", "The log could not be printed." and the like),
// the error and confirmation prompts of the document and its commands (through
// CAppPort), the questions that keep the log safe, and a form's refusal of a
// field. The program uses the Qt dialogs; tests put a scripted user in their
// place.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

#include "model/clock.h"

namespace aerodex {

enum class SaveAnswer { kYes, kNo, kCancel };
enum class RecoveryAnswer { kRecover, kDiscard };

class CFrameDialogs {
 public:
  virtual ~CFrameDialogs() = default;
  // name: the document's title ("Untitled" or the file name).
  virtual SaveAnswer AskSaveChanges(const QString& name) = 0;
  // Empty when cancelled.
  virtual QString ChooseOpenFile() = 0;
  virtual QString ChooseSaveFile(const QString& suggestedPath) = 0;
  virtual void ShowMessage(const QString& text) = 0;
  // The confirmation prompt: true on Confirm, false on Cancel or Escape.
  virtual bool AskConfirmation(const QString& message) = 0;
  // The offer of work a crash left: Recover (the default) or Discard.
  virtual RecoveryAnswer AskRecovery(const QString& message) = 0;
  // Go to Date's question; empty when cancelled (and where nobody answers).
  virtual std::optional<LocalDate> AskDate(const LocalDate& /*proposal*/) { return std::nullopt; }
  // Where to export a table as CSV; empty when cancelled (and where nobody answers).
  virtual QString ChooseCsvFile(const QString& /*suggestedName*/) { return {}; }
  // Where to save a picture as PNG; the same.
  virtual QString ChooseImageFile(const QString& /*suggestedName*/) { return {}; }
  // The error prompt, dismissed with OK.
  virtual void ShowError(const QString& message) = 0;
  // A form's field check failed: the warning over that form.
  virtual void WarnAboutField(QWidget* form, const QString& message) = 0;
};

class CQtFrameDialogs : public CFrameDialogs {
 public:
  void SetParentWindow(QWidget* window) { parent_ = window; }

  SaveAnswer AskSaveChanges(const QString& name) override;
  QString ChooseOpenFile() override;
  QString ChooseSaveFile(const QString& suggestedPath) override;
  void ShowMessage(const QString& text) override;
  bool AskConfirmation(const QString& message) override;
  RecoveryAnswer AskRecovery(const QString& message) override;
  std::optional<LocalDate> AskDate(const LocalDate& proposal) override;
  QString ChooseCsvFile(const QString& suggestedName) override;
  QString ChooseImageFile(const QString& suggestedName) override;
  void ShowError(const QString& message) override;
  void WarnAboutField(QWidget* form, const QString& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace aerodex
