#include <cstring>
#include <iostream>

#include "cli/cli.h"
#include "model/document_file.h"

namespace aerodex::cli {
namespace {

const Command kCommands[] = {
    {"dump", "LOG.adx",
     "Prints the whole log as JSON: the pilot, lastNNumber, the aircraft, the flights in log "
     "order and the selected flight's index. Texts are converted to UTF-8.",
     RunDump},
    {"resave", "IN.adx OUT.adx",
     "Loads IN.adx and saves it to OUT.adx (atomically: OUT.adx is replaced only by a complete "
     "file). The flights come back in log order.",
     RunResave},
    {"csv", "LOG.adx [OUT.csv]",
     "Writes one row per flight in log order, after a header row of field names (RFC 4180, "
     "UTF-8), to OUT.csv or to standard output.",
     RunCsv},
};

void PrintHelp(std::FILE* out) {
  std::fprintf(out,
               "aerodex-cli: reads and converts aerodex flight logs (.adx) without the window.\n\n"
               "Usage: aerodex-cli COMMAND ARGUMENTS...\n\nCommands:\n");
  for (const Command& command : Commands()) {
    std::fprintf(out, "  %s %s\n      %s\n\n", command.name, command.synopsis, command.help);
  }
  std::fprintf(out,
               "Exit status: 0 success; 1 failure, with the message on standard error; "
               "2 usage error.\n");
}

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command& FindCommand(const char* name) {
  for (const Command& command : Commands()) {
    if (std::strcmp(command.name, name) == 0) return command;
  }
  return Commands().front();
}

int UsageError(const Command& command, const std::string& message) {
  std::cerr << "aerodex-cli " << command.name << ": " << message << "\nUsage: aerodex-cli "
            << command.name << ' ' << command.synopsis << '\n';
  return kUsage;
}

int Main(Args args, std::FILE* out) {
  if (args.empty()) {
    PrintHelp(stderr);
    return kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(out);
    return kOk;
  }
  for (const Command& command : Commands()) {
    if (args[0] == command.name) return command.run(args.subspan(1), out);
  }
  std::cerr << "aerodex-cli: unknown command '" << args[0] << "' (try aerodex-cli --help)\n";
  return kUsage;
}

LoadedLog NewLog(std::optional<std::time_t> now) {
  LoadedLog log;
  if (now) log.clock = std::make_unique<FixedClock>(*now);
  log.doc = std::make_unique<CAerodexDoc>(nullptr, log.clock.get());
  log.doc->OnNewDocument();
  return log;
}

bool OpenLog(LoadedLog& log, const std::string& path) {
  const FileResult result = OpenDocumentFile(*log.doc, path);
  if (!result.ok) std::cerr << result.message << '\n';
  return result.ok;
}

bool SaveLog(const CAerodexDoc& doc, const std::string& path) {
  const FileResult result = SaveDocumentFile(doc, path);
  if (!result.ok) std::cerr << result.message << '\n';
  return result.ok;
}

NowOption TakeNowOption(Args args) {
  NowOption option;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--now") {
      option.rest.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size()) {
      option.error = "--now needs a time, \"YYYY-MM-DD HH:MM:SS\"";
      return option;
    }
    option.now = ParseLocalTime(args[++i]);
    if (!option.now) {
      option.error = "--now takes a local time written \"YYYY-MM-DD HH:MM:SS\", not '" +
                     args[i] + "'";
      return option;
    }
  }
  return option;
}

}  // namespace aerodex::cli
