// SPDX-License-Identifier: GPL-3.0-or-later
// CBackupStore: the earlier versions of every log, kept per user in
// $XDG_DATA_HOME/aerodex/backups/, one folder per log (the log's name and a
// hash of its canonical path, so that every spelling of the path finds the
// same folder and two logs called log.adx in different folders never mix).
// Each save that replaces a log first keeps the replaced file there: a hard
// link where the file system allows it (no copy, no time), a private copy
// otherwise. A version is named by a sequence number and the time of the save
// that replaced it, never by the file's own modification time, so copied or
// back-dated logs and saves within one second all keep their versions. A
// replaced file equal to the newest version is not kept twice.
//
// A folder keeps the 10 newest versions and the newest version of each of the
// 30 latest days on which versions were kept. Days are counted from the
// versions themselves, not from today, so that no clock moved forward or back
// can delete more than that; the newest version is never deleted. Every
// version is an ordinary .adx file.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "files/file_env.h"
#include "files/file_result.h"

namespace aerodex {

struct BackupVersion {
  std::string path;
  std::uint64_t sequence = 0;  // 0: named by the older scheme, older than any numbered one
  std::time_t time = 0;        // when the save that replaced it was made
  std::string contentHash;     // ContentHash of the version; empty in older names
  std::int64_t size = 0;
};

class CBackupStore {
 public:
  explicit CBackupStore(std::string root = DefaultRoot(), CFileEnv& env = DefaultFileEnv());
  static std::string DefaultRoot();
  const std::string& Root() const { return root_; }

  // The folder of one log's versions; an empty logPath stands for work that
  // never had a file (an untitled log's recovered changes).
  std::string FolderFor(const std::string& logPath) const;
  // Keeps the file now at logPath as a version, then prunes its folder.
  // Nothing to do when there is no such file. knownHash: the file's
  // ContentHash where the caller knows it; otherwise the file is read.
  FileResult Keep(const std::string& logPath, std::time_t now,
                  const std::string& knownHash = {}) const;
  // Keeps a file from elsewhere (a recovery snapshot) among logPath's versions.
  FileResult Adopt(const std::string& logPath, const std::string& file, std::time_t now,
                   const std::string& knownHash = {}) const;
  // The versions of a log, newest first.
  std::vector<BackupVersion> List(const std::string& logPath) const;

 private:
  FileResult PrepareFolder(const std::string& logPath, std::string& folder) const;
  std::vector<BackupVersion> ListFolder(const std::string& folder) const;
  void Prune(const std::string& folder) const;

  std::string root_;
  CFileEnv& env_;
};

// Which versions survive pruning, for their save times in order newest first.
std::vector<bool> VersionsToKeep(const std::vector<std::time_t>& newestFirst);

}  // namespace aerodex
