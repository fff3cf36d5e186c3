// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/log_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "files/process_identity.h"
#include "support/scratch_folder.h"

using aerodex::CLogLock;
using aerodex::FileCode;

namespace {

// What an attempt ended in, as the tests name it.
FileCode Locking(CLogLock& lock, const std::string& log) { return lock.Acquire(log).code; }

}  // namespace

TEST(LogLockTest, OneHolderAtATimeNamedToTheOthers) {
  ScratchFolder dir;
  const std::string log = dir / "log.adx";
  CLogLock first, second;
  ASSERT_EQ(Locking(first, log), FileCode::kOk);
  EXPECT_TRUE(std::filesystem::exists(first.LockPath()));
  ASSERT_EQ(Locking(second, log), FileCode::kLockedByAnother);
  EXPECT_EQ(second.Holder().process.pid, ::getpid());
  EXPECT_EQ(second.Holder().process.user, aerodex::ThisProcess().user);
  EXPECT_NE(second.Holder().Describe().find("process " + std::to_string(::getpid()) + ", since "),
            std::string::npos);
  first.Release();
  EXPECT_FALSE(std::filesystem::exists(first.LockPath()));
  EXPECT_EQ(Locking(second, log), FileCode::kOk);
}

TEST(LogLockTest, ALinkedLogIsLockedBesideItsTarget) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir / "real");
  Spit(dir / "real/log.adx", "");
  std::filesystem::create_symlink("real/log.adx", dir / "link.adx");
  CLogLock viaLink, direct;
  ASSERT_EQ(Locking(viaLink, dir / "link.adx"), FileCode::kOk);
  EXPECT_EQ(Locking(direct, dir / "real/log.adx"), FileCode::kLockedByAnother);
}

TEST(LogLockTest, ALockLeftByACrashIsTakenOverWithoutAsking) {
  ScratchFolder dir;
  const std::string log = dir / "log.adx";
  Spit(CLogLock::LockPathFor(log),
       "aerodex lock\nuser=someone\nhost=" + aerodex::ThisProcess().host +
           "\npid=" + std::to_string(EndedProcessId()) + "\nsince=1\n");
  CLogLock lock;
  EXPECT_EQ(Locking(lock, log), FileCode::kOk);
  CLogLock other;
  ASSERT_EQ(Locking(other, log), FileCode::kLockedByAnother);
  EXPECT_EQ(other.Holder().process.pid, ::getpid());  // the new lock is ours
}

TEST(LogLockTest, ALongNameGetsALockThatFits) {
  ScratchFolder dir;
  const std::string log = dir / (std::string(250, 'x') + ".adx");
  CLogLock lock;
  ASSERT_EQ(Locking(lock, log), FileCode::kOk);
  EXPECT_LE(std::filesystem::path(lock.LockPath()).filename().string().size(), 255u);
}

TEST(LogLockTest, AKilledProcessNotYetCollectedCountsAsGone) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  // Until it is waited for, the child is a zombie that kill(pid, 0) still finds.
  for (int i = 0; i < 200 && aerodex::IsProcessAlive(child, 0); ++i) ::usleep(5000);
  EXPECT_FALSE(aerodex::IsProcessAlive(child, 0));
  EXPECT_EQ(::kill(child, 0), 0);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(aerodex::IsProcessAlive(::getpid(), aerodex::ThisProcess().startTicks));
}

// Something at the lock's name that is no lock file: no lock, a reason, no
// hang on a FIFO, nothing of ours left behind.
TEST(LogLockTest, WhatIsNoLockFileIsAProblemNeverAWait) {
  ScratchFolder dir;
  const std::string log = dir / "log.adx";
  const std::string lockPath = CLogLock::LockPathFor(log);
  const auto tryWith = [&](const std::function<void()>& plant, const std::string& what) {
    std::filesystem::remove_all(lockPath);
    plant();
    const auto before = dir.Names();
    CLogLock lock;
    EXPECT_EQ(Locking(lock, log), FileCode::kNotRegularFile) << what;
    EXPECT_NE(lock.Problem().find(what), std::string::npos) << lock.Problem();
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_EQ(dir.Names(), before) << what;
  };
  tryWith([&] { ASSERT_EQ(::mkfifo(lockPath.c_str(), 0644), 0); }, "a named pipe");
  tryWith([&] { std::filesystem::create_directory(lockPath); }, "a folder");
  tryWith([&] { std::filesystem::create_symlink(dir / "elsewhere", lockPath); }, "a symbolic link");
}
