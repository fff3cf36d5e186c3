// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/process_identity.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "files/file_env.h"

namespace aerodex {
namespace {

std::string UserName() {
  if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) return entry->pw_name;
  if (const char* name = std::getenv("USER"); name && *name) return name;
  return std::to_string(::geteuid());
}

std::string HostName() {
  char buffer[HOST_NAME_MAX + 1] = {};
  if (::gethostname(buffer, sizeof buffer - 1) != 0 || !buffer[0]) return "localhost";
  return buffer;
}

// The state letter and start time of a process from /proc/PID/stat; false
// when there is no such process or it cannot be read.
bool ReadProcessStat(CFileEnv& env, pid_t pid, char& state, std::uint64_t& startTicks) {
  std::string line;
  if (!ReadWholeFile("/proc/" + std::to_string(pid) + "/stat", line, nullptr, env).ok) {
    return false;
  }
  // The command name in parentheses may hold blanks; fields count from its end.
  const auto close = line.rfind(')');
  if (close == std::string::npos || close + 2 >= line.size()) return false;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  fields >> state;
  for (int i = 4; i < 22 && fields >> field; ++i) {
  }
  fields >> startTicks;
  return !fields.fail();
}

}  // namespace

std::uint64_t ProcessStartTicks(pid_t pid, CFileEnv& env) {
  char state = 0;
  std::uint64_t ticks = 0;
  return ReadProcessStat(env, pid, state, ticks) ? ticks : 0;
}

const ProcessIdentity& ThisProcess() {
  // pid changes in a forked child, so it is never cached with the rest.
  static const ProcessIdentity base{UserName(), HostName(), 0, 0};
  thread_local ProcessIdentity self;
  if (self.pid != ::getpid()) {
    self = base;
    self.pid = ::getpid();
    self.startTicks = ProcessStartTicks(self.pid);
  }
  return self;
}

bool IsProcessAlive(pid_t pid, std::uint64_t startTicks, CFileEnv& env) {
  if (pid <= 0) return false;
  if (env.Kill(pid, 0) != 0 && errno != EPERM) return false;
  char state = 0;
  std::uint64_t ticks = 0;
  if (!ReadProcessStat(env, pid, state, ticks)) return true;  // no /proc to ask: trust the id
  // A killed process stays a zombie until its parent collects it.
  if (state == 'Z' || state == 'X') return false;
  return startTicks == 0 || ticks == startTicks;
}

}  // namespace aerodex
