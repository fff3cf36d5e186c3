// SPDX-License-Identifier: GPL-3.0-or-later
// Running programs as separate processes, for tests of what happens between
// processes: two writers at once, a writer killed half-way.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

// Starts program with args; its standard error goes to errFile when given.
inline pid_t StartProcess(const std::string& program, const std::vector<std::string>& args,
                          const std::string& errFile = {}) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, 1);
  if (!errFile.empty()) {
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(err, 2);
  }
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

// The exit status, or 128 + the signal that ended the process.
inline int WaitForProcess(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
