// SPDX-License-Identifier: GPL-3.0-or-later
// aerodex-cli: the subcommands and the helpers they share.
// Exit codes: 0 success; 1 failure, with the message on stderr; 2 usage error.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "files/file_env.h"
#include "model/clock.h"
#include "model/document.h"
#include "model/log_session.h"

namespace aerodex::cli {

constexpr int kOk = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

using Args = std::span<const std::string>;

struct Command {
  const char* name;
  const char* synopsis;  // the arguments after the name
  const char* help;      // one paragraph
  int (*run)(Args args, std::FILE* out);
};

// Every subcommand, in the order --help lists them.
std::span<const Command> Commands();

// Runs aerodex-cli with the arguments after the program name.
int Main(Args args, std::FILE* out);

// A usage error: prints the message and the command's synopsis, returns kUsage.
int UsageError(const Command& command, const std::string& message);
const Command& FindCommand(const char* name);

// A document for one command, talking to stderr, with the clock of --now if given.
// Each command is a run of its own.
struct LoadedLog {
  std::unique_ptr<aerodex::Clock> clock;
  std::unique_ptr<CProgramRun> run;
  std::unique_ptr<CAerodexDoc> doc;
};
LoadedLog NewLog(std::optional<std::time_t> now = std::nullopt);
// Opens path ("-": standard input) into log.doc; on failure prints the
// message, the file named first, and returns false.
bool OpenLog(LoadedLog& log, const std::string& path, CFileEnv& env = DefaultFileEnv());

// Where a writing command reads and keeps the log: the user's own folders
// and the real file system, unless a test puts faults or scratch folders here.
struct LogKeeping {
  CFileEnv* env = &DefaultFileEnv();
  SessionFolders folders;
};

int RunDump(Args args, std::FILE* out);
int RunResave(Args args, std::FILE* out);
int RunCsv(Args args, std::FILE* out);
int RunCurrency(Args args, std::FILE* out);
int RunStatus(Args args, std::FILE* out);
int RunImport(Args args, std::FILE* out);
int RunImport(Args args, std::FILE* out, const LogKeeping& keeping);
int RunExport(Args args, std::FILE* out);
int RunBackups(Args args, std::FILE* out);
int RunRestore(Args args, std::FILE* out);
int RunCheck(Args args, std::FILE* out);
int RunReport(Args args, std::FILE* out);
// Built only with the Qt surface (AERODEX_HAVE_PDF).
int RunPdf(Args args, std::FILE* out);

}  // namespace aerodex::cli
