// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/log_writer.h"
#include "editing/cancelling_port.h"
#include "import/logbook_import.h"
#include "import/text_import.h"

namespace aerodex::cli {
namespace {

using import::LogbookFormat;

struct ImportArgs {
  std::string log;
  std::string source;
  std::string output;  // the log itself when -o is absent
  bool dryRun = false;
  import::CImportOptions options;
  std::string error;
};

std::optional<LogbookFormat> FormatByName(const std::string& name) {
  const std::pair<const char*, LogbookFormat> kFormats[] = {
      {"auto", LogbookFormat::kAuto},
      {"aerodex", LogbookFormat::kTextLog},
      {"foreflight", LogbookFormat::kForeFlight},
      {"myflightbook", LogbookFormat::kMyFlightbook},
      {"logten", LogbookFormat::kLogTen},
      {"csv", LogbookFormat::kCsv}};
  for (const auto& [known, format] : kFormats) {
    if (name == known) return format;
  }
  return std::nullopt;
}

// "Column=meaning,Column=meaning"; an error message when a pair is bad.
std::string ParseMap(const std::string& text, import::CImportOptions& options) {
  std::size_t at = 0;
  while (at <= text.size()) {
    const auto end = std::min(text.find(',', at), text.size());
    const std::string pair = text.substr(at, end - at);
    const auto equals = pair.rfind('=');
    if (equals == std::string::npos || equals == 0) {
      return "--map takes \"Column=meaning,...\", not '" + pair + "'";
    }
    const auto meaning = import::MeaningByName(pair.substr(equals + 1));
    if (!meaning) return "--map: '" + pair.substr(equals + 1) + "' is not a meaning";
    options.map.emplace_back(pair.substr(0, equals), *meaning);
    at = end + 1;
  }
  return {};
}

// The value of an option that takes one, or an error.
std::string OptionValue(Args args, std::size_t& i, std::string& error) {
  if (i + 1 < args.size()) return args[++i];
  error = args[i] + " needs a value";
  return {};
}

std::string ParseOption(Args args, std::size_t& i, ImportArgs& parsed) {
  std::string error;
  const std::string& name = args[i];
  const std::string value = OptionValue(args, i, error);
  if (!error.empty()) return name == "-o" ? "-o needs one output file" : error;
  if (name == "-o") {
    if (!parsed.output.empty()) return "-o needs one output file";
    parsed.output = value;
  } else if (name == "--format") {
    const auto format = FormatByName(value);
    if (!format) return "--format takes auto, aerodex, foreflight, myflightbook, logten or csv";
    parsed.options.format = *format;
  } else if (name == "--map") {
    return ParseMap(value, parsed.options);
  } else {  // --keep-extra
    if (value != "all" && value != "none") return "--keep-extra takes all or none";
    parsed.options.keepExtra = value == "all";
  }
  return {};
}

ImportArgs ParseImportArgs(Args args) {
  ImportArgs parsed;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    if (args[i] == "--dry-run") {
      parsed.dryRun = true;
    } else if (args[i] == "--include-duplicates") {
      parsed.options.includeDuplicates = true;
    } else if (args[i] == "-o" || args[i] == "--format" || args[i] == "--map" ||
               args[i] == "--keep-extra") {
      parsed.error = ParseOption(args, i, parsed);
    } else if (args[i] == "--") {
      positional.insert(positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      parsed.error = "unknown option '" + args[i] + "'";
    } else {
      positional.push_back(args[i]);
    }
  }
  if (parsed.error.empty() && positional.size() != 2) {
    parsed.error = "expects a log file and a file to import";
  }
  if (!parsed.error.empty()) return parsed;
  parsed.log = positional[0];
  parsed.source = positional[1];
  if (parsed.output.empty()) parsed.output = parsed.log;
  // The log is locked and saved as a file; only the file to import may be "-".
  if (IsStdStream(parsed.log) || IsStdStream(parsed.output)) {
    parsed.error = "the log must be a file, not standard input or output";
  }
  return parsed;
}

// The log to import into: the file when it exists, else a new empty log.
bool OpenOrStartLog(LoadedLog& log, const std::string& path, CFileEnv& env) {
  struct stat info {};
  if (env.Stat(path, info) != 0 && errno == ENOENT) return true;
  return OpenLog(log, path, env);
}

// What the report of the older text log says last: whether anything was written.
void CloseReport(import::CImportReport& report, bool dryRun, bool saved) {
  const bool completed = report.status == import::ImportStatus::kCompleted;
  const std::int64_t read = report.found;
  if (!saved) report.flightsAdded = 0;
  if (dryRun) {
    report.notes.push_back(completed ? "Dry run: nothing was written; the import would add " +
                                           std::to_string(read) + " flights."
                                     : "Dry run: nothing was written; the import would stop "
                                       "and write nothing.");
  } else if (!saved) {
    report.notes.push_back("Nothing was written.");
  }
}

int ImportTextLog(const ImportArgs& parsed, LoadedLog& log, CCancellingPort& port,
                  CLogWriter& writer, const std::string& text) {
  std::istringstream in(text);
  import::CImportReport report = import::ImportTextLog(*log.doc, port, in);
  report.file = parsed.source;
  // A half-read file is not saved: the user fixes it and imports it again.
  const bool completed = report.status == import::ImportStatus::kCompleted;
  const bool saved = completed && !parsed.dryRun && writer.Save(*log.doc);
  CloseReport(report, parsed.dryRun, saved);
  std::fputs(import::RenderImportReport(report).c_str(), stderr);
  return completed && (saved || parsed.dryRun) ? kOk : kFailure;
}

// Another logbook's file: planned first, applied and saved only when it adds
// something; a file of nothing but flights already in the log succeeds.
int ImportLogbook(const ImportArgs& parsed, LoadedLog& log, CLogWriter& writer,
                  const std::string& text) {
  const import::CImportPlan plan = import::PlanImport(*log.doc, text, parsed.options);
  const bool adds = plan.recognised && !plan.flights.empty();
  const bool allKnown = plan.recognised && !adds && !plan.duplicates.empty();
  import::CImportReport report =
      adds && !parsed.dryRun ? import::ApplyPlan(*log.doc, plan) : import::ReportOfPlan(plan);
  report.file = parsed.source;
  bool saved = false;
  if (adds && !parsed.dryRun) {
    saved = report.status == import::ImportStatus::kCompleted && writer.Save(*log.doc);
    if (!saved) report.flightsAdded = 0;
  }
  if (parsed.dryRun && adds) {
    report.notes.push_back("Dry run: nothing was written; the import would add " +
                           std::to_string(plan.flights.size()) + " flights.");
  } else if (!saved) {
    report.notes.push_back(parsed.dryRun ? "Dry run: nothing was written."
                                         : "Nothing was written.");
  }
  std::fputs(import::RenderImportReport(report).c_str(), stderr);
  return saved || allKnown || (parsed.dryRun && adds) ? kOk : kFailure;
}

}  // namespace

int RunImport(Args args, std::FILE* out) { return RunImport(args, out, LogKeeping{}); }

int RunImport(Args args, std::FILE* /*out*/, const LogKeeping& keeping) {
  const ImportArgs parsed = ParseImportArgs(args);
  if (!parsed.error.empty()) return UsageError(FindCommand("import"), parsed.error);
  // Locked before the log is read, so that no other writer's flights can
  // come in between the reading and the saving. A dry run only reads.
  CLogWriter writer(keeping);
  if (!parsed.dryRun && !writer.Lock(parsed.output)) return kFailure;
  CCancellingPort port(stderr);  // missing aircraft are not created: every question is cancelled
  LoadedLog log = NewLog();
  if (!OpenOrStartLog(log, parsed.log, *keeping.env)) return kFailure;
  log.doc->SetPort(&port);
  // Read whole and without waiting: a named pipe or a device fails at once.
  std::string text;
  const LogbookFormat format = parsed.options.format;
  if (const FileResult read = ReadInput(parsed.source, text, *keeping.env); !read.ok) {
    if (format == LogbookFormat::kAuto || format == LogbookFormat::kTextLog) {
      return FileFailure(parsed.source, import::kFailedToOpen);
    }
    return FileFailure(parsed.source, WithReason("Failed to read the file.", read.message));
  }
  // The older text log is told by its name (".aerodex") or its first lines;
  // "aerodex" names both of aerodex's own files, that log and the csv export.
  const bool textLog = parsed.source.ends_with(".aerodex") || import::LooksLikeTextLog(text);
  if ((format == LogbookFormat::kTextLog || format == LogbookFormat::kAuto) && textLog) {
    return ImportTextLog(parsed, log, port, writer, text);
  }
  if (format == LogbookFormat::kTextLog) {
    ImportArgs asCsv = parsed;
    asCsv.options.format = LogbookFormat::kAerodexCsv;
    return ImportLogbook(asCsv, log, writer, text);
  }
  return ImportLogbook(parsed, log, writer, text);
}

}  // namespace aerodex::cli
