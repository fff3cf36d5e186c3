// SPDX-License-Identifier: GPL-3.0-or-later
// CDocumentManager: the framework's document handling for the one log of the
// program: New, Open, Save and Save As, the "Save changes to %1?" question
// before the log is replaced or the program ends, the document's path and
// title, and the recent-file list that successful opens and saves feed.
//
// The keeping of the log (its lock, the state of its file, the kept versions
// and the recovery snapshot) is the CLogSession's; this is its window side:
// the session's questions asked through the frame's dialogs, the notices,
// the caption's marks, and the offer at start of the work crashed windows
// left behind.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "app/recent_file_list.h"
#include "files/recovery_store.h"
#include "model/document.h"
#include "model/log_session.h"

namespace aerodex {

class CFrameDialogs;

class CDocumentManager : public QObject, private CSessionPort {
  Q_OBJECT

 public:
  CDocumentManager(CAerodexDoc& doc, CFrameDialogs& dialogs, CRecentFileList& recentFiles,
                   QObject* parent = nullptr);
  ~CDocumentManager() override;

  // The log's file, empty while it is "Untitled".
  QString PathName() const;
  // "Untitled" or the file's name.
  QString Title() const;
  CAerodexDoc& Document() const { return doc_; }
  // Whether this window holds the lock of its log.
  bool HoldsLock() const { return session_.HoldsLock(); }
  // " [read-only]" where the log's folder takes no writing, " [not locked]"
  // where no lock could be made for it; empty otherwise.
  QString CaptionMark() const;

  // True when the log may be replaced or closed: it is unmodified, or the
  // user saved it (successfully) or chose not to.
  bool SaveModified();

  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  // Opens path after the save question. Opening the log already open only
  // activates it, unless its file changed on disk: then it is read again. On
  // failure the user is told why; a file that could not be read at all leaves
  // the open log as it was, a damaged one leaves an empty "Untitled" log,
  // never one that carries the damaged file's name.
  bool OpenDocumentFile(const QString& path);
  // Opens recent file number index (from 0); a file that fails is dropped
  // from the list.
  bool OpenRecentFile(int index);
  // A fresh empty log, without asking (start-up).
  void NewDocument();
  // The window closes: the lock is given up and the recovery snapshot removed.
  void Close();

  // After every command: unsaved changes go to the recovery snapshot.
  void OnCommandFinished();
  // At start-up: offers, one after the other and newest first, the work that
  // crashed windows left and that is not in its log. True when recovered work
  // was opened.
  bool OfferRecovery();

 signals:
  // A new or opened log replaced the contents: views lay it out afresh.
  void documentReplaced();
  // The title or the modified state may have changed.
  void titleChanged();
  void recentFilesChanged();

 private:
  enum class OpenStatus { kOpened, kCancelled, kFailed };
  OpenStatus DoOpen(const QString& path);
  OpenStatus ReopenIfChanged();
  // What a failed open must not take from the log held here.
  struct Particulars {
    explicit Particulars(const CAerodexDoc& doc) : pilot(doc.pilot), lastNNumber(doc.lastNNumber) {}
    CPilotInfo pilot;
    std::string lastNNumber;
  };
  OpenStatus Loaded(const FileResult& result, const QString& absolute, const Particulars& kept);
  bool DoSave(const QString& path);
  struct LogOnDisk;
  bool OfferSnapshot(const RecoverySnapshot& snapshot);
  static LogOnDisk ReadLogOnDisk(const std::string& path);
  bool FileAway(const RecoverySnapshot& snapshot);
  bool RecoverSnapshot(const RecoverySnapshot& snapshot);
  void NoteWritability();
  void WriteSnapshot();
  void AddToRecent(const QString& path);

  // The session's questions, asked in the window.
  bool ProceedDespiteHolder(const std::string& path, const LockHolder& holder,
                            bool saving) override;
  bool ProceedUnlocked(const std::string& path, const FileResult& why) override;
  bool OverwriteChanged(const std::string& path) override;
  bool MayReplaceDocument() override;
  // Each question asks the user, whose no ends the operation without a message.
  bool Answered(bool yes);

  CAerodexDoc& doc_;
  CFrameDialogs& dialogs_;
  CRecentFileList& recentFiles_;
  CLogSession session_;
  bool declined_ = false;   // the user said no to a question of the current operation
  QString readOnlyReason_;  // why nothing can be written beside the log; empty: it can
  bool snapshotProblemShown_ = false;
};

}  // namespace aerodex
