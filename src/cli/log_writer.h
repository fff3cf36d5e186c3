// SPDX-License-Identifier: GPL-3.0-or-later
// CLogWriter: how an aerodex-cli command writes a log. The log is locked for
// the command's whole run, so a window or another command working on it makes
// this one refuse (exit 1, nothing written); the file must still be the one
// found at locking time when the command saves, so no change made meanwhile
// by a program that ignores the lock is lost; and the version a save replaces
// is kept among the log's earlier versions.
#pragma once

#include <string>

#include "files/backup_store.h"
#include "files/file_stamp.h"
#include "files/log_lock.h"
#include "model/document.h"

namespace aerodex::cli {

class CLogWriter {
 public:
  // False, with the message printed (the file named first), when another process holds the log or
  // no lock can be made for it.
  bool Lock(const std::string& path);
  // Saves atomically; false with the message printed on failure.
  bool Save(const CAerodexDoc& doc);
  bool SaveBytes(const std::string& bytes);

 private:
  bool Refused(const std::string& message) const;

  std::string path_;
  CLogLock lock_;
  FileStamp lockedStamp_;
  CBackupStore backups_;
};

}  // namespace aerodex::cli
