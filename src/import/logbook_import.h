// SPDX-License-Identifier: GPL-3.0-or-later
// The import of another logbook's file (ForeFlight, MyFlightbook, LogTen Pro,
// aerodex's own CSV, any CSV or tab-separated file through a column mapping),
// in two steps. PlanImport reads the file into a plan without touching the
// log: the format, separator and encoding found, each column with its
// meaning, the flights as they will be stored, the aircraft to create, the
// duplicates and bad rows, and the log's totals before and after. The window
// shows the plan as its preview and may change a column's meaning (re-plan
// with CImportOptions::map) or untick an aircraft; ApplyPlan then appends the
// flights in one change and fills the import report.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/flight_mapping.h"
#include "import/import_report.h"
#include "model/document.h"

namespace aerodex::import {

enum class LogbookFormat {
  kAuto,
  kTextLog,
  kForeFlight,
  kMyFlightbook,
  kLogTen,
  kAerodexCsv,
  kCsv
};

// "ForeFlight", "MyFlightbook", "LogTen Pro", "aerodex CSV", "CSV", ...
const char* FormatName(LogbookFormat format);

// The older version's text log: a first data line holding only a number, and
// caret-delimited texts.
bool LooksLikeTextLog(std::string_view bytes);

struct CImportOptions {
  LogbookFormat format = LogbookFormat::kAuto;
  // Column name (any case) to meaning; these override what the names say.
  std::vector<std::pair<std::string, Meaning>> map;
  bool keepExtra = true;  // columns without a field of their own go into the remarks
  bool includeDuplicates = false;
  // Told (rows read, rows in all) every kProgressStep rows and at the end, so
  // that a long file can show its progress.
  std::function<void(std::size_t, std::size_t)> progress;
};

inline constexpr std::size_t kProgressStep = 1000;

// The six figures the preview shows before and after.
struct CLogTotals {
  double total = 0;
  double pic = 0;
  double night = 0;
  double instrument = 0;  // actual plus simulated
  std::int64_t landings = 0;
  std::int64_t approaches = 0;

  void Add(const CAerodexEntry& entry);
};

// "1234.5 total, 1100.0 PIC, 80.2 night, 95.0 instrument, 2300 landings, 150 approaches".
std::string FormatTotals(const CLogTotals& totals);

struct CPlannedFlight {
  std::int64_t line = 0;  // the physical line of its row
  CAerodexEntry entry;
};

struct CPlannedAircraft {
  CAirplane airplane;
  bool create = true;  // the preview may untick it
  std::int64_t flights = 0;
};

struct CImportPlan {
  bool recognised = false;
  std::string failure;  // why not, and how to map the columns (UTF-8)
  LogbookFormat format = LogbookFormat::kAuto;
  std::string encoding;
  char separator = ',';
  std::vector<CColumn> columns;  // of the flights table
  std::vector<CPlannedFlight> flights;
  std::vector<CPlannedAircraft> aircraft;         // to create
  std::vector<CMissingAircraft> missingAircraft;  // tails nothing describes
  std::vector<CImportLine> duplicates;            // skipped unless included
  std::vector<CImportLine> badRows;
  std::vector<CImportLine> warnings;
  bool duplicatesIncluded = false;
  CLogTotals before;
  CLogTotals after;

  // "ForeFlight, comma-separated, UTF-8".
  std::string Source() const;
};

CImportPlan PlanImport(const CAerodexDoc& doc, std::string_view bytes,
                       const CImportOptions& options);

// Creates the ticked aircraft and appends the planned flights, sorted once.
// The report's file is left for the caller.
CImportReport ApplyPlan(CAerodexDoc& doc, const CImportPlan& plan);

// A report for a plan that was not applied (a dry run, or nothing to add).
CImportReport ReportOfPlan(const CImportPlan& plan);

}  // namespace aerodex::import
