#include "model/backup_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>
#include <tuple>

#include "model/atomic_write.h"
#include "model/clock.h"
#include "model/file_paths.h"

namespace aerodex {
namespace {

constexpr std::size_t kNewestKept = 10;
constexpr int kDailyDays = 30;
constexpr const char* kOriginFile = "origin";

// A version's name is the time it was saved, in UTC so that names sort in
// time order through daylight-saving changes: 20261207T181445.123456789Z.adx
std::string VersionName(const struct timespec& saved) {
  std::tm utc{};
  ::gmtime_r(&saved.tv_sec, &utc);
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d.%09ldZ.adx", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                static_cast<long>(saved.tv_nsec));
  return text;
}

bool ParseVersionName(const std::string& name, std::time_t& time) {
  std::tm utc{};
  long nanoseconds = 0;
  char zone = 0;
  if (name.size() != 30 || name.substr(name.size() - 4) != ".adx" ||
      std::sscanf(name.c_str(), "%4d%2d%2dT%2d%2d%2d.%9ld%c", &utc.tm_year, &utc.tm_mon,
                  &utc.tm_mday, &utc.tm_hour, &utc.tm_min, &utc.tm_sec, &nanoseconds, &zone) != 8 ||
      zone != 'Z') {
    return false;
  }
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  time = ::timegm(&utc);
  return true;
}

FileResult CopyFile(const std::string& from, const std::string& to, const struct timespec& saved) {
  std::string bytes;
  if (FileResult read = ReadWholeFile(from, bytes); !read.ok) return read;
  if (FileResult written = WriteFileAtomically(to, bytes); !written.ok) return written;
  const struct timespec times[2] = {saved, saved};
  ::utimensat(AT_FDCWD, to.c_str(), times, 0);
  return {};
}

std::tuple<int, int, int> LocalDay(std::time_t time) {
  const std::tm local = ToLocalTime(time);
  return {local.tm_year, local.tm_mon, local.tm_mday};
}

}  // namespace

std::vector<bool> VersionsToKeep(const std::vector<std::time_t>& newestFirst, std::time_t now) {
  std::vector<bool> keep(newestFirst.size(), false);
  std::set<std::tuple<int, int, int>> daysKept;
  const std::time_t dailySince = now - std::time_t{kDailyDays} * 24 * 3600;
  for (std::size_t i = 0; i < newestFirst.size(); ++i) {
    if (i < kNewestKept) keep[i] = true;
    if (newestFirst[i] >= dailySince && daysKept.insert(LocalDay(newestFirst[i])).second) {
      keep[i] = true;
    }
  }
  return keep;
}

CBackupStore::CBackupStore(std::string root) : root_(std::move(root)) {}

std::string CBackupStore::DefaultRoot() { return UserDataFolder() + "/aerodex/backups"; }

std::string CBackupStore::FolderFor(const std::string& logPath) const {
  std::string target;
  if (!ResolveLinks(AbsolutePath(logPath), target).ok) target = AbsolutePath(logPath);
  return root_ + '/' + FitName("", NameOf(target), "-" + StableHash(target), 200);
}

FileResult CBackupStore::PrepareFolder(const std::string& logPath, std::string& folder) const {
  folder = FolderFor(logPath);
  if (FileResult made = MakeFolders(folder); !made.ok) return made;
  const std::string origin = folder + '/' + kOriginFile;
  // The log's full path, for a person looking through the folders.
  if (::access(origin.c_str(), F_OK) != 0) {
    std::string target;
    if (!ResolveLinks(AbsolutePath(logPath), target).ok) target = AbsolutePath(logPath);
    WriteFileAtomically(origin, target + '\n');
  }
  return {};
}

FileResult CBackupStore::Keep(const std::string& logPath, std::time_t now) const {
  if (::access(logPath.c_str(), F_OK) != 0) return {};
  return Adopt(logPath, logPath, now);
}

FileResult CBackupStore::Adopt(const std::string& logPath, const std::string& file,
                               std::time_t now) const {
  // link() would link a symbolic link itself, not the log it points at.
  std::string source;
  if (FileResult resolved = ResolveLinks(file, source); !resolved.ok) return resolved;
  struct stat info {};
  if (::stat(source.c_str(), &info) != 0) return FileResult::FromErrno();
  std::string folder;
  if (FileResult prepared = PrepareFolder(logPath, folder); !prepared.ok) return prepared;
  const std::string version = folder + '/' + VersionName(info.st_mtim);
  FileResult result;
  if (::access(version.c_str(), F_OK) == 0) {
    result = {};  // this very version is kept already
  } else if (::link(source.c_str(), version.c_str()) != 0) {
    result = CopyFile(source, version, info.st_mtim);
  }
  if (result.ok) Prune(folder, now);
  return result;
}

std::vector<BackupVersion> CBackupStore::List(const std::string& logPath) const {
  return ListFolder(FolderFor(logPath));
}

std::vector<BackupVersion> CBackupStore::ListFolder(const std::string& folder) {
  std::vector<BackupVersion> versions;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return versions;
  while (const dirent* item = ::readdir(dir)) {
    BackupVersion version;
    if (!ParseVersionName(item->d_name, version.time)) continue;
    version.path = folder + '/' + item->d_name;
    struct stat info {};
    if (::stat(version.path.c_str(), &info) == 0) version.size = info.st_size;
    versions.push_back(version);
  }
  ::closedir(dir);
  // Names sort as times do, the nanoseconds included.
  std::sort(versions.begin(), versions.end(),
            [](const BackupVersion& a, const BackupVersion& b) { return a.path > b.path; });
  return versions;
}

void CBackupStore::Prune(const std::string& folder, std::time_t now) {
  const std::vector<BackupVersion> versions = ListFolder(folder);
  std::vector<std::time_t> times;
  for (const BackupVersion& version : versions) times.push_back(version.time);
  const std::vector<bool> keep = VersionsToKeep(times, now);
  for (std::size_t i = 0; i < versions.size(); ++i) {
    if (!keep[i]) ::unlink(versions[i].path.c_str());
  }
}

}  // namespace aerodex
