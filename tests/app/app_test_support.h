// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the desktop program's tests: a scripted user for the
// document handling's questions and file dialogs, and a program started on
// a settings file of its own with its window kept off the screen.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <memory>

#include "app/aerodex_app.h"
#include "app/frame_dialogs.h"
#include "model/document.h"
#include "model/document_file.h"

class ScriptedFrameDialogs : public aerodex::CFrameDialogs {
 public:
  aerodex::SaveAnswer AskSaveChanges(const QString& name) override {
    questions.append(QStringLiteral("Save changes to %1?").arg(name));
    if (saveAnswers.empty()) return aerodex::SaveAnswer::kCancel;
    const aerodex::SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  QString ChooseOpenFile() override {
    return openFiles.isEmpty() ? QString() : openFiles.takeFirst();
  }
  QString ChooseSaveFile(const QString& suggested) override {
    suggestedSaveNames.append(suggested);
    return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
  }
  void ShowMessage(const QString& text) override { messages.append(text); }
  // The confirmation prompt: answered from confirmAnswers, Cancel when none is left.
  bool AskConfirmation(const QString& message) override {
    confirmations.append(message);
    if (confirmAnswers.empty()) return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  // The recovery offer: answered from recoveryAnswers, Recover (the default
  // button, as Enter) when none is left.
  aerodex::RecoveryAnswer AskRecovery(const QString& message) override {
    recoveryQuestions.append(message);
    if (recoveryAnswers.empty()) return aerodex::RecoveryAnswer::kRecover;
    const aerodex::RecoveryAnswer answer = recoveryAnswers.front();
    recoveryAnswers.pop_front();
    return answer;
  }
  void ShowError(const QString& message) override { errors.append(message); }
  void WarnAboutField(QWidget*, const QString& message) override { fieldWarnings.append(message); }

  std::deque<aerodex::SaveAnswer> saveAnswers;
  QStringList openFiles;
  QStringList saveFiles;
  QStringList questions;
  QStringList messages;
  QStringList suggestedSaveNames;
  std::deque<bool> confirmAnswers;
  std::deque<aerodex::RecoveryAnswer> recoveryAnswers;
  QStringList recoveryQuestions;
  QStringList errors;
  QStringList fieldWarnings;
  QStringList confirmations;
};

// The caption as the window system receives it: Qt turns "[*]" into "*"
// while the window is modified and drops it otherwise.
inline QString ShownCaption(QWidget* window) {
  window->winId();  // the native window that carries the title
  return window->windowHandle()->title();
}

// Backups and recovery snapshots of a test go to folders of its own.
inline void UseOwnUserFolders(const QTemporaryDir& dir) {
  qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toLocal8Bit());
}

inline std::unique_ptr<aerodex::CAerodexApp> MakeApp(const QTemporaryDir& dir,
                                                     ScriptedFrameDialogs* dialogs) {
  UseOwnUserFolders(dir);
  aerodex::CAerodexApp::Options options;
  options.settingsPath = dir.filePath(QStringLiteral("aerodex.ini"));
  options.dialogs = dialogs;
  options.showWindow = false;
  return std::make_unique<aerodex::CAerodexApp>(options);
}

inline QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The bundled sample log, copied once per test program: a window locks the
// log it opens, and test programs run side by side.
inline QString SampleLogPath() {
  static QTemporaryDir copies;
  const QString copy = copies.filePath(QStringLiteral("sample.adx"));
  if (!QFile::exists(copy)) {
    QFile::copy(qEnvironmentVariable("AERODEX_SOURCE_DIR", QStringLiteral(".")) +
                    QStringLiteral("/examples/sample.adx"),
                copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  }
  return copy;
}

// Pages in a PDF written by Qt: one "/Type /Page" object per page.
inline int PdfPageCount(const QByteArray& pdf) {
  int pages = 0;
  for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
       at = pdf.indexOf("/Type /Page", at + 1)) {
    if (pdf.mid(at + 11, 1) != "s") ++pages;
  }
  return pages;
}
