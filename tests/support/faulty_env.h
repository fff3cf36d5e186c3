// SPDX-License-Identifier: GPL-3.0-or-later
// A file environment that fails the nth call of one kind, and the sweep that
// runs a scenario with the 1st, 2nd, ... call of each kind failing in turn
// until the scenario no longer meets the failure.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <iterator>
#include <string>

#include "files/file_env.h"
#include "files/file_result.h"

enum class Kind { kWrite, kFsync, kRename, kLink, kFlock, kMkdir, kRead };
constexpr Kind kKinds[] = {Kind::kWrite, Kind::kFsync, Kind::kRename, Kind::kLink,
                           Kind::kFlock, Kind::kMkdir, Kind::kRead};

class FaultyEnv final : public aerodex::CFileEnv {
 public:
  void Arm(Kind kind, int nth) {
    kind_ = kind;
    left_ = nth;
    hit_ = false;
  }
  void Disarm() { left_ = 0; }
  bool Hit() const { return hit_; }

  ssize_t Read(int fd, void* data, std::size_t size) override {
    return Fail(Kind::kRead, EIO) ? -1 : CFileEnv::Read(fd, data, size);
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return Fail(Kind::kWrite, ENOSPC) ? -1 : CFileEnv::Write(fd, data, size);
  }
  int Fsync(int fd) override { return Fail(Kind::kFsync, EIO) ? -1 : CFileEnv::Fsync(fd); }
  int Rename(const std::string& from, const std::string& to) override {
    return Fail(Kind::kRename, EACCES) ? -1 : CFileEnv::Rename(from, to);
  }
  int Link(const std::string& from, const std::string& to) override {
    return Fail(Kind::kLink, EPERM) ? -1 : CFileEnv::Link(from, to);
  }
  int Flock(int fd, int operation) override {
    return Fail(Kind::kFlock, ENOLCK) ? -1 : CFileEnv::Flock(fd, operation);
  }
  int Mkdir(const std::string& path, mode_t mode) override {
    return Fail(Kind::kMkdir, ENOSPC) ? -1 : CFileEnv::Mkdir(path, mode);
  }

 private:
  bool Fail(Kind kind, int error) {
    if (left_ == 0 || kind != kind_ || --left_ != 0) return false;
    hit_ = true;
    errno = error;
    return true;
  }
  Kind kind_ = Kind::kRead;
  int left_ = 0;
  bool hit_ = false;
};

inline void SweepFaults(const FaultyEnv& env, const std::function<void(Kind, int)>& scenario) {
  int met[std::size(kKinds)] = {};
  for (Kind kind : kKinds) {
    for (int nth = 1; nth < 500; ++nth) {
      SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + ", call " +
                   std::to_string(nth));
      scenario(kind, nth);
      if (!env.Hit()) break;
      ++met[static_cast<int>(kind)];
    }
  }
  // A sweep that meets no failure proves nothing.
  EXPECT_GE(std::count_if(std::begin(met), std::end(met), [](int n) { return n > 0; }), 3);
}

// The system error whose reason a failure message names; 0 for none of those
// the environment fails with.
inline int ErrorNamedIn(const std::string& message) {
  for (int error : {ENOSPC, EIO, EACCES, EPERM, ENOLCK}) {
    if (message.find(aerodex::ReasonFor(error)) != std::string::npos) return error;
  }
  return 0;
}
