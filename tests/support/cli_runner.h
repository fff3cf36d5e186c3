// SPDX-License-Identifier: GPL-3.0-or-later
// Runs aerodex-cli in-process and captures what it prints.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun RunCli(std::vector<std::string> args) {
  std::FILE* out = std::tmpfile();
  ::testing::internal::CaptureStderr();
  const int status = aerodex::cli::Main(args, out);
  CliRun run{status, {}, ::testing::internal::GetCapturedStderr()};
  std::rewind(out);
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
    run.out.append(buffer, n);
  std::fclose(out);
  return run;
}
