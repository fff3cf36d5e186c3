// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/table_layout.h"

#include <algorithm>
#include <unordered_set>

#include "import/aerodex_csv.h"

namespace aerodex::import {
namespace {

bool FirstCellIs(const CCsvRow& row, const char* lower) {
  return !row.cells.empty() && LowerCase(Trimmed(row.cells[0])).starts_with(lower);
}

// ForeFlight's template rows of data types ("Text", "Decimal or HH:MM"...).
bool IsTypeRow(const CCsvRow& row) {
  static const std::unordered_set<std::string> kTypes = {
      "text",    "yyyy",   "boolean",          "date",         "datetime", "hh:mm", "hhmm",
      "decimal", "number", "decimal or hh:mm", "packed detail"};
  bool any = false;
  for (const std::string& cell : row.cells) {
    const std::string word = LowerCase(Trimmed(cell));
    if (word.empty()) continue;
    if (!kTypes.contains(word)) return false;
    any = true;
  }
  return any;
}

// ForeFlight's template has type rows; other files' headers may well be
// named "Date" or "Number", so only its tables skip them.
bool IsDataRow(const CCsvRow& row, bool foreFlight) {
  return !row.IsBlank() && !(foreFlight && IsTypeRow(row));
}

}  // namespace

std::vector<CColumn> ColumnsOf(const std::vector<std::string>& header,
                               const CImportOptions& options) {
  std::vector<CColumn> columns;
  std::unordered_set<int> taken;
  for (std::size_t i = 0; i < header.size(); ++i) {
    CColumn column{Trimmed(header[i]), MeaningOfColumn(header[i])};
    if (column.name.empty()) column.name = "Column " + std::to_string(i + 1);
    for (const auto& [name, meaning] : options.map) {
      if (LowerCase(Trimmed(name)) == LowerCase(column.name)) column.meaning = meaning;
    }
    if (!MayRepeat(column.meaning) && !taken.insert(static_cast<int>(column.meaning)).second) {
      column.meaning = Meaning::kKeep;
    }
    if (column.meaning == Meaning::kKeep && !options.keepExtra) column.meaning = Meaning::kIgnore;
    columns.push_back(std::move(column));
  }
  return columns;
}

namespace {

LogbookFormat FormatOfHeader(const std::vector<std::string>& header) {
  if (IsAerodexCsvHeader(header)) return LogbookFormat::kAerodexCsv;
  bool myFlightbook = false;
  for (const std::string& name : header) {
    const std::string lower = LowerCase(Trimmed(name));
    if (lower.starts_with("flight_") || lower.starts_with("aircraft_")) {
      return LogbookFormat::kLogTen;
    }
    myFlightbook |= lower == "total flight time" || lower == "display tail" ||
                    lower == "fs day landings" || lower == "flight properties";
  }
  return myFlightbook ? LogbookFormat::kMyFlightbook : LogbookFormat::kCsv;
}

std::string MissingMeanings(const std::vector<CColumn>& columns) {
  std::vector<const char*> missing;
  for (const auto& [meaning, what] :
       {std::pair{Meaning::kDate, "the date"}, std::pair{Meaning::kTail, "the tail number"},
        std::pair{Meaning::kTotal, "the total time"}}) {
    const bool found = std::any_of(columns.begin(), columns.end(),
                                   [m = meaning](const CColumn& c) { return c.meaning == m; });
    if (!found) missing.push_back(what);
  }
  std::string text;
  for (std::size_t i = 0; i < missing.size(); ++i) {
    text += i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ";
    text += missing[i];
  }
  return text;
}

std::string Unrecognised(const std::vector<CColumn>& columns, const std::string& missing) {
  std::string unplaced;
  for (const CColumn& column : columns) {
    if (column.meaning != Meaning::kKeep) continue;
    unplaced += (unplaced.empty() ? "" : ", ") + column.name;
  }
  return "The layout of this file was not recognised: no column holds " + missing +
         ". Columns that could not be placed: " + (unplaced.empty() ? "none" : unplaced) +
         ". Name them with --map \"Column=meaning,...\" (meanings: date, tail, from, to, route, "
         "total, night, xc, pic, solo, dual, actual, simulated, landings, dayLandings, "
         "nightLandings, approaches, ils, vor, loc, ndb, gps, rnav, loran, radar, holds, "
         "tachStart, tachEnd, remarks, ignore), for example --map \"Flight Date=date,"
         "Plane=tail,Hours=total\".";
}

// The header is the first data row at or after `from`; the rows after it,
// up to the end (or a row whose first cell is `stop`), are its data.
std::size_t TakeTable(const CCsvTable& table, std::size_t from, const char* stop, bool foreFlight,
                      std::vector<std::string>& header, std::vector<const CCsvRow*>& rows) {
  std::size_t at = from;
  while (at < table.rows.size() && !IsDataRow(table.rows[at], foreFlight)) ++at;
  if (at < table.rows.size()) header = table.rows[at++].cells;
  for (; at < table.rows.size(); ++at) {
    const CCsvRow& row = table.rows[at];
    if (stop && FirstCellIs(row, stop)) break;
    if (IsDataRow(row, foreFlight)) rows.push_back(&row);
  }
  return at;
}

void ReadForeFlight(const CCsvTable& table, const CImportOptions& options, CTableLayout& layout) {
  std::size_t at = 1;
  while (at < table.rows.size() && !FirstCellIs(table.rows[at], "aircraft table")) ++at;
  if (at < table.rows.size()) {
    std::vector<std::string> aircraftHeader;
    at = TakeTable(table, at + 1, "flights table", true, aircraftHeader, layout.aircraftRows);
    layout.aircraftColumns = ColumnsOf(aircraftHeader, {});
  }
  while (at < table.rows.size() && !FirstCellIs(table.rows[at], "flights table")) ++at;
  TakeTable(table, at + 1, nullptr, true, layout.header, layout.flightRows);
  layout.columns = ColumnsOf(layout.header, options);
}

}  // namespace

CTableLayout FindLayout(const CCsvTable& table, const CImportOptions& options) {
  CTableLayout layout;
  const bool foreFlight =
      !table.rows.empty() && FirstCellIs(table.rows[0], "foreflight logbook import");
  if (options.format == LogbookFormat::kForeFlight && !foreFlight) {
    layout.failure =
        "This is not a ForeFlight logbook file: its first cell is not \"ForeFlight Logbook "
        "Import\".";
    return layout;
  }
  if (foreFlight) {
    layout.format = LogbookFormat::kForeFlight;
    ReadForeFlight(table, options, layout);
  } else {
    TakeTable(table, 0, nullptr, false, layout.header, layout.flightRows);
    layout.format = FormatOfHeader(layout.header);
    if (layout.format == LogbookFormat::kAerodexCsv) return layout;
    if (options.format != LogbookFormat::kAuto) layout.format = options.format;
    layout.columns = ColumnsOf(layout.header, options);
  }
  if (const std::string missing = MissingMeanings(layout.columns); !missing.empty()) {
    layout.failure = Unrecognised(layout.columns, missing);
  }
  return layout;
}

}  // namespace aerodex::import
