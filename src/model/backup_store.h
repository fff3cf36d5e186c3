// CBackupStore: the earlier versions of every log, kept per user in
// $XDG_DATA_HOME/aerodex/backups/, one folder per log (the log's name and a
// hash of its full path, so two logs called log.adx in different folders
// never mix). Each save that replaces a log first keeps the replaced file
// there: a hard link where the file system allows it (no copy, no time), a
// copy otherwise. A folder keeps the 10 newest versions, the newest version
// of each day of the last 30 days, and never loses its newest version.
// Every version is an ordinary .adx file.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "model/file_result.h"

namespace aerodex {

struct BackupVersion {
  std::string path;
  std::time_t time = 0;  // when that version was saved
  std::int64_t size = 0;
};

class CBackupStore {
 public:
  explicit CBackupStore(std::string root = DefaultRoot());
  static std::string DefaultRoot();
  const std::string& Root() const { return root_; }

  // The folder of one log's versions (links in logPath followed).
  std::string FolderFor(const std::string& logPath) const;
  // Keeps the file now at logPath as a version, then prunes its folder.
  // Nothing to do when there is no such file.
  FileResult Keep(const std::string& logPath, std::time_t now) const;
  // Keeps a file from elsewhere (a recovery snapshot) among logPath's versions.
  FileResult Adopt(const std::string& logPath, const std::string& file, std::time_t now) const;
  // The versions of a log, newest first.
  std::vector<BackupVersion> List(const std::string& logPath) const;

 private:
  FileResult PrepareFolder(const std::string& logPath, std::string& folder) const;
  static std::vector<BackupVersion> ListFolder(const std::string& folder);
  static void Prune(const std::string& folder, std::time_t now);

  std::string root_;
};

// Which versions survive pruning, for their times newest first.
std::vector<bool> VersionsToKeep(const std::vector<std::time_t>& newestFirst, std::time_t now);

}  // namespace aerodex
