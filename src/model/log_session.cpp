// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/log_session.h"

#include "files/atomic_write.h"
#include "files/file_paths.h"
#include "model/document_archive.h"
#include "model/document_file.h"

namespace aerodex {

// Snapshots written before they recorded a hash can only go by the stamp.
bool LeftItsBase(const RecoverySnapshot& snapshot, const std::string& logBytes,
                 const FileStamp& logStamp) {
  if (snapshot.baseHash.empty()) return !(logStamp == snapshot.base);
  return ContentHash(logBytes) != snapshot.baseHash;
}

CLogSession::CLogSession(CAerodexDoc& doc, CSessionPort& port, CFileEnv& env,
                         const SessionFolders& folders)
    : doc_(doc),
      port_(port),
      env_(env),
      backups_(folders.backups, env),
      recoveryStore_(folders.recovery, env),
      recovery_(folders.recovery, env),
      snapshotRevision_(doc.Revision()) {}

bool CLogSession::IsOwnLog(const std::string& path) const {
  return lock_ && !path_.empty() && CLogLock::LockPathFor(path, env_) == lock_->LockPath();
}

std::unique_ptr<CLogLock> CLogSession::LockFor(const std::string& path, bool saving,
                                               FileResult& result) {
  result = {};
  if (IsOwnLog(path) && lock_->IsHeld()) return std::move(lock_);
  auto lock = std::make_unique<CLogLock>(env_);
  const FileResult locked = lock->Acquire(path);
  if (locked.ok) return lock;
  if (locked.code == FileCode::kLockedByAnother) lastHolder_ = lock->Holder();
  const bool goOn = locked.code == FileCode::kLockedByAnother
                        ? port_.ProceedDespiteHolder(path, lock->Holder(), saving)
                        : port_.ProceedUnlocked(path, locked);
  if (goOn) return lock;
  result = locked;
  return nullptr;
}

void CLogSession::Adopt(const std::string& path, std::unique_ptr<CLogLock> lock,
                        const FileStamp& stamp, std::string hash) {
  path_ = path;
  lock_ = std::move(lock);
  stamp_ = stamp;
  baseHash_ = std::move(hash);
}

FileResult CLogSession::Claim(const std::string& path) {
  FileResult result;
  std::unique_ptr<CLogLock> lock = LockFor(path, false, result);
  if (!lock) return result;
  Adopt(path, std::move(lock), StampOf(path, env_), {});
  return {};
}

FileResult CLogSession::Open(const std::string& path) {
  FileResult result;
  std::unique_ptr<CLogLock> lock = LockFor(path, false, result);
  if (!lock) return result;
  if (!port_.MayReplaceDocument()) {
    return FileResult::Failure("The log open now was kept.", FileCode::kOther);
  }
  return Load(path, std::move(lock));
}

FileResult CLogSession::Reload() {
  if (path_.empty()) return FileResult::Failure("The log has no file yet.", FileCode::kNotFound);
  return Load(path_, std::move(lock_));
}

// The session's own lock, lent for a reload or a recovery, goes back when it fails.
void CLogSession::GiveBack(std::unique_ptr<CLogLock> lock) {
  if (!lock_ && lock && !path_.empty() && lock->LockPath() == CLogLock::LockPathFor(path_, env_)) {
    lock_ = std::move(lock);
  }
}

FileResult CLogSession::Load(const std::string& path, std::unique_ptr<CLogLock> lock) {
  documentLost_ = false;
  std::string bytes;
  FileStamp stamp;
  if (const FileResult read = ReadWholeFile(path, bytes, &stamp, env_); !read.ok) {
    GiveBack(std::move(lock));
    return read.Under(kFailedToOpen);
  }
  if (FileResult loaded = LoadDocumentBytes(doc_, bytes); !loaded.ok) {
    GiveBack(std::move(lock));
    documentLost_ = true;
    return loaded;
  }
  std::string target;
  if (ResolveLinks(path, target, env_).ok) RemoveStaleTemporaries(target, env_);
  Adopt(path, std::move(lock), stamp, ContentHash(bytes));
  recovery_.Remove();
  snapshotRevision_ = doc_.Revision();
  return {};
}

FileResult CLogSession::MayReplace(const std::string& path) {
  if (!ChangedSince(stamp_, path, env_) || port_.OverwriteChanged(path)) return {};
  return FileResult::Failure("It has been changed on disk by another program.",
                             FileCode::kChangedOnDisk);
}

FileResult CLogSession::Write(const std::string& bytes, const std::string& path) {
  SaveOptions options;
  options.env = &env_;
  options.backups = &backups_;
  options.now = doc_.Clock().Now();
  // What this session last read or wrote is what the save replaces, unless
  // another program changed it since.
  if (path == path_ && !ChangedSince(stamp_, path, env_)) options.replacedHash = baseHash_;
  SavedFile saved = SaveLogBytes(bytes, path, options);
  if (!saved.ok) return static_cast<FileResult&>(saved);
  stamp_ = saved.stamp;
  baseHash_ = saved.contentHash;
  backupProblem_ = saved.backupProblem;
  return {};
}

FileResult CLogSession::Save() {
  if (path_.empty()) return FileResult::Failure("The log has no file yet.", FileCode::kNotFound);
  // Asked first: whether to write at all comes before what could be written.
  if (FileResult allowed = MayReplace(path_); !allowed.ok) return allowed;
  if (std::string refusal = CheckSavable(doc_); !refusal.empty()) {
    return FileResult::Failure(std::move(refusal));
  }
  if (FileResult written = Write(SaveDocument(doc_), path_); !written.ok) return written;
  if (lock_ && !lock_->IsHeld()) {
    // The other holder may have closed the log since; where it has not, the
    // log stays as unlocked as it was.
    [[maybe_unused]] const FileResult relocked = lock_->Acquire(path_);
  }
  doc_.SetModifiedFlag(false);
  recovery_.Remove();
  snapshotRevision_ = doc_.Revision();
  return {};
}

FileResult CLogSession::SaveAs(const std::string& path) {
  if (IsOwnLog(path)) return Save();
  FileResult result;
  std::unique_ptr<CLogLock> lock = LockFor(path, true, result);
  if (!lock) return result;
  if (std::string refusal = CheckSavable(doc_); !refusal.empty()) {
    return FileResult::Failure(std::move(refusal));
  }
  if (FileResult written = Write(SaveDocument(doc_), path); !written.ok) return written;
  Adopt(path, std::move(lock), stamp_, baseHash_);
  doc_.SetModifiedFlag(false);
  recovery_.Remove();
  snapshotRevision_ = doc_.Revision();
  return {};
}

FileResult CLogSession::SaveBytes(const std::string& bytes) {
  if (path_.empty()) return FileResult::Failure("The log has no file yet.", FileCode::kNotFound);
  if (FileResult allowed = MayReplace(path_); !allowed.ok) return allowed;
  return Write(bytes, path_);
}

FileResult CLogSession::Recover(const RecoverySnapshot& snapshot) {
  std::string bytes;
  if (FileResult read = ReadWholeFile(snapshot.bytesPath, bytes, nullptr, env_); !read.ok) {
    return read;
  }
  // Checked apart first: a damaged snapshot leaves the document as it was.
  if (CAerodexDoc check; !LoadDocumentBytes(check, bytes).ok) {
    return FileResult::Failure(kUnexpectedFormat, FileCode::kBadFormat);
  }
  // The log open here already (reopened at start) keeps its lock, held or
  // not: the session never asks about itself.
  std::unique_ptr<CLogLock> lock;
  if (!snapshot.logPath.empty() && IsOwnLog(snapshot.logPath)) {
    lock = std::move(lock_);
  } else if (!snapshot.logPath.empty()) {
    FileResult result;
    lock = LockFor(snapshot.logPath, false, result);
    if (!lock) return result;
  }
  if (FileResult loaded = LoadDocumentBytes(doc_, bytes); !loaded.ok) {
    GiveBack(std::move(lock));
    return loaded;
  }
  AdoptRecovered(snapshot, std::move(lock));
  // A copy among the versions as well, best effort: from here on the work is
  // in the document and, once written, in its own snapshot.
  [[maybe_unused]] const FileResult copied =
      backups_.Adopt(snapshot.logPath, snapshot.bytesPath, doc_.Clock().Now());
  recoveryStore_.Discard(snapshot);
  doc_.SetModifiedFlag(true);
  snapshotRevision_.reset();
  return {};
}

// The log as it is now where it still holds the version the work began
// from; otherwise (or where it cannot be read) that version, so that a save
// asks before replacing what another program wrote since.
void CLogSession::AdoptRecovered(const RecoverySnapshot& snapshot, std::unique_ptr<CLogLock> lock) {
  std::string bytes;
  FileStamp stamp;
  bool changed = false;
  if (!snapshot.logPath.empty()) {
    const FileResult read = ReadWholeFile(snapshot.logPath, bytes, &stamp, env_);
    changed = !read.ok && read.code != FileCode::kNotFound;
    if (read.ok) changed = LeftItsBase(snapshot, bytes, stamp);
  }
  if (changed) {
    Adopt(snapshot.logPath, std::move(lock), snapshot.base, snapshot.baseHash);
  } else {
    Adopt(snapshot.logPath, std::move(lock), stamp, ContentHash(bytes));
  }
}

FileResult CLogSession::FileAway(const RecoverySnapshot& snapshot) {
  if (FileResult kept = backups_.Adopt(snapshot.logPath, snapshot.bytesPath, doc_.Clock().Now());
      !kept.ok) {
    return kept;
  }
  recoveryStore_.Discard(snapshot);
  return {};
}

FileResult CLogSession::WriteSnapshot() {
  if (!doc_.IsModified() || doc_.Revision() == snapshotRevision_) return {};
  snapshotRevision_ = doc_.Revision();
  if (!CheckSavable(doc_).empty()) return {};  // Save will say why
  return recovery_.Write(SaveDocument(doc_), path_, stamp_, baseHash_);
}

void CLogSession::Close() {
  lock_.reset();
  path_.clear();
  stamp_ = {};
  baseHash_.clear();
  recovery_.Remove();
  snapshotRevision_ = doc_.Revision();
}

}  // namespace aerodex
