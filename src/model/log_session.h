// SPDX-License-Identifier: GPL-3.0-or-later
// CLogSession: one log kept in one file, for as long as a window or an
// aerodex-cli command works on it. It owns the file's path, the log's lock,
// the stamp of the file as last read or written here (with the hash of its
// content), the kept versions and the recovery snapshot, and it holds the
// one policy of writing a log: lock it, make sure the file is still the one
// read, keep the version it replaces, then replace it. The questions that
// policy raises go to a CSessionPort; the window asks the user, aerodex-cli
// answers no. The document is the caller's; the session never shows anything.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "files/backup_store.h"
#include "files/file_env.h"
#include "files/file_result.h"
#include "files/file_stamp.h"
#include "files/log_lock.h"
#include "files/recovery_store.h"
#include "model/document.h"

namespace aerodex {

class CSessionPort {
 public:
  virtual ~CSessionPort() = default;
  // Another aerodex holds the log at path: true to go on all the same
  // (saving: to save over it).
  virtual bool ProceedDespiteHolder(const std::string& path, const LockHolder& holder,
                                    bool saving) = 0;
  // No lock can be made for the log at path: true to go on unlocked.
  virtual bool ProceedUnlocked(const std::string& path, const FileResult& why) = 0;
  // Another program changed the file at path since it was read or saved
  // here: true to replace it all the same.
  virtual bool OverwriteChanged(const std::string& path) = 0;
  // Another log is locked and about to replace the document: true to go on
  // (a window first offers to save the work it holds).
  virtual bool MayReplaceDocument() { return true; }
};

// Whether the log's file no longer holds the version a snapshot's work began
// from, given the file's bytes and stamp now.
bool LeftItsBase(const RecoverySnapshot& snapshot, const std::string& logBytes,
                 const FileStamp& logStamp);

// Where a session keeps what it keeps; the defaults are the user's folders.
struct SessionFolders {
  std::string backups = CBackupStore::DefaultRoot();
  std::string recovery = CRecoveryStore::DefaultFolder();
};

class CLogSession {
 public:
  CLogSession(CAerodexDoc& doc, CSessionPort& port, CFileEnv& env = DefaultFileEnv(),
              const SessionFolders& folders = {});
  CLogSession(const CLogSession&) = delete;
  CLogSession& operator=(const CLogSession&) = delete;

  // Locks the log at path for writing it later without reading it here (the
  // file need not exist) and notes the state of its file. kLockedByAnother
  // or the lock's own failure when the port says not to go on.
  FileResult Claim(const std::string& path);
  // Claims the log at path and loads its file into the document. On failure
  // the session keeps the log it had; the document is left as
  // LoadDocumentBytes leaves it when the file was read but is damaged
  // (DocumentLost tells which).
  FileResult Open(const std::string& path);
  // Reads the session's own file again into the document.
  FileResult Reload();
  // Saves the document to the session's file; kChangedOnDisk when another
  // program changed it and the port said not to replace it.
  FileResult Save();
  // Saves the document to path, which becomes the session's file.
  FileResult SaveAs(const std::string& path);
  // Writes bytes that are a log already (a kept version being restored).
  FileResult SaveBytes(const std::string& bytes);
  // Takes the work of a snapshot a crash left behind as the session's: its
  // log, under the lock the session holds for it already or a new one, and
  // the version of the file the work began from where the file changed
  // since, so that the next save asks before replacing the newer file. The
  // snapshot goes among the log's versions and out of the recovery folder;
  // the caller writes the work's own snapshot next (WriteSnapshot). On
  // failure the session, the document and the snapshot stay as they were.
  FileResult Recover(const RecoverySnapshot& snapshot);
  // A snapshot not taken: among the log's versions, then out of the recovery
  // folder; where it cannot be filed it stays, to be offered again.
  FileResult FileAway(const RecoverySnapshot& snapshot);
  // Unsaved changes to the recovery snapshot, when the log changed since the last one.
  FileResult WriteSnapshot();
  // Gives up the lock, removes the snapshot and forgets the file: a normal end.
  void Close();

  const std::string& Path() const { return path_; }
  const FileStamp& Stamp() const { return stamp_; }
  // Whether another program changed the session's file since it was read or saved here.
  bool FileChanged() const { return ChangedSince(stamp_, path_, env_); }
  // Whether the last failed Open or Reload had emptied the document (a damaged file).
  bool DocumentLost() const { return documentLost_; }
  bool HoldsLock() const { return lock_ && lock_->IsHeld(); }
  // The log's lock; null before the first Claim or Open.
  const CLogLock* Lock() const { return lock_.get(); }
  // Who held the log when a Claim, Open or SaveAs last met another holder.
  const LockHolder& LastHolder() const { return lastHolder_; }
  // Why the version the last save replaced could not be kept; empty when it was.
  const std::string& BackupProblem() const { return backupProblem_; }
  const CBackupStore& Backups() const { return backups_; }
  CRecoveryWriter& Recovery() { return recovery_; }
  const CRecoveryStore& RecoveryStore() const { return recoveryStore_; }

 private:
  // The session's own lock when path is its log, else a new one, asking the
  // port where it cannot be held; null with the reason when not to go on.
  std::unique_ptr<CLogLock> LockFor(const std::string& path, bool saving, FileResult& result);
  bool IsOwnLog(const std::string& path) const;
  void GiveBack(std::unique_ptr<CLogLock> lock);
  void Adopt(const std::string& path, std::unique_ptr<CLogLock> lock, const FileStamp& stamp,
             std::string hash);
  FileResult Load(const std::string& path, std::unique_ptr<CLogLock> lock);
  FileResult MayReplace(const std::string& path);
  FileResult Write(const std::string& bytes, const std::string& path);
  void AdoptRecovered(const RecoverySnapshot& snapshot, std::unique_ptr<CLogLock> lock);

  CAerodexDoc& doc_;
  CSessionPort& port_;
  CFileEnv& env_;
  std::string path_;
  std::unique_ptr<CLogLock> lock_;
  FileStamp stamp_;
  std::string baseHash_;  // ContentHash of the file stamp_ describes; empty when unknown
  CBackupStore backups_;
  CRecoveryStore recoveryStore_;
  CRecoveryWriter recovery_;
  std::optional<std::uint64_t> snapshotRevision_;  // none: the work has no snapshot yet
  std::string backupProblem_;
  LockHolder lastHolder_;
  bool documentLost_ = false;
};

}  // namespace aerodex
