// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <cerrno>
#include <iostream>

#include "files/atomic_write.h"
#include "files/file_env.h"

namespace aerodex::cli {
namespace {

const OptionSpec* FindOption(std::initializer_list<OptionSpec> known, std::string_view name) {
  for (const OptionSpec& option : known) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

bool LooksLikeOption(const std::string& arg) { return arg.size() > 1 && arg.front() == '-'; }

}  // namespace

bool ParsedArgs::Has(std::string_view name) const { return Value(name).has_value(); }

std::optional<std::string> ParsedArgs::Value(std::string_view name) const {
  std::optional<std::string> value;
  for (const auto& [option, given] : options) {
    if (option == name) value = given;
  }
  return value;
}

ParsedArgs ParseArgs(Args args, std::initializer_list<OptionSpec> known) {
  ParsedArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") {
      parsed.files.insert(parsed.files.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    if (!LooksLikeOption(args[i])) {
      parsed.files.push_back(args[i]);
      continue;
    }
    const OptionSpec* option = FindOption(known, args[i]);
    if (option == nullptr) {
      parsed.error = "unknown option '" + args[i] + "'";
      break;
    }
    if (!option->takesValue) {
      parsed.options.emplace_back(args[i], std::string());
    } else if (i + 1 < args.size()) {
      parsed.options.emplace_back(args[i], args[i + 1]);
      ++i;
    } else {
      parsed.error = args[i] + " needs a value";
      break;
    }
  }
  return parsed;
}

bool AsksForHelp(Args args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

std::optional<std::time_t> NowValue(const ParsedArgs& parsed, std::string& error) {
  const std::optional<std::string> text = parsed.Value("--now");
  if (!text) return std::nullopt;
  const std::optional<std::time_t> now = ParseLocalTime(*text);
  if (!now) error = "--now takes a local time written \"YYYY-MM-DD HH:MM:SS\", not '" + *text + "'";
  return now;
}

int FileFailure(const std::string& path, const std::string& message) {
  std::cerr << "aerodex-cli: " << (IsStdStream(path) ? "standard input" : path) << ": " << message
            << '\n';
  return kFailure;
}

FileResult ReadInput(const std::string& path, std::string& bytes, CFileEnv& env) {
  if (!IsStdStream(path)) return ReadWholeFile(path, bytes, nullptr, env);
  bytes.clear();
  char buffer[1 << 16];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
    bytes.append(buffer, n);
  if (std::ferror(stdin)) return FileResult::FromErrno(errno != 0 ? errno : EIO);
  return {};
}

bool WriteOutput(const std::string& path, std::string_view bytes, std::FILE* out) {
  FileResult written;
  if (IsStdStream(path)) {
    errno = 0;
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    if (std::fflush(out) != 0 || std::ferror(out)) {
      written = FileResult::FromErrno(errno != 0 ? errno : EIO);
    }
  } else {
    written = WriteFileAtomically(path, std::string(bytes));
  }
  if (written.ok) return true;
  FileFailure(IsStdStream(path) ? "standard output" : path,
              WithReason("Failed to write the file.", written.message));
  return false;
}

}  // namespace aerodex::cli
