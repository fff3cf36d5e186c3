// SPDX-License-Identifier: GPL-3.0-or-later
// Who this process is, as written into lock files and recovery snapshots, and
// whether a process named in such a file is still running on this host. The
// start time read from /proc tells a live process from a later one that
// happens to have been given the same process id.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace aerodex {

class CFileEnv;
CFileEnv& DefaultFileEnv();

struct ProcessIdentity {
  std::string user;
  std::string host;
  pid_t pid = 0;
  std::uint64_t startTicks = 0;  // 0 when unknown
};

const ProcessIdentity& ThisProcess();

// When process pid started, in the kernel's clock ticks since boot; 0 when
// there is no such process or it cannot be read.
std::uint64_t ProcessStartTicks(pid_t pid, CFileEnv& env = DefaultFileEnv());

// True while a process with this id runs here and, when startTicks is known,
// is the one that started then.
bool IsProcessAlive(pid_t pid, std::uint64_t startTicks, CFileEnv& env = DefaultFileEnv());

}  // namespace aerodex
