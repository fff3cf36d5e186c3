// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/logbook_import.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "import/aerodex_csv.h"
#include "import/aircraft_facts.h"
#include "import/known_flights.h"
#include "import/table_layout.h"
#include "model/codepage.h"

namespace aerodex::import {
namespace {

int DateKey(const CAerodexEntry& e) { return (e.year * 13 + e.month) * 32 + e.day; }

// What makes two flights the same: date, N-Number, airports and the total
// to the hundredth.
std::string SameFlightKey(const CAerodexEntry& e) {
  return std::to_string(DateKey(e)) + '|' + e.nNumber + '|' + e.departure + '|' + e.arrival + '|' +
         std::to_string(std::llround(e.TotalHours() * 100.0));
}

CImportLine Finding(std::int64_t line, const std::string& utf8) {
  return {line, Utf8ToCp1252(utf8)};
}

// A row with cells beyond the header's columns (a ';' file whose packed
// cells split) is never read shifted.
std::optional<std::string> ExtraCells(const CCsvRow& row, std::size_t columns) {
  for (std::size_t i = columns; i < row.cells.size(); ++i) {
    if (!Trimmed(row.cells[i]).empty()) {
      return std::to_string(row.cells.size()) + " cells where the header has " +
             std::to_string(columns) + " columns";
    }
  }
  return std::nullopt;
}

// Turns mapped rows into planned flights: numbered within their date after
// what the log holds, duplicates of the log's flights set apart.
class CFlightPlanner {
 public:
  CFlightPlanner(const CAerodexDoc& doc, CImportPlan& plan) : plan_(plan) {
    for (const auto& entry : doc.Entries()) {
      known_.insert(SameFlightKey(*entry));
      int& next = nextNumber_[DateKey(*entry)];
      next = std::max(next, entry->flightNumber + 1);
    }
  }

  void Add(std::int64_t line, CMappedRow mapped) {
    for (const std::string& warning : mapped.warnings)
      plan_.warnings.push_back(Finding(line, warning));
    if (mapped.error) {
      plan_.badRows.push_back(Finding(line, *mapped.error));
      return;
    }
    CAerodexEntry& entry = mapped.entry;
    ApplyRemarksTag(entry, mapped.tag);
    if (known_.contains(SameFlightKey(entry))) {
      plan_.duplicates.push_back({line, DescribeFlight(entry)});
      if (!plan_.duplicatesIncluded) return;
    }
    int& next = nextNumber_[DateKey(entry)];
    if (!mapped.numbered) entry.flightNumber = next;
    next = std::max(next + 1, entry.flightNumber + 1);
    ApplyRemarksTag(entry, mapped.tag);  // a number the export kept wins
    plan_.flights.push_back({line, std::move(entry)});
  }

 private:
  CImportPlan& plan_;
  std::unordered_set<std::string> known_;
  std::unordered_map<int, int> nextNumber_;
};

void PlanFlights(const CAerodexDoc& doc, const CTableLayout& layout, const CImportOptions& options,
                 CImportPlan& plan) {
  CFlightPlanner planner(doc, plan);
  const bool own = layout.format == LogbookFormat::kAerodexCsv;
  const std::size_t width = layout.header.size();
  const std::size_t rows = layout.flightRows.size();
  for (std::size_t i = 0; i < rows; ++i) {
    if (options.progress && i % kProgressStep == 0) options.progress(i, rows);
    const CCsvRow* row = layout.flightRows[i];
    if (const auto extra = ExtraCells(*row, width)) {
      plan.badRows.push_back(Finding(row->line, *extra));
      continue;
    }
    planner.Add(row->line, own ? MapAerodexRow(layout.header, row->cells)
                               : MapFlightRow(layout.columns, row->cells));
  }
}

// The aircraft that the planned flights name and the database lacks: made
// from the aircraft table, or from the first flight row of each tail.
void PlanAircraft(const CAerodexDoc& doc, const CTableLayout& layout, CImportPlan& plan) {
  std::unordered_map<std::string, CAirplane> described;
  const auto describe = [&described](const std::vector<CColumn>& columns, const CCsvRow& row) {
    if (auto airplane = AircraftFromRow(columns, row.cells)) {
      described.try_emplace(airplane->nNumber, std::move(*airplane));
    }
  };
  for (const CCsvRow* row : layout.aircraftRows) describe(layout.aircraftColumns, *row);
  for (const CCsvRow* row : layout.flightRows) describe(layout.columns, *row);
  std::unordered_map<std::string, std::size_t> index;  // into aircraft or missingAircraft
  for (const CPlannedFlight& flight : plan.flights) {
    const std::string& tail = flight.entry.nNumber;
    if (doc.FindAircraft(tail)) continue;
    auto [at, added] = index.try_emplace(tail, 0);
    const auto found = described.find(tail);
    if (added) {
      if (found != described.end()) {
        at->second = plan.aircraft.size();
        plan.aircraft.push_back({found->second, true, 0});
      } else {
        at->second = plan.missingAircraft.size();
        plan.missingAircraft.push_back({tail, 0});
      }
    }
    ++(found != described.end() ? plan.aircraft[at->second].flights
                                : plan.missingAircraft[at->second].flights);
  }
}

void PlanTotals(const CAerodexDoc& doc, CImportPlan& plan) {
  for (const auto& entry : doc.Entries()) plan.before.Add(*entry);
  plan.after = plan.before;
  for (const CPlannedFlight& flight : plan.flights) plan.after.Add(flight.entry);
}

// The report's counts and lists that a plan gives, whether applied or not.
CImportReport BaseReport(const CImportPlan& plan) {
  CImportReport report;
  report.fromTable = true;
  report.source = plan.Source();
  report.headerRead = plan.recognised;
  report.found = static_cast<std::int64_t>(plan.flights.size());
  if (!plan.duplicatesIncluded) report.found += static_cast<std::int64_t>(plan.duplicates.size());
  report.duplicates = plan.duplicates;
  report.duplicatesSkipped = !plan.duplicatesIncluded;
  report.badRows = plan.badRows;
  report.warnings = plan.warnings;
  report.missingAircraft = plan.missingAircraft;
  if (!plan.recognised) report.stop = {0, Utf8ToCp1252(plan.failure)};
  if (!plan.recognised) report.status = ImportStatus::kStopped;
  report.totalsBefore = FormatTotals(plan.before);
  report.totalsAfter = FormatTotals(plan.after);
  return report;
}

}  // namespace

const char* FormatName(LogbookFormat format) {
  switch (format) {
    case LogbookFormat::kAuto:
      return "auto";
    case LogbookFormat::kTextLog:
      return "aerodex text log";
    case LogbookFormat::kForeFlight:
      return "ForeFlight";
    case LogbookFormat::kMyFlightbook:
      return "MyFlightbook";
    case LogbookFormat::kLogTen:
      return "LogTen Pro";
    case LogbookFormat::kAerodexCsv:
      return "aerodex CSV";
    case LogbookFormat::kCsv:
      return "CSV";
  }
  return "CSV";
}

bool LooksLikeTextLog(std::string_view bytes) {
  if (bytes.find('^') == std::string_view::npos) return false;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto end = std::min(bytes.find('\n', at), bytes.size());
    const std::string_view raw = bytes.substr(at, end - at);
    std::string line = Trimmed(raw.substr(0, raw.find('#')));  // "#" starts a comment
    at = end + 1;
    if (line.empty()) continue;
    if (line[0] == '-' || line[0] == '+') line.erase(0, 1);
    return !line.empty() && line.find_first_not_of("0123456789") == std::string::npos;
  }
  return false;
}

void CLogTotals::Add(const CAerodexEntry& e) {
  total += e.TotalHours();
  pic += e.picHours;
  night += e.nightHours;
  instrument += e.actualInstrument + e.simulatedInstrument;
  landings += e.dayLandings + e.nightLandings;
  approaches += e.ApproachCount();
}

std::string FormatTotals(const CLogTotals& t) {
  char text[200];
  std::snprintf(text, sizeof text,
                "%.1f total, %.1f PIC, %.1f night, %.1f instrument, %lld landings, %lld "
                "approaches",
                t.total, t.pic, t.night, t.instrument, static_cast<long long>(t.landings),
                static_cast<long long>(t.approaches));
  return text;
}

std::string CImportPlan::Source() const {
  std::string source = FormatName(format);
  if (format == LogbookFormat::kTextLog) return source;
  return source + ", " + SeparatorName(separator) + "-separated, " + encoding;
}

CImportPlan PlanImport(const CAerodexDoc& doc, std::string_view bytes,
                       const CImportOptions& options) {
  CImportPlan plan;
  plan.duplicatesIncluded = options.includeDuplicates;
  const CCsvTable table = ReadCsv(bytes);
  plan.encoding = table.encoding;
  plan.separator = table.separator;
  const CTableLayout layout = FindLayout(table, options);
  plan.format = layout.format;
  plan.columns = layout.columns;
  if (!layout.failure.empty()) {
    plan.failure = layout.failure;
    return plan;
  }
  plan.recognised = true;
  if (table.unclosedQuoteLine > 0) {
    plan.warnings.push_back(Finding(table.unclosedQuoteLine,
                                    "a quoted cell opens here and never closes; the rest of the "
                                    "file was read as that cell"));
  }
  PlanFlights(doc, layout, options, plan);
  PlanAircraft(doc, layout, plan);
  PlanTotals(doc, plan);
  if (options.progress) options.progress(layout.flightRows.size(), layout.flightRows.size());
  return plan;
}

CImportReport ReportOfPlan(const CImportPlan& plan) { return BaseReport(plan); }

CImportReport ApplyPlan(CAerodexDoc& doc, const CImportPlan& plan) {
  CImportReport report = BaseReport(plan);
  if (!plan.recognised) return report;
  for (const CPlannedAircraft& planned : plan.aircraft) {
    if (!planned.create || doc.FindAircraft(planned.airplane.nNumber)) {
      if (!planned.create)
        report.missingAircraft.push_back({planned.airplane.nNumber, planned.flights});
      continue;
    }
    doc.AppendAircraft(std::make_unique<CAirplane>(planned.airplane));
    report.aircraftCreated.push_back(planned.airplane.nNumber);
  }
  for (const CPlannedFlight& flight : plan.flights) {
    if (!doc.AppendEntry(std::make_unique<CAerodexEntry>(flight.entry))) {
      report.status = ImportStatus::kStopped;  // the document has shown why
      report.stop = {flight.line, "no memory for another flight"};
      break;
    }
    ++report.flightsAdded;
  }
  // One change, one notice.
  if (report.flightsAdded > 0) {
    doc.SortEntries();
  } else if (!report.aircraftCreated.empty()) {
    doc.SetModifiedFlag();
  }
  return report;
}

}  // namespace aerodex::import
