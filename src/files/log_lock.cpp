// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/log_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>

#include "files/atomic_write.h"
#include "files/file_layer.h"
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

std::string ReadSmallFile(int fd) {
  std::string text;
  char buffer[1024];
  ssize_t n;
  while ((n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0 &&
         text.size() < 8192) {
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

bool SameFile(int fd, const std::string& path) {
  const FileStamp open = StampOfOpenFile(fd), named = StampOf(path);
  return open.exists && named.exists && open.device == named.device && open.inode == named.inode;
}

// Whether the holder of a lock file whose flock could not be tested still runs.
bool HolderSeemsAlive(const LockHolder& holder) {
  if (holder.process.host != ThisProcess().host) return true;  // cannot tell: assume so
  return IsProcessAlive(holder.process.pid, holder.process.startTicks);
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

std::string CLogLock::LockPathFor(const std::string& path) {
  std::string target;
  if (!ResolveLinks(AbsolutePath(path), target).ok) target = AbsolutePath(path);
  const std::string folder = FolderOf(target);
  return folder + '/' + FitName(".", NameOf(target), ".lock", NameMaxOf(folder));
}

CLogLock::~CLogLock() { Release(); }

CLogLock::Outcome CLogLock::Acquire(const std::string& path) {
  const std::string lockPath = LockPathFor(path);
  if (IsHeld() && lockPath == lockPath_) return Outcome::kAcquired;
  Release();
  lockPath_ = lockPath;
  holder_ = {};
  problem_.clear();
  if (!LockPathUsable()) return Outcome::kUnlocked;
  RemoveStaleTemporaries(lockPath_);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int own = CreateTemporaryBeside(DefaultFileLayer(), lockPath_, 0644, ownTemp_);
    if (own < 0) {
      problem_ = ReasonFor(errno);
      return Outcome::kUnlocked;
    }
    fd_ = own;
    const Outcome outcome = Attempt();
    if (!ownTemp_.empty()) ::unlink(ownTemp_.c_str());
    ownTemp_.clear();
    if (outcome == Outcome::kAcquired) return outcome;
    ::close(fd_);
    fd_ = -1;
    if (outcome == Outcome::kHeld || !problem_.empty()) return outcome;
  }
  problem_ = "The lock file kept changing.";
  return Outcome::kUnlocked;
}

// With fd_ open on a complete lock file of our own at ownTemp_: puts it in
// place, or finds who holds the lock. kUnlocked without a problem: try again.
CLogLock::Outcome CLogLock::Attempt() {
  ::flock(fd_, LOCK_EX | LOCK_NB);
  const std::string text = LockText(ThisProcess(), std::time(nullptr));
  if (!WriteAll(DefaultFileLayer(), fd_, text)) {
    problem_ = ReasonFor(errno);
    return Outcome::kUnlocked;
  }
  if (PlaceOwnLock(text)) return Outcome::kAcquired;
  if (errno != EEXIST) {
    problem_ = ReasonFor(errno);
    return Outcome::kUnlocked;
  }
  // Never blocks (a FIFO planted at the name) and never follows a link.
  const int existing = ::open(lockPath_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (existing < 0) {
    if (errno != ENOENT) LockPathUsable();  // says why; ENOENT: gone meanwhile, try again
    return Outcome::kUnlocked;
  }
  struct stat info {};
  if (::fstat(existing, &info) != 0 || !S_ISREG(info.st_mode)) {
    problem_ = NotALockFile(lockPath_, info.st_mode);
    ::close(existing);
    return Outcome::kUnlocked;
  }
  const Outcome outcome = TakeOverOrReport(existing);
  ::close(existing);
  return outcome;
}

// A hard link puts the complete file in place in one step, or fails when a
// lock file is there already. File systems without hard links get the file
// copied under the lock's name, created exclusively.
bool CLogLock::PlaceOwnLock(const std::string& text) {
  if (::link(ownTemp_.c_str(), lockPath_.c_str()) == 0) return true;
  if (errno == EEXIST) return false;
  const int fd = ::open(lockPath_.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ::flock(fd, LOCK_EX | LOCK_NB);
  WriteAll(DefaultFileLayer(), fd, text);
  ::close(fd_);
  fd_ = fd;
  return true;
}

CLogLock::Outcome CLogLock::TakeOverOrReport(int existing) {
  holder_ = ParseLockText(ReadSmallFile(existing));
  if (::flock(existing, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK || HolderSeemsAlive(holder_)) return Outcome::kHeld;
  }
  // The holder is gone. The flock we now have on its file keeps a second
  // newcomer from taking over at the same moment; the rename replaces the
  // stale file only if it is still the one we looked at.
  if (!SameFile(existing, lockPath_)) return Outcome::kUnlocked;
  if (::rename(ownTemp_.c_str(), lockPath_.c_str()) != 0) {
    problem_ = ReasonFor(errno);
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
  if (::lstat(lockPath_.c_str(), &info) != 0) {
    if (errno == ENOENT) return true;
    problem_ = ReasonFor(errno);
    return false;
  }
  if (S_ISREG(info.st_mode)) return true;
  problem_ = NotALockFile(lockPath_, info.st_mode);
  return false;
}

void CLogLock::Release() {
  if (fd_ < 0) return;
  // Removed while still locked, and only when it is still ours.
  if (SameFile(fd_, lockPath_)) ::unlink(lockPath_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace aerodex
