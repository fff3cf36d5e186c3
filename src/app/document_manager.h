// SPDX-License-Identifier: GPL-3.0-or-later
// CDocumentManager: the framework's document handling for the one log of the
// program: New, Open, Save and Save As, the "Save changes to %1?" question
// before the log is replaced or the program ends, the document's path and
// title, and the recent-file list that successful opens and saves feed.
//
// It also keeps the open log safe: the log is locked while it is open here
// (another aerodex opening it is asked first; aerodex-cli refuses to write
// it); the state of its file is remembered at each open and save, so that a
// change made on disk by another program is never overwritten without a
// question; each save keeps the replaced version among the log's earlier
// versions; and unsaved work is kept in a recovery snapshot after every
// command, offered again at the next start if this one ends in a crash.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "app/recent_file_list.h"
#include "files/backup_store.h"
#include "files/file_stamp.h"
#include "files/log_lock.h"
#include "files/recovery_store.h"
#include "model/document.h"

namespace aerodex {

class CFrameDialogs;

class CDocumentManager : public QObject {
  Q_OBJECT

 public:
  CDocumentManager(CAerodexDoc& doc, CFrameDialogs& dialogs, CRecentFileList& recentFiles,
                   QObject* parent = nullptr);
  ~CDocumentManager() override;

  // The log's file, empty while it is "Untitled".
  const QString& PathName() const { return path_; }
  // "Untitled" or the file's name.
  QString Title() const;
  CAerodexDoc& Document() const { return doc_; }
  // Whether this window holds the lock of its log.
  bool HoldsLock() const { return lock_ && lock_->IsHeld(); }
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
  OpenStatus LoadFile(const QString& absolute, std::unique_ptr<CLogLock> lock);
  bool DoSave(const QString& path);
  bool MayOverwrite(const QString& path, std::unique_ptr<CLogLock>& lock);
  std::unique_ptr<CLogLock> LockFor(const QString& path, bool saving);
  void Adopt(const QString& path, std::unique_ptr<CLogLock> lock, const FileStamp& stamp);
  struct LogOnDisk;
  bool OfferSnapshot(const RecoverySnapshot& snapshot);
  static LogOnDisk ReadLogOnDisk(const std::string& path);
  static bool ChangedSinceSnapshot(const RecoverySnapshot& snapshot, const LogOnDisk& log);
  bool FileAway(const RecoverySnapshot& snapshot);
  bool RecoverSnapshot(const RecoverySnapshot& snapshot, const std::string& bytes, bool logChanged);
  std::unique_ptr<CLogLock> OwnOrNewLock(const QString& path);
  void NoteWritability();
  void WriteSnapshot();
  void DropSnapshot();
  void AddToRecent(const QString& path);

  CAerodexDoc& doc_;
  CFrameDialogs& dialogs_;
  CRecentFileList& recentFiles_;
  QString path_;
  std::unique_ptr<CLogLock> lock_;
  FileStamp stamp_;         // the log's file as last read or written here
  std::string baseHash_;    // ContentHash of that file
  QString readOnlyReason_;  // why nothing can be written beside the log; empty: it can
  CBackupStore backups_;
  CRecoveryStore recoveryStore_;
  CRecoveryWriter recovery_;
  std::uint64_t snapshotRevision_ = 0;
  bool snapshotProblemShown_ = false;
};

}  // namespace aerodex
