// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frame_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/command_table.h"
#include "app/dialogs/date_prompt.h"
#include "app/dialogs/prompt_dialogs.h"
#include "app/dialogs/recovery_dialog.h"

namespace aerodex {

SaveAnswer CQtFrameDialogs::AskSaveChanges(const QString& name) {
  const auto answer = QMessageBox::warning(
      parent_, QString::fromLatin1(kAppTitle), QStringLiteral("Save changes to %1?").arg(name),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Yes) return SaveAnswer::kYes;
  if (answer == QMessageBox::No) return SaveAnswer::kNo;
  return SaveAnswer::kCancel;
}

QString CQtFrameDialogs::ChooseOpenFile() {
  return QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), QString(),
                                      QString::fromLatin1(kFileFilter));
}

QString CQtFrameDialogs::ChooseSaveFile(const QString& suggestedPath) {
  QFileDialog dialog(parent_, QStringLiteral("Save As"), suggestedPath,
                     QString::fromLatin1(kFileFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromLatin1(kFileExtension));
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!suggestedPath.isEmpty()) dialog.selectFile(suggestedPath);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

namespace {

QString ChooseFileToWrite(QWidget* parent, const QString& title, const QString& filter,
                          const QString& suffix, const QString& suggestedName) {
  QFileDialog dialog(parent, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(suggestedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString CQtFrameDialogs::ChooseCsvFile(const QString& suggestedName) {
  return ChooseFileToWrite(parent_, QStringLiteral("Export CSV"),
                           QStringLiteral("CSV Files (*.csv)"), QStringLiteral("csv"),
                           suggestedName);
}

QString CQtFrameDialogs::ChooseImageFile(const QString& suggestedName) {
  return ChooseFileToWrite(parent_, QStringLiteral("Save as PNG"),
                           QStringLiteral("PNG Images (*.png)"), QStringLiteral("png"),
                           suggestedName);
}

void CQtFrameDialogs::ShowMessage(const QString& text) {
  QMessageBox::warning(parent_, QString::fromLatin1(kAppTitle), text);
}

bool CQtFrameDialogs::AskConfirmation(const QString& message) {
  return AskConfirmationPrompt(parent_, message);
}

RecoveryAnswer CQtFrameDialogs::AskRecovery(const QString& message) {
  return AskRecoveryPrompt(parent_, message);
}

void CQtFrameDialogs::ShowError(const QString& message) { ShowErrorPrompt(parent_, message); }

void CQtFrameDialogs::WarnAboutField(QWidget* form, const QString& message) {
  QMessageBox::warning(form, QString::fromLatin1(kAppTitle), message);
}

std::optional<LocalDate> CQtFrameDialogs::AskDate(const LocalDate& proposal) {
  return AskDatePrompt(parent_, proposal);
}

}  // namespace aerodex
