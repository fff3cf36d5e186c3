// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery after a crash. While a window holds unsaved changes, a snapshot
// of its log (the .adx bytes, and beside them the log's path and which
// version of its file the work began from: the file's stamp and a hash of its
// content) is kept in $XDG_STATE_HOME/aerodex/recovery/, written atomically
// after every change and removed when the log is saved, discarded or closed
// normally. A snapshot whose process is gone was left by a crash, a kill or a
// power loss; the next start offers it. The folder and the snapshots are
// private to the user, whatever the log's own permissions: a snapshot holds
// the pilot's particulars.
#pragma once

#include <sys/types.h>

#include <ctime>
#include <string>
#include <vector>

#include "files/file_env.h"
#include "files/file_result.h"
#include "files/file_stamp.h"

namespace aerodex {

struct RecoverySnapshot {
  std::string bytesPath;  // the snapshot: an ordinary .adx file
  std::string infoPath;
  std::string logPath;   // empty for an untitled log
  FileStamp base;        // the log's file when the unsaved work began
  std::string baseHash;  // ContentHash of that file; empty when unknown
  std::time_t time = 0;  // when the snapshot was written
  long timeNanoseconds = 0;
};

class CRecoveryStore {
 public:
  explicit CRecoveryStore(std::string folder = DefaultFolder(), CFileEnv& env = DefaultFileEnv());
  static std::string DefaultFolder();
  const std::string& Folder() const { return folder_; }

  // Snapshots whose writer is no longer running, newest first.
  std::vector<RecoverySnapshot> FindOrphans() const;
  void Discard(const RecoverySnapshot& snapshot) const;

 private:
  std::string folder_;
  CFileEnv& env_;
};

// The snapshot of one window. The destructor removes it: a normal end.
class CRecoveryWriter {
 public:
  explicit CRecoveryWriter(std::string folder = CRecoveryStore::DefaultFolder(),
                           CFileEnv& env = DefaultFileEnv());
  ~CRecoveryWriter();
  CRecoveryWriter(const CRecoveryWriter&) = delete;
  CRecoveryWriter& operator=(const CRecoveryWriter&) = delete;

  FileResult Write(const std::string& bytes, const std::string& logPath, const FileStamp& base,
                   const std::string& baseHash);
  void Remove();
  const std::string& BytesPath() const { return bytesPath_; }

 private:
  std::string folder_;
  CFileEnv& env_;
  std::string infoPath_;
  std::string bytesPath_;
  std::string writtenInfo_;
  bool written_ = false;
};

}  // namespace aerodex
