// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/log_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>

#include "files/atomic_write.h"
#include "files/file_env.h"
#include "files/file_paths.h"
#include "files/file_stamp.h"

namespace aerodex {
namespace {

constexpr const char* kLockHeader = "aerodex lock";
constexpr int kAttempts = 5;

std::string LockText(const ProcessIdentity& self, std::time_t since) {
  std::ostringstream out;
  out << kLockHeader << "\nuser=" << self.user << "\nhost=" << self.host << "\npid=" << self.pid
      << "\nprocess-start=" << self.startTicks << "\nsince=" << since << '\n';
  return out.str();
}

// A lock file just opened, from its start; what cannot be read stays unknown.
std::string ReadSmallFile(CFileEnv& env, int fd) {
  std::string text;
  char buffer[1024];
  ssize_t n;
  while ((n = env.Read(fd, buffer, sizeof buffer)) > 0 && text.size() < 8192) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

LockHolder ParseLockText(const std::string& text) {
  LockHolder holder;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    try {
      if (key == "user") holder.process.user = value;
      if (key == "host") holder.process.host = value;
      if (key == "pid") holder.process.pid = static_cast<pid_t>(std::stol(value));
      if (key == "process-start") holder.process.startTicks = std::stoull(value);
      if (key == "since") holder.since = static_cast<std::time_t>(std::stoll(value));
    } catch (const std::exception&) {
      // A damaged field stays unknown; the flock still tells whether the holder lives.
    }
  }
  return holder;
}

bool SameFile(CFileEnv& env, int fd, const std::string& path) {
  const FileStamp open = StampOfOpenFile(fd, env), named = StampOf(path, env);
  return open.exists && named.exists && open.device == named.device && open.inode == named.inode;
}

// Whether the holder of a lock file whose flock could not be tested still runs.
bool HolderSeemsAlive(const LockHolder& holder, CFileEnv& env) {
  if (holder.process.host != ThisProcess().host) return true;  // cannot tell: assume so
  return IsProcessAlive(holder.process.pid, holder.process.startTicks, env);
}

std::string NotALockFile(const std::string& lockPath, mode_t mode) {
  const char* what = S_ISDIR(mode)    ? "a folder"
                     : S_ISLNK(mode)  ? "a symbolic link"
                     : S_ISFIFO(mode) ? "a named pipe"
                                      : "not a regular file";
  return "Its lock file " + lockPath + " is " + what + ".";
}

}  // namespace

std::string LockHolder::Describe() const {
  std::ostringstream out;
  out << (process.user.empty() ? "an unknown user" : process.user);
  if (!process.host.empty()) out << " on " << process.host;
  if (process.pid > 0) out << ", process " << process.pid;
  if (since > 0) {
    std::tm local{};
    ::localtime_r(&since, &local);
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour, local.tm_min);
    out << ", since " << local.tm_mon + 1 << '/' << local.tm_mday << '/' << local.tm_year + 1900
        << ' ' << clock;
  }
  return out.str();
}

std::string CLogLock::LockPathFor(const std::string& path, CFileEnv& env) {
  std::string target;
  const std::string absolute = AbsolutePath(path, env);
  if (!ResolveLinks(absolute, target, env).ok) target = absolute;
  const std::string folder = FolderOf(target);
  return folder + '/' + FitName(".", NameOf(target), ".lock", NameMaxOf(folder, env));
}

CLogLock::~CLogLock() { Release(); }

FileResult CLogLock::Acquire(const std::string& path) {
  switch (TryAcquire(path)) {
    case Outcome::kAcquired:
      return {};
    case Outcome::kHeld:
      return FileResult::Failure("It is open in aerodex (" + holder_.Describe() + ").",
                                 FileCode::kLockedByAnother);
    case Outcome::kUnlocked:
      break;
  }
  return FileResult::Failure(problem_, problemCode_);
}

void CLogLock::NoteProblem(std::string text, FileCode code) {
  problem_ = std::move(text);
  problemCode_ = code;
}

CLogLock::Outcome CLogLock::TryAcquire(const std::string& path) {
  const std::string lockPath = LockPathFor(path, env_);
  if (IsHeld() && lockPath == lockPath_) return Outcome::kAcquired;
  Release();
  lockPath_ = lockPath;
  holder_ = {};
  problem_.clear();
  problemCode_ = FileCode::kOk;
  if (!LockPathUsable()) return Outcome::kUnlocked;
  RemoveStaleTemporaries(lockPath_, env_);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int own = CreateTemporaryBeside(env_, lockPath_, 0644, ownTemp_);
    if (own < 0) {
      NoteProblem(ReasonFor(errno), CodeFor(errno));
      return Outcome::kUnlocked;
    }
    fd_ = own;
    const Outcome outcome = Attempt();
    DropOwnTemporary();
    if (outcome == Outcome::kAcquired) return outcome;
    env_.Close(fd_);  // never placed: nothing of it matters
    fd_ = -1;
    if (outcome == Outcome::kHeld || !problem_.empty()) return outcome;
  }
  NoteProblem("The lock file kept changing.", FileCode::kOther);
  return Outcome::kUnlocked;
}

// With fd_ open on a complete lock file of our own at ownTemp_: puts it in
// place, or finds who holds the lock. kUnlocked without a problem: try again.
CLogLock::Outcome CLogLock::Attempt() {
  // A file just made and named by no one else: its flock cannot be refused
  // where flock works, and where it does not the process id stands in.
  [[maybe_unused]] const int locked = env_.Flock(fd_, LOCK_EX | LOCK_NB);
  const std::string text = LockText(ThisProcess(), env_.Now());
  if (!WriteAll(env_, fd_, text)) {
    NoteProblem(ReasonFor(errno), CodeFor(errno));
    return Outcome::kUnlocked;
  }
  if (PlaceOwnLock(text)) return Outcome::kAcquired;
  if (errno != EEXIST) {
    NoteProblem(ReasonFor(errno), CodeFor(errno));
    return Outcome::kUnlocked;
  }
  // Never blocks (a FIFO planted at the name) and never follows a link.
  const int existing = env_.Open(lockPath_, O_RDONLY | O_NOFOLLOW | O_NONBLOCK, 0);
  if (existing < 0) {
    if (errno != ENOENT) LockPathUsable();  // says why; ENOENT: gone meanwhile, try again
    return Outcome::kUnlocked;
  }
  struct stat info {};
  if (env_.Fstat(existing, info) != 0 || !S_ISREG(info.st_mode)) {
    NoteProblem(NotALockFile(lockPath_, info.st_mode), FileCode::kNotRegularFile);
    env_.Close(existing);  // read-only
    return Outcome::kUnlocked;
  }
  const Outcome outcome = TakeOverOrReport(existing);
  env_.Close(existing);  // read-only; its flock goes with it
  return outcome;
}

// A hard link puts the complete file in place in one step, or fails when a
// lock file is there already. File systems without hard links get the file
// copied under the lock's name, created exclusively.
bool CLogLock::PlaceOwnLock(const std::string& text) {
  if (env_.Link(ownTemp_, lockPath_) == 0) return true;
  if (errno == EEXIST) return false;
  const int fd = env_.Open(lockPath_, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (fd < 0) return false;
  // Ours by O_EXCL: its flock is free, as in Attempt.
  [[maybe_unused]] const int locked = env_.Flock(fd, LOCK_EX | LOCK_NB);
  if (!WriteAll(env_, fd, text)) {
    const int error = errno;
    env_.Close(fd);
    [[maybe_unused]] const int removed =
        env_.Unlink(lockPath_);  // a half-written lock names no one
    errno = error;
    return false;
  }
  env_.Close(fd_);  // the temporary, no longer needed
  fd_ = fd;
  return true;
}

CLogLock::Outcome CLogLock::TakeOverOrReport(int existing) {
  holder_ = ParseLockText(ReadSmallFile(env_, existing));
  if (env_.Flock(existing, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK || HolderSeemsAlive(holder_, env_)) return Outcome::kHeld;
  }
  // The holder is gone. The flock we now have on its file keeps a second
  // newcomer from taking over at the same moment; the rename replaces the
  // stale file only if it is still the one we looked at.
  if (!SameFile(env_, existing, lockPath_)) return Outcome::kUnlocked;
  if (env_.Rename(ownTemp_, lockPath_) != 0) {
    NoteProblem(ReasonFor(errno), CodeFor(errno));
    return Outcome::kUnlocked;
  }
  ownTemp_.clear();
  holder_ = {};
  return Outcome::kAcquired;
}

// Anything at the lock's name that is not a lock file (a folder, a link, a
// FIFO) means that no lock can be made: said, never waited on or followed.
bool CLogLock::LockPathUsable() {
  struct stat info {};
  if (env_.Lstat(lockPath_, info) != 0) {
    if (errno == ENOENT) return true;
    NoteProblem(ReasonFor(errno), CodeFor(errno));
    return false;
  }
  if (S_ISREG(info.st_mode)) return true;
  NoteProblem(NotALockFile(lockPath_, info.st_mode), FileCode::kNotRegularFile);
  return false;
}

void CLogLock::Release() {
  if (fd_ < 0) return;
  // Removed while still locked, and only when it is still ours. A lock file
  // that cannot be removed is stale once its flock is gone: the next one
  // takes it over.
  if (SameFile(env_, fd_, lockPath_)) {
    [[maybe_unused]] const int removed = env_.Unlink(lockPath_);
  }
  env_.Close(fd_);  // written and synced nothing worth keeping
  fd_ = -1;
}

void CLogLock::DropOwnTemporary() {
  // Already renamed or linked into place, or never made when empty; a stray
  // one belongs to this process and goes with the next lock's tidying.
  if (!ownTemp_.empty()) {
    [[maybe_unused]] const int removed = env_.Unlink(ownTemp_);
  }
  ownTemp_.clear();
}

}  // namespace aerodex
