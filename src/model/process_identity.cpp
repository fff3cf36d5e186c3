#include "model/process_identity.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

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

}  // namespace

std::uint64_t ProcessStartTicks(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return 0;
  // The command name in parentheses may hold blanks; fields count from its end.
  const auto close = line.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  for (int i = 3; i < 22 && fields >> field; ++i) {
  }
  std::uint64_t ticks = 0;
  fields >> ticks;
  return ticks;
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

bool IsProcessAlive(pid_t pid, std::uint64_t startTicks) {
  if (pid <= 0) return false;
  if (::kill(pid, 0) != 0 && errno != EPERM) return false;
  if (startTicks == 0) return true;
  const std::uint64_t now = ProcessStartTicks(pid);
  return now == 0 || now == startTicks;  // unreadable /proc: trust the id
}

}  // namespace aerodex
