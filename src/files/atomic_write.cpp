// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <vector>

#include "files/file_paths.h"
#include "files/process_identity.h"

namespace aerodex {
namespace {

constexpr const char* kSavingMark = ".saving-";

std::string RandomHex() {
  static std::mt19937_64 generator{std::random_device{}()};
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(generator()));
  return text;
}

// The new file takes over the old one's permissions and, where the system
// allows it, its owner and group.
FileResult CopyOwnership(CFileEnv& env, int fd, const struct stat& old) {
  if (env.Fchmod(fd, old.st_mode & 07777) != 0) return FileResult::FromErrno();
  // Only root may give a file away; the group alone is the best anyone else
  // can do, and not even that is a reason to refuse the save.
  if (env.Fchown(fd, old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] const int groupOnly = env.Fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  return {};
}

// Makes the rename itself durable. Some file systems refuse to sync a
// folder; the new file is complete and in place by then, so that is not a failure.
void SyncFolder(CFileEnv& env, const std::string& folder) {
  const int fd = env.Open(folder, O_RDONLY | O_DIRECTORY, 0);
  if (fd < 0) return;
  [[maybe_unused]] const int synced = env.Fsync(fd);
  env.Close(fd);  // opened read-only: nothing to lose
}

FileResult WriteTemporary(CFileEnv& env, int fd, const std::string& bytes) {
  int error = 0;
  if (!WriteAll(env, fd, bytes) || env.Fsync(fd) != 0) error = errno;
  if (env.Close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? FileResult{} : FileResult::FromErrno(error);
}

// The process id inside a temporary file's name, or 0 when the name is not
// one of ours: PREFIX + pid + '-' + hex, or the older NAME.saving-pid.
pid_t OwnerOfTemporary(const std::string& name, const std::string& prefix,
                       const std::string& olderPrefix) {
  std::string rest;
  if (name.rfind(prefix, 0) == 0) {
    rest = name.substr(prefix.size());
  } else if (name.rfind(olderPrefix, 0) == 0) {
    rest = name.substr(olderPrefix.size());
  } else {
    return 0;
  }
  std::size_t digits = 0;
  while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
  if (digits == 0 || digits > 9) return 0;
  const std::string tail = rest.substr(digits);
  const bool newer = tail.size() == 9 && tail[0] == '-';
  if (!newer && !tail.empty()) return 0;
  return static_cast<pid_t>(std::stol(rest.substr(0, digits)));
}

}  // namespace

std::string TemporaryPrefix(const std::string& target, CFileEnv& env) {
  // Room for the process id and the random part: "-" + 10 digits + "-" + 8 hex.
  constexpr std::size_t kSuffixRoom = 20;
  const std::size_t max = NameMaxOf(FolderOf(target), env);
  return FitName(".", NameOf(target), kSavingMark, max > kSuffixRoom ? max - kSuffixRoom : max);
}

// A name no one else has; O_EXCL also refuses a link planted at the name.
int CreateTemporaryBeside(CFileEnv& env, const std::string& target, mode_t mode,
                          std::string& temp) {
  const std::string folder = FolderOf(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string suffix = std::to_string(::getpid()) + '-' + RandomHex();
    temp = folder + '/' + TemporaryPrefix(target, env) + suffix;
    const int fd = env.Open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Tidying only: a temporary that cannot be listed or removed harms nothing.
void RemoveStaleTemporaries(const std::string& target, CFileEnv& env) {
  const std::string folder = FolderOf(target);
  const std::string prefix = TemporaryPrefix(target, env);
  const std::string olderPrefix = NameOf(target) + kSavingMark;
  std::vector<std::string> names;
  if (env.ListFolder(folder, names) != 0) return;
  for (const std::string& name : names) {
    const pid_t owner = OwnerOfTemporary(name, prefix, olderPrefix);
    if (owner > 0 && owner != ::getpid() && !IsProcessAlive(owner, 0, env)) {
      [[maybe_unused]] const int removed = env.Unlink(folder + '/' + name);
    }
  }
}

FileResult CheckReplaceable(const std::string& target, CFileEnv& env) {
  struct stat info {};
  if (env.Stat(target, info) != 0) return errno == ENOENT ? FileResult{} : FileResult::FromErrno();
  if (!S_ISREG(info.st_mode)) {
    return FileResult::Failure("It is not a regular file.", FileCode::kNotRegularFile);
  }
  // A log marked read-only is the user's word, even where the system would let
  // the owner (or root) replace it.
  if ((info.st_mode & 0222) == 0) {
    return FileResult::Failure("The file is read-only.", FileCode::kReadOnly);
  }
  if (env.Access(target, W_OK) != 0) return FileResult::FromErrno();
  return {};
}

FileResult WriteFileAtomically(const std::string& path, const std::string& bytes,
                               const AtomicWriteOptions& options) {
  CFileEnv& env = *options.env;
  std::string target;
  if (FileResult resolved = ResolveLinks(path, target, env); !resolved.ok) return resolved;
  if (FileResult allowed = CheckReplaceable(target, env); !allowed.ok) return allowed;
  RemoveStaleTemporaries(target, env);

  struct stat old {};
  const bool replacing = env.Stat(target, old) == 0;
  std::string temp;
  const int fd = CreateTemporaryBeside(env, target, replacing ? 0600 : 0666, temp);
  if (fd < 0) return FileResult::FromErrno();
  FileResult result = replacing ? CopyOwnership(env, fd, old) : FileResult{};
  if (result.ok && options.mode && env.Fchmod(fd, *options.mode) != 0) {
    result = FileResult::FromErrno();
  }
  if (result.ok) {
    result = WriteTemporary(env, fd, bytes);
  } else {
    env.Close(fd);  // failing already; the file goes below
  }
  if (result.ok && replacing && options.beforeReplace) options.beforeReplace(target);
  if (result.ok && env.Rename(temp, target) != 0) result = FileResult::FromErrno();
  if (!result.ok) {
    // The failure is what the user must read; a temporary that stays is a
    // dead process's by the next save, which removes it.
    [[maybe_unused]] const int removed = env.Unlink(temp);
    return result;
  }
  SyncFolder(env, FolderOf(target));
  return {};
}

}  // namespace aerodex
