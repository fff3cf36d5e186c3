// SPDX-License-Identifier: GPL-3.0-or-later
// CLogLock: one writer at a time for a log. While a window has a log open, or
// aerodex-cli writes it, a small lock file beside the log (beside the file
// its links end at) names the holder: user, host, process id and since when.
// The holder keeps an advisory lock (flock) on that file, which the system
// drops when the process ends however it ends; so a lock file whose flock is
// free was left by a crash and is taken over without asking. Where a file
// system has no flock, the process id is checked on this host instead.
#pragma once

#include <ctime>
#include <memory>
#include <string>

#include "files/file_env.h"
#include "files/file_result.h"
#include "files/process_identity.h"

namespace aerodex {

struct LockHolder {
  ProcessIdentity process;
  std::time_t since = 0;

  // "root on host1, process 4242, since 12/7/2026 18:14"
  std::string Describe() const;
};

class CLogLock {
 public:
  explicit CLogLock(CFileEnv& env = DefaultFileEnv()) : env_(env) {}
  ~CLogLock();
  CLogLock(const CLogLock&) = delete;
  CLogLock& operator=(const CLogLock&) = delete;

  // Tries to lock the log at path (which need not exist yet). ok: this
  // object holds the lock now; kLockedByAnother: a live process holds it (see
  // Holder()); any other failure: no lock could be made (a read-only folder,
  // something else at the lock's name), the reason is also Problem() and the
  // log is not locked.
  FileResult Acquire(const std::string& path);
  // Gives the lock up and removes the lock file; nothing when not held.
  void Release();

  bool IsHeld() const { return fd_ >= 0; }
  // Who holds the lock after Acquire answered kLockedByAnother.
  const LockHolder& Holder() const { return holder_; }
  // Why no lock could be made, after any other failure; empty otherwise.
  const std::string& Problem() const { return problem_; }
  const std::string& LockPath() const { return lockPath_; }

  // The lock file's name for the log at path (links followed).
  static std::string LockPathFor(const std::string& path, CFileEnv& env = DefaultFileEnv());

 private:
  enum class Outcome { kAcquired, kHeld, kUnlocked };
  Outcome TryAcquire(const std::string& path);
  void NoteProblem(std::string text, FileCode code);
  Outcome Attempt();
  Outcome TakeOverOrReport(int existing);
  bool PlaceOwnLock(const std::string& text);
  bool LockPathUsable();
  void DropOwnTemporary();

  CFileEnv& env_;
  std::string lockPath_;
  int fd_ = -1;
  std::string ownTemp_;
  LockHolder holder_;
  std::string problem_;
  FileCode problemCode_ = FileCode::kOk;
};

}  // namespace aerodex
