// SPDX-License-Identifier: GPL-3.0-or-later
// What aerodex answers from its command line alone: --help, --version and a
// command line it cannot read. They are answered before any window exists,
// so they work without a display.
#pragma once

#include <optional>
#include <string>

namespace aerodex {

struct ProgramInfo {
  std::string text;
  int exitStatus = 0;  // 0: the text goes to standard output; 2: a usage error for standard error
};

// The answer when the arguments ask for help or the version or cannot be read.
std::optional<ProgramInfo> ProgramInfoRequested(int argc, const char* const* argv);

}  // namespace aerodex
