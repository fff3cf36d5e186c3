// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_report.h"

#include "model/codepage.h"

namespace aerodex::import {
namespace {

std::string Counted(std::int64_t count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string AtLine(const CImportLine& found) {
  const std::string text = Cp1252ToUtf8(found.text);
  return found.line > 0 ? "line " + std::to_string(found.line) + ": " + text : text;
}

// A heading with its count, then one indented line per finding.
void AddList(std::string& out, const char* heading, const std::vector<CImportLine>& found) {
  out += heading;
  out += found.empty() ? ": none\n" : ": " + std::to_string(found.size()) + '\n';
  for (const CImportLine& item : found) out += "  " + AtLine(item) + '\n';
}

std::string RecordsLine(const CImportReport& report) {
  std::string line = "Records read: " + std::to_string(report.found);
  if (!report.headerRead) return line + " (the header could not be read)\n";
  if (report.expected == report.found) return line + " (as the header says)\n";
  return line + " (the header says " + std::to_string(report.expected) + ")\n";
}

std::string CreatedLine(const std::vector<std::string>& created) {
  if (created.empty()) return "Aircraft created: none\n";
  std::string line = "Aircraft created: " + std::to_string(created.size()) + " (";
  for (std::size_t i = 0; i < created.size(); ++i) {
    line += (i > 0 ? ", N" : "N") + Cp1252ToUtf8(created[i]);
  }
  return line + ")\n";
}

void AddMissing(std::string& out, const std::vector<CMissingAircraft>& missing) {
  out += "N-Numbers not in the aircraft database: ";
  out += missing.empty() ? "none\n" : std::to_string(missing.size()) + '\n';
  for (const CMissingAircraft& aircraft : missing) {
    out += "  N" + Cp1252ToUtf8(aircraft.nNumber) + ": " +
           Counted(aircraft.flights, "flight", "flights") + '\n';
  }
}

// The report of another logbook's file, read as a table.
std::string RenderTableReport(const CImportReport& report) {
  std::string out = "Import of " + report.file + '\n';
  if (!report.source.empty()) out += "Read as: " + report.source + '\n';
  if (!report.headerRead) {
    out += AtLine(report.stop) + '\n';
    for (const std::string& note : report.notes) out += note + '\n';
    return out;
  }
  out += "Flights read: " + std::to_string(report.found) + '\n';
  out += "Flights added to the log: " + std::to_string(report.flightsAdded) + '\n';
  out += CreatedLine(report.aircraftCreated);
  AddMissing(out, report.missingAircraft);
  AddList(out,
          report.duplicatesSkipped ? "Flights already in the log (skipped)"
                                   : "Flights that look like ones already in the log (added all "
                                     "the same)",
          report.duplicates);
  AddList(out, "Rows that could not be read (skipped)", report.badRows);
  AddList(out, "Warnings", report.warnings);
  if (report.status == ImportStatus::kStopped) out += "Stopped at " + AtLine(report.stop) + '\n';
  out += "Totals before: " + report.totalsBefore + '\n';
  out += "Totals after: " + report.totalsAfter + '\n';
  for (const std::string& note : report.notes) out += note + '\n';
  return out;
}

}  // namespace

std::string ShortLineWarning(const std::string& line, int read, int expected) {
  return "numbers missing <" + line + ">: " + std::to_string(read) + " of " +
         std::to_string(expected) + " read, the rest set to 0";
}

std::string RenderImportReport(const CImportReport& report) {
  if (report.fromTable) return RenderTableReport(report);
  std::string out = "Import of " + report.file + '\n';
  out += RecordsLine(report);
  out += "Flights added to the log: " + std::to_string(report.flightsAdded) + '\n';
  out += CreatedLine(report.aircraftCreated);
  AddMissing(out, report.missingAircraft);
  AddList(out, "Flights that look like ones already in the log (added all the same)",
          report.duplicates);
  AddList(out, "Warnings", report.warnings);
  if (report.status == ImportStatus::kStopped) {
    out += report.stop.line > 0 ? "Stopped at " + AtLine(report.stop) + '\n'
                                : "Stopped: " + AtLine(report.stop) + '\n';
  }
  if (report.loneCarriageReturns) {
    out +=
        "The file's lines end in a carriage return alone, not in a Unix line feed; they "
        "were read as lines all the same.\n";
  }
  for (const std::string& note : report.notes) out += note + '\n';
  return out;
}

}  // namespace aerodex::import
