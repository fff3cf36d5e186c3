// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string_view>

#include "aerodex_version.h"
#include "cli/arguments.h"
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
    {"currency", "LOG.adx [--now \"YYYY-MM-DD HH:MM:SS\"] [--explain | --json]",
     "Prints the currency check as seven lines, in the order of the Currency Check form: "
     "medical classes 3, 2 and 1, flight review, IFR under the old and the new rules, night. "
     "A line that does not apply is printed empty. --now sets the local time to check at. "
     "--explain adds, after a blank line, the working behind each line (the dates, flights and "
     "rule used) and a day-passenger estimate; --json prints the day (asOf), the seven lines by "
     "name and the working as JSON.",
     RunCurrency},
    {"status", "LOG.adx [--now \"YYYY-MM-DD HH:MM:SS\"] [--explain]",
     "Prints the maintenance status of every monitored aircraft in database order: its "
     "N-Number, then the oil-change, annual, TBO hours and TBO months lines, with a blank line "
     "between aircraft. Fails when no aircraft is monitored. --explain adds under each "
     "aircraft's lines the months the annual and TBO fall due, the flight that gave the current "
     "tachometer reading and every break in the tachometer's continuity.",
     RunStatus},
    {"check", "LOG.adx",
     "Checks every flight against the entry form's plausibility rules and the whole log for "
     "flights that look entered twice, tachometer gaps and overlaps, and hours above the hours "
     "they are part of. Prints one finding a line, in log order, and a count on standard error. "
     "Exit status 0 when nothing was found, 1 when something was (or the log cannot be read).",
     RunCheck},
    {"import",
     "LOG.adx FILE [--format auto|aerodex|foreflight|myflightbook|logten|csv] "
     "[--map \"Column=meaning,...\"] [--keep-extra all|none] [--include-duplicates] "
     "[--dry-run] [-o OUT.adx]",
     "Appends the flights of FILE to LOG.adx (a new log when it does not exist) and saves the "
     "result atomically to OUT.adx, or to LOG.adx itself. FILE is an older version's text log "
     "(aerodex), a ForeFlight logbook CSV, a MyFlightbook CSV, a LogTen Pro export or any other "
     "CSV or tab-separated file (csv); auto, the default, tells them apart, with the separator "
     "and the encoding. Columns are placed by their names; --map names the meaning of others "
     "(date, tail, from, to, route, total, night, xc, pic, solo, dual, actual, simulated, "
     "landings, dayLandings, nightLandings, approaches, ils, vor, loc, ndb, gps, rnav, loran, "
     "radar, holds, tachStart, tachEnd, remarks, keep, ignore). Cells without a field of their "
     "own are kept in the remarks as Name=value unless --keep-extra none. Flights already in "
     "the log (same date, N-Number, airports and total) are skipped unless "
     "--include-duplicates; rows that cannot be read are skipped and named by line. Aircraft "
     "that the file describes and the database lacks are created; those of the older text log "
     "are not. The report follows on standard error. Exit status 0 when flights were added or "
     "every flight was already in the log, 1 when nothing could be read (nothing is written). "
     "An older text log that stops on bad data saves nothing. --dry-run reads everything and "
     "prints the report but writes nothing and takes no lock.",
     RunImport},
    {"export", "LOG.adx OUT --format foreflight|myflightbook|csv",
     "Writes the log for another logbook, atomically: ForeFlight's import template (the "
     "aircraft the flights use, then the flights), MyFlightbook's CSV columns, or aerodex's own "
     "CSV (as the csv command). Hours are written as a person reads them (1.3). What the target "
     "cannot hold (LORAN approaches, day and night cross-country, tach time, flight numbers...) "
     "goes into the remarks as a tag, [aerodex ...], which import reads back and takes out, so "
     "that an export imported into an empty log gives back every flight as it was.",
     RunExport},
    {"backups", "LOG.adx",
     "Lists the earlier versions of LOG.adx that saves have kept (the window's and aerodex-cli's): "
     "number, time saved, flights and size, newest first. They are kept in "
     "$XDG_DATA_HOME/aerodex/backups (~/.local/share/aerodex/backups), one folder per log: the 10 "
     "newest, and the newest of each day of the last 30 days.",
     RunBackups},
    {"restore", "LOG.adx N -o OUT.adx",
     "Writes version N of LOG.adx (as numbered by backups) to OUT.adx, atomically. OUT.adx may "
     "be the log itself: the version it replaces is kept in turn.",
     RunRestore},
    {"report", "LOG.adx 8710|totals [OPTIONS]",
     "report LOG.adx 8710 [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--json] prints the FAA Form "
     "8710-1 Record of Pilot Time: a row for each of Airplanes, Rotorcraft, Gliders, Lighter "
     "Than Air, Training Devices (aircraft marked Simulator) and Unclassified (aircraft missing "
     "or with no kind) that has flights, with the form's cells, then the totals by class "
     "(total, PIC, SIC, dual received) and the assumptions behind them. "
     "report LOG.adx totals [--from D] [--to D] [--last 30d|60d|90d|6m|12m|24m] "
     "[--aircraft N1,N2] [--model TEXT] [--class ASEL|AMEL|ASES|AMES|Helicopter|Gyroplane|"
     "Glider|Airship|Balloon] [--complex] [--high-performance] [--tailwheel] [--multi-engine] "
     "[--text TEXT] [--by month|year|aircraft|model|class] [--now \"YYYY-MM-DD HH:MM:SS\"] "
     "[--json] prints the number of flights that pass every filter given and their totals in "
     "the log's columns; --by adds one line per month, year, aircraft, make and model or "
     "class. --from and --to include their days; --last 90d covers the 90 days before today "
     "and today, 6m the 6 calendar months before it; --now sets today. --model matches text "
     "in \"Make Model\" and --text text in the airports, route or remarks, in any case. "
     "--json prints JSON, hours with one decimal.",
     RunReport},
#ifdef AERODEX_HAVE_PDF
    {"pdf",
     "LOG.adx OUT.pdf [--view all|nnumber|annual] [--night-subtotals] "
     "[--now \"YYYY-MM-DD HH:MM:SS\"]",
     "Writes the printed log to OUT.pdf (atomically), one landscape 11 x 8.5 inch page per "
     "page of the log, in the chosen view (all entries, grouped by N-Number or annual "
     "summary), optionally with night subtotals. --now sets the date the totals rows carry.",
     RunPdf},
#endif
};

// Prints a paragraph indented by six blanks in lines of at most 78 characters.
void PrintWrapped(std::FILE* out, std::string_view text) {
  constexpr std::size_t kWidth = 72;
  while (!text.empty()) {
    std::size_t cut = text.size();
    if (cut > kWidth) {
      cut = text.rfind(' ', kWidth);
      if (cut == std::string_view::npos) cut = kWidth;
    }
    std::fprintf(out, "      %.*s\n", static_cast<int>(cut), text.data());
    text.remove_prefix(cut);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
  std::fputc('\n', out);
}

void PrintHelp(std::FILE* out) {
  std::fprintf(out,
               "aerodex-cli: reads and converts aerodex flight logs (.adx) without the window.\n\n"
               "Usage: aerodex-cli COMMAND ARGUMENTS...\n       aerodex-cli --help | --version\n\n"
               "Commands:\n");
  for (const Command& command : Commands()) {
    std::fprintf(out, "  %s %s\n", command.name, command.synopsis);
    PrintWrapped(out, command.help);
  }
  std::fprintf(out, "Writing a log:\n");
  PrintWrapped(out,
               "import (but for import --dry-run), resave and restore lock the log they write for "
               "as long as they run: when "
               "aerodex or another command has it open, they refuse, exit 1 and write nothing. A "
               "save replaces the file only with a complete one, keeps the version it replaces "
               "(see backups), writes through symbolic links to the file they point at, and keeps "
               "the file's permissions. The other commands only read.");
  std::fprintf(out, "Arguments:\n");
  PrintWrapped(out,
               "Options may come before, between or after the files; -- ends them. A file "
               "given as - is standard input where a command reads one (a log it reads, the "
               "file import reads) and standard output where it writes one (csv, export, pdf, "
               "and the log resave and restore write). aerodex-cli COMMAND --help describes "
               "one command.");
  std::fprintf(out, "Exit status:\n");
  PrintWrapped(out,
               "0 success; 1 failure, with the message on standard error after the name of "
               "the file it concerns; 2 usage error (a bad option, a date that does not exist).");
}

void PrintCommandHelp(std::FILE* out, const Command& command) {
  std::fprintf(out, "Usage: aerodex-cli %s %s\n\n", command.name, command.synopsis);
  PrintWrapped(out, command.help);
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
  if (args[0] == "--version") {
    std::fprintf(out, "aerodex-cli %s\n", AERODEX_VERSION);
    return kOk;
  }
  for (const Command& command : Commands()) {
    if (args[0] != command.name) continue;
    if (AsksForHelp(args.subspan(1))) {
      PrintCommandHelp(out, command);
      return kOk;
    }
    return command.run(args.subspan(1), out);
  }
  std::cerr << "aerodex-cli: unknown command '" << args[0] << "' (try aerodex-cli --help)\n";
  return kUsage;
}

LoadedLog NewLog(std::optional<std::time_t> now) {
  LoadedLog log;
  if (now) log.clock = std::make_unique<FixedClock>(*now);
  log.run = std::make_unique<CProgramRun>();
  log.doc = std::make_unique<CAerodexDoc>(nullptr, log.clock.get(), log.run.get());
  log.doc->OnNewDocument();
  return log;
}

bool OpenLog(LoadedLog& log, const std::string& path, CFileEnv& env) {
  std::string bytes;
  FileResult result = ReadInput(path, bytes, env);
  if (!result.ok) {
    log.doc->DeleteContents();
    result.message = WithReason(kFailedToOpen, result.message);
  } else {
    result = LoadDocumentBytes(*log.doc, bytes);
  }
  if (!result.ok) FileFailure(path, result.message);
  return result.ok;
}

}  // namespace aerodex::cli
