// What `aerodex --help` and `aerodex --version` print. They are answered
// before any window exists, so they work without a display.
#pragma once

#include <optional>
#include <string>

namespace aerodex {

// The text to print when the first argument asks for help or the version.
std::optional<std::string> ProgramInfoRequested(int argc, const char* const* argv);

}  // namespace aerodex
