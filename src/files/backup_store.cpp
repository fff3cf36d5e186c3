// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/backup_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>
#include <tuple>

#include "files/atomic_write.h"
#include "files/file_env.h"
#include "files/file_paths.h"
#include "files/file_stamp.h"

namespace aerodex {
namespace {

constexpr std::size_t kNewestKept = 10;
constexpr std::size_t kDaysKept = 30;
constexpr int kNameAttempts = 100;
constexpr const char* kOriginFile = "origin";
constexpr const char* kUntitledFolder = "Untitled";

// v000042-20261207T181445Z-5120-0123456789abcdef.adx: the sequence first, so
// that a folder listing reads in save order; the time in UTC so that names do
// not depend on the zone; the content's hash, so that a save need not read
// the newest version to know it holds the same.
std::string VersionName(std::uint64_t sequence, std::time_t saved, const std::string& hash) {
  std::tm utc{};
  ::gmtime_r(&saved, &utc);
  char text[64];
  std::snprintf(text, sizeof text, "v%06llu-%04d%02d%02dT%02d%02d%02dZ-",
                static_cast<unsigned long long>(sequence), utc.tm_year + 1900, utc.tm_mon + 1,
                utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  return text + hash + ".adx";
}

bool ParseUtc(const char* text, std::tm& utc, const char* format, int fields) {
  utc = {};
  char zone = 0;
  const int read = std::sscanf(text, format, &utc.tm_year, &utc.tm_mon, &utc.tm_mday, &utc.tm_hour,
                               &utc.tm_min, &utc.tm_sec, &zone);
  if (read != fields || zone != 'Z') return false;
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  return true;
}

// Both this scheme's names and the older 20261207T181445.123456789Z.adx.
bool ParseVersionName(const std::string& name, BackupVersion& version) {
  if (name.size() < 5 || name.compare(name.size() - 4, 4, ".adx") != 0) return false;
  std::tm utc{};
  if (name.front() == 'v') {
    unsigned long long sequence = 0;
    int used = 0, timeEnd = 0;
    if (std::sscanf(name.c_str(), "v%llu-%n", &sequence, &used) != 1 || used == 0 ||
        !ParseUtc(name.c_str() + used, utc, "%4d%2d%2dT%2d%2d%2d%c", 7) ||
        std::sscanf(name.c_str() + used, "%*15cZ-%n", &timeEnd) != 0 || timeEnd == 0) {
      return false;
    }
    version.sequence = sequence;
    const std::size_t hashStart = static_cast<std::size_t>(used + timeEnd);
    version.contentHash = name.substr(hashStart, name.size() - 4 - hashStart);
  } else if (name.size() != 30 || !ParseUtc(name.c_str(), utc, "%4d%2d%2dT%2d%2d%2d.%*9d%c", 7)) {
    return false;
  }
  version.time = ::timegm(&utc);
  return true;
}

bool NewerFirst(const BackupVersion& a, const BackupVersion& b) {
  return std::tie(a.sequence, a.time, a.path) > std::tie(b.sequence, b.time, b.path);
}

bool SameContent(CFileEnv& env, const std::string& a, const std::string& b) {
  struct stat infoA {
  }, infoB{};
  if (env.Stat(a, infoA) != 0 || env.Stat(b, infoB) != 0) return false;
  if (infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino) return true;
  if (infoA.st_size != infoB.st_size) return false;
  std::string bytesA, bytesB;
  return ReadWholeFile(a, bytesA, nullptr, env).ok && ReadWholeFile(b, bytesB, nullptr, env).ok &&
         bytesA == bytesB;
}

// Whether the version holds what source holds; versions named before names
// carried the hash are compared byte for byte.
bool IsSameAs(CFileEnv& env, const BackupVersion& version, const std::string& source,
              const std::string& hash) {
  if (!version.contentHash.empty()) return version.contentHash == hash;
  return SameContent(env, version.path, source);
}

// A copy where links fail, created exclusively so that two savers never
// write the same name; private unless the log itself is more open.
int CopyExclusively(CFileEnv& env, const std::string& from, const std::string& to, mode_t logMode) {
  std::string bytes;
  if (FileResult read = ReadWholeFile(from, bytes, nullptr, env); !read.ok) return EIO;
  const mode_t mode = 0600 | (logMode & 0066);
  const int fd = env.Open(to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
  if (fd < 0) return errno;
  int error = 0;
  // The umask must not close it further than the log.
  if (env.Fchmod(fd, mode) != 0 || !WriteAll(env, fd, bytes) || env.Fsync(fd) != 0) error = errno;
  if (env.Close(fd) != 0 && error == 0) error = errno;
  // The failure is what is reported; a half copy left would only be pruned later.
  if (error != 0) {
    [[maybe_unused]] const int removed = env.Unlink(to);
  }
  return error;
}

// Puts source in the folder as version `sequence` or the first free one
// after it; 0 or the errno of the failure.
int StoreVersion(CFileEnv& env, const std::string& source, const std::string& folder,
                 std::uint64_t sequence, std::time_t now, const std::string& hash, mode_t logMode) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt, ++sequence) {
    const std::string version = folder + '/' + VersionName(sequence, now, hash);
    if (env.Link(source, version) == 0) return 0;
    if (errno == EEXIST) continue;
    const int error = CopyExclusively(env, source, version, logMode);
    if (error != EEXIST) return error;
  }
  return EEXIST;
}

std::tuple<int, int, int> LocalDay(std::time_t time) {
  std::tm local{};
  ::localtime_r(&time, &local);
  return {local.tm_year, local.tm_mon, local.tm_mday};
}

}  // namespace

std::vector<bool> VersionsToKeep(const std::vector<std::time_t>& newestFirst) {
  std::vector<bool> keep(newestFirst.size(), false);
  std::set<std::tuple<int, int, int>> days;
  for (std::time_t time : newestFirst) days.insert(LocalDay(time));
  // The latest days that hold versions, whatever today's date says.
  while (days.size() > kDaysKept) days.erase(days.begin());
  for (std::size_t i = 0; i < newestFirst.size(); ++i) {
    const auto day = days.find(LocalDay(newestFirst[i]));
    if (i < kNewestKept) keep[i] = true;
    if (day != days.end()) {
      keep[i] = true;  // the newest of its day
      days.erase(day);
    }
  }
  return keep;
}

CBackupStore::CBackupStore(std::string root, CFileEnv& env) : root_(std::move(root)), env_(env) {}

std::string CBackupStore::DefaultRoot() { return UserDataFolder() + "/aerodex/backups"; }

std::string CBackupStore::FolderFor(const std::string& logPath) const {
  if (logPath.empty()) return root_ + '/' + kUntitledFolder;
  const std::string canonical = CanonicalPath(logPath, env_);
  return root_ + '/' + FitName("", NameOf(canonical), "-" + StableHash(canonical), 200);
}

FileResult CBackupStore::PrepareFolder(const std::string& logPath, std::string& folder) const {
  folder = FolderFor(logPath);
  if (FileResult made = MakePrivateFolder(folder, env_); !made.ok) return made;
  const std::string origin = folder + '/' + kOriginFile;
  // The log's full path, for a person looking through the folders: a help,
  // not a part of the versions, so failing to write it stops nothing.
  if (!logPath.empty() && env_.Access(origin, F_OK) != 0) {
    AtomicWriteOptions options;
    options.env = &env_;
    options.mode = 0600;
    [[maybe_unused]] const FileResult noted =
        WriteFileAtomically(origin, CanonicalPath(logPath, env_) + '\n', options);
  }
  return {};
}

FileResult CBackupStore::Keep(const std::string& logPath, std::time_t now,
                              const std::string& knownHash) const {
  if (env_.Access(logPath, F_OK) != 0) return {};
  return Adopt(logPath, logPath, now, knownHash);
}

FileResult CBackupStore::Adopt(const std::string& logPath, const std::string& file, std::time_t now,
                               const std::string& knownHash) const {
  // link() would link a symbolic link itself, not the log it points at.
  std::string source;
  if (FileResult resolved = ResolveLinks(file, source, env_); !resolved.ok) return resolved;
  struct stat info {};
  if (env_.Stat(source, info) != 0) return FileResult::FromErrno();
  std::string folder;
  if (FileResult prepared = PrepareFolder(logPath, folder); !prepared.ok) return prepared;
  std::string hash = knownHash;
  if (hash.empty()) {
    std::string bytes;
    if (FileResult read = ReadWholeFile(source, bytes, nullptr, env_); !read.ok) return read;
    hash = ContentHash(bytes);
  }
  const std::vector<BackupVersion> versions = ListFolder(folder);
  if (!versions.empty() && IsSameAs(env_, versions.front(), source, hash)) return {};
  const std::uint64_t next = versions.empty() ? 1 : versions.front().sequence + 1;
  if (const int error = StoreVersion(env_, source, folder, next, now, hash, info.st_mode);
      error != 0) {
    return FileResult::FromErrno(error);
  }
  Prune(folder);
  return {};
}

std::vector<BackupVersion> CBackupStore::List(const std::string& logPath) const {
  return ListFolder(FolderFor(logPath));
}

// A folder that cannot be listed holds no versions that anyone could use.
std::vector<BackupVersion> CBackupStore::ListFolder(const std::string& folder) const {
  std::vector<BackupVersion> versions;
  std::vector<std::string> names;
  if (env_.ListFolder(folder, names) != 0) return versions;
  for (const std::string& name : names) {
    BackupVersion version;
    if (!ParseVersionName(name, version)) continue;
    version.path = folder + '/' + name;
    struct stat info {};
    if (env_.Stat(version.path, info) == 0) version.size = info.st_size;
    versions.push_back(version);
  }
  std::sort(versions.begin(), versions.end(), NewerFirst);
  return versions;
}

// Pruning only saves room: a version that cannot be removed stays, harmless.
void CBackupStore::Prune(const std::string& folder) const {
  const std::vector<BackupVersion> versions = ListFolder(folder);
  std::vector<std::time_t> times;
  for (const BackupVersion& version : versions) times.push_back(version.time);
  const std::vector<bool> keep = VersionsToKeep(times);
  for (std::size_t i = 0; i < versions.size(); ++i) {
    if (!keep[i]) {
      [[maybe_unused]] const int removed = env_.Unlink(versions[i].path);
    }
  }
}

}  // namespace aerodex
