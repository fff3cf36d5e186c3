// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of one aerodex-cli subcommand, read the usual way: options
// are known by name, with or without a value, and may come anywhere among the
// files; "--" ends the options, so that a file may begin with a dash; "-"
// alone is a file, standing for standard input or output.
#pragma once

#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "files/file_env.h"
#include "files/file_result.h"

namespace aerodex::cli {

struct OptionSpec {
  std::string_view name;
  bool takesValue = false;
};

struct ParsedArgs {
  std::vector<std::string> files;
  std::vector<std::pair<std::string, std::string>> options;  // name, value ("" for a flag)
  std::string error;                                         // not empty: a usage error

  bool Has(std::string_view name) const;
  // The value the option was last given, if it was given.
  std::optional<std::string> Value(std::string_view name) const;
};

ParsedArgs ParseArgs(Args args, std::initializer_list<OptionSpec> known);

// True when --help or -h comes before any "--".
bool AsksForHelp(Args args);

// "-" as a file: standard input where a command reads, standard output where it writes.
inline bool IsStdStream(const std::string& path) { return path == "-"; }

// --now "YYYY-MM-DD HH:MM:SS", when given; a usage error's text in error otherwise.
std::optional<std::time_t> NowValue(const ParsedArgs& parsed, std::string& error);

// A failure about one file, the file named first ("-": standard input):
// "aerodex-cli: log.adx: Failed to open document. Is a directory." Returns kFailure.
int FileFailure(const std::string& path, const std::string& message);

// Reads the whole of standard input ("-") or of the file at path.
FileResult ReadInput(const std::string& path, std::string& bytes, CFileEnv& env = DefaultFileEnv());

// Writes bytes to standard output (out), or atomically to the file at path;
// false with the failure printed.
bool WriteOutput(const std::string& path, std::string_view bytes, std::FILE* out);

}  // namespace aerodex::cli
