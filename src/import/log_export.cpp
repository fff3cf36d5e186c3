// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/log_export.h"

#include <cctype>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "import/aerodex_csv.h"
#include "import/aircraft_facts.h"
#include "import/cell_values.h"
#include "import/table_layout.h"
#include "model/codepage.h"

namespace aerodex::import {
namespace {

using Cells = std::unordered_map<std::string, std::string>;

const std::vector<std::string>& ForeFlightFlightColumns() {
  static const std::vector<std::string> columns = {"Date",
                                                   "AircraftID",
                                                   "From",
                                                   "To",
                                                   "Route",
                                                   "TimeOut",
                                                   "TimeOff",
                                                   "TimeOn",
                                                   "TimeIn",
                                                   "OnDuty",
                                                   "OffDuty",
                                                   "TotalTime",
                                                   "PIC",
                                                   "SIC",
                                                   "Night",
                                                   "Solo",
                                                   "CrossCountry",
                                                   "PICUS",
                                                   "MultiPilot",
                                                   "IFR",
                                                   "Examiner",
                                                   "NVG",
                                                   "NVG Ops",
                                                   "Distance",
                                                   "Takeoff Day",
                                                   "Landing Full-Stop Day",
                                                   "Takeoff Night",
                                                   "Landing Full-Stop Night",
                                                   "Landing Touch-and-Go Day",
                                                   "Landing Touch-and-Go Night",
                                                   "ActualInstrument",
                                                   "SimulatedInstrument",
                                                   "HobbsStart",
                                                   "HobbsEnd",
                                                   "TachStart",
                                                   "TachEnd",
                                                   "Holds",
                                                   "Approach1",
                                                   "Approach2",
                                                   "Approach3",
                                                   "Approach4",
                                                   "Approach5",
                                                   "Approach6",
                                                   "DualGiven",
                                                   "DualReceived",
                                                   "SimulatedFlight",
                                                   "GroundTraining",
                                                   "InstructorName",
                                                   "InstructorComments",
                                                   "Person1",
                                                   "Person2",
                                                   "Person3",
                                                   "Person4",
                                                   "Person5",
                                                   "Person6",
                                                   "Flight Review",
                                                   "Checkride",
                                                   "IPC",
                                                   "NVG Proficiency",
                                                   "FAA 61.58",
                                                   "PilotComments"};
  return columns;
}

const std::vector<std::string>& ForeFlightAircraftColumns() {
  static const std::vector<std::string> columns = {
      "AircraftID",      "equipType",      "TypeCode", "Year",       "Make",
      "Model",           "Category/Class", "GearType", "EngineType", "complexAircraft",
      "highPerformance", "pressurized",    "taa"};
  return columns;
}

const std::vector<std::string>& MyFlightbookColumns() {
  static const std::vector<std::string> columns = {
      "Date", "Flight ID", "Model", "ICAO Model", "Tail Number", "Display Tail", "Aircraft ID",
      "Category/Class", "Alternate Cat/Class", "Approaches", "Hold", "Landings",
      "FS Night Landings", "FS Day Landings", "X-Country", "Night", "IMC", "Simulated Instrument",
      "Ground Simulator", "Dual Received", "CFI", "SIC", "PIC", "Total Flight Time",
      "CFI Time (HH:MM)", "SIC Time (HH:MM)", "PIC (HH:MM)", "Total Flight Time (HH:MM)", "Route",
      "Flight Properties", "Comments", "Hobbs Start", "Hobbs End", "Engine Start", "Engine End",
      "Engine Time", "Flight Start", "Flight End", "Flying Time", "Complex",
      "Controllable pitch prop", "Flaps", "Retract", "Tailwheel", "High Performance", "Turbine",
      "TAA", "Signature State", "Date of Signature", "CFI Comment", "CFI Certificate", "CFI Name",
      "CFI Email", "CFI Expiration", "Public",
      // The flight properties aerodex uses: typed approaches.
      "Approaches - ILS", "Approaches - Localizer", "Approaches - VOR", "Approaches - NDB",
      "Approaches - RNAV/GPS"};
  return columns;
}

// US registrations carry their N; others are written whole.
std::string ExportTail(const std::string& nNumber) {
  const bool us = !nNumber.empty() && std::isdigit(static_cast<unsigned char>(nNumber[0]));
  return Cp1252ToUtf8(us ? "N" + nNumber : nNumber);
}

std::string Hours(double hours) { return hours > 0 ? HoursText(hours) : std::string(); }
std::string Count(int count) { return count > 0 ? std::to_string(count) : std::string(); }
std::string Flag(int flag) { return flag ? "TRUE" : "FALSE"; }

std::string CrossCountryText(const CAerodexEntry& e) {
  return e.dayCrossCountry + e.nightCrossCountry > 0
             ? SumText(e.dayCrossCountry, e.nightCrossCountry)
             : std::string();
}

std::string IsoDate(const CAerodexEntry& e) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", e.year, e.month, e.day);
  return text;
}

// The packed approach cells, at most six types.
void PutApproachCells(const CAerodexEntry& e, Cells& cells) {
  const std::pair<int, const char*> kinds[] = {
      {e.ilsApproaches, "ILS"},        {e.locApproaches, "LOC"},
      {e.vorApproaches, "VOR"},        {e.ndbApproaches, "NDB"},
      {e.gpsApproaches, "RNAV (GPS)"}, {e.rnavApproaches, "RNAV (RNP)"},
      {e.radarApproaches, "ASR/SRA"}};
  int used = 0;
  for (const auto& [count, type] : kinds) {
    if (count <= 0 || used == 6) continue;
    cells["Approach" + std::to_string(++used)] = std::to_string(count) + ';' + type + ";;;";
  }
}

Cells ForeFlightFlight(const CAerodexEntry& e) {
  Cells cells = {{"Date", IsoDate(e)},
                 {"AircraftID", ExportTail(e.nNumber)},
                 {"From", Cp1252ToUtf8(e.departure)},
                 {"To", Cp1252ToUtf8(e.arrival)},
                 {"Route", Cp1252ToUtf8(e.route)},
                 {"TotalTime", SumText(e.dayHours, e.nightHours)},
                 {"PIC", Hours(e.picHours)},
                 {"Night", Hours(e.nightHours)},
                 {"CrossCountry", CrossCountryText(e)},
                 {"Landing Full-Stop Day", Count(e.dayLandings)},
                 {"Landing Full-Stop Night", Count(e.nightLandings)},
                 {"ActualInstrument", Hours(e.actualInstrument)},
                 {"SimulatedInstrument", Hours(e.simulatedInstrument)},
                 {"TachStart", Hours(e.startTach)},
                 {"TachEnd", Hours(e.endTach)},
                 {"Holds", Count(e.holdingProcedures)},
                 {"DualReceived", Hours(e.dualHours)}};
  PutApproachCells(e, cells);
  return cells;
}

Cells MyFlightbookFlight(const CAerodexEntry& e, const CAirplane* airplane) {
  std::string route = Cp1252ToUtf8(e.departure);
  for (const std::string* part : {&e.route, &e.arrival}) {
    if (!part->empty()) route += (route.empty() ? "" : " ") + Cp1252ToUtf8(*part);
  }
  Cells cells = {{"Date", IsoDate(e)},
                 {"Tail Number", ExportTail(e.nNumber)},
                 {"Approaches", Count(e.ApproachCount())},
                 {"Hold", Count(e.holdingProcedures)},
                 {"Landings", Count(e.dayLandings + e.nightLandings)},
                 {"FS Night Landings", Count(e.nightLandings)},
                 {"FS Day Landings", Count(e.dayLandings)},
                 {"X-Country", CrossCountryText(e)},
                 {"Night", Hours(e.nightHours)},
                 {"IMC", Hours(e.actualInstrument)},
                 {"Simulated Instrument", Hours(e.simulatedInstrument)},
                 {"Dual Received", Hours(e.dualHours)},
                 {"PIC", Hours(e.picHours)},
                 {"Total Flight Time", SumText(e.dayHours, e.nightHours)},
                 {"Route", route},
                 {"Approaches - ILS", Count(e.ilsApproaches)},
                 {"Approaches - Localizer", Count(e.locApproaches)},
                 {"Approaches - VOR", Count(e.vorApproaches)},
                 {"Approaches - NDB", Count(e.ndbApproaches)},
                 {"Approaches - RNAV/GPS", Count(e.gpsApproaches)}};
  if (airplane) {
    cells["Model"] = Cp1252ToUtf8(airplane->model);
    cells["Category/Class"] = CategoryClassCode(*airplane);
    cells["Complex"] = Flag(airplane->hasConstantSpeedProp);
    cells["Retract"] = Flag(airplane->isRetractable);
    cells["Tailwheel"] = Flag(airplane->hasTailWheel);
    cells["High Performance"] = Flag(airplane->isHighPerformance);
  }
  return cells;
}

Cells AircraftRow(const CAirplane& a) {
  return {{"AircraftID", ExportTail(a.nNumber)},
          {"equipType", a.isSimulator ? "ffs" : "aircraft"},
          {"Make", Cp1252ToUtf8(a.make)},
          {"Model", Cp1252ToUtf8(a.model)},
          {"Category/Class", CategoryClassCode(a)},
          {"GearType", GearTypeCode(a)},
          {"complexAircraft", Flag(a.hasConstantSpeedProp)},
          {"highPerformance", Flag(a.isHighPerformance)}};
}

// Writes rows of a fixed width (ForeFlight pads every row to the full width).
class CCsvWriter {
 public:
  explicit CCsvWriter(std::size_t width) : width_(width) {}
  void Row(const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < std::max(width_, cells.size()); ++i) {
      if (i > 0) out_ += ',';
      if (i < cells.size()) out_ += CsvCell(cells[i]);
    }
    out_ += "\r\n";
  }
  void Row(const std::vector<std::string>& header, const Cells& cells) {
    std::vector<std::string> row;
    for (const std::string& name : header) {
      const auto found = cells.find(name);
      row.push_back(found == cells.end() ? std::string() : found->second);
    }
    Row(row);
  }
  std::string Text() { return std::move(out_); }

 private:
  std::size_t width_;
  std::string out_;
};

// Fills in the remarks cell with the tag of what the row's other cells do not
// carry: the row is read back as the import would read it, numbered as an
// import into an empty log would number it.
void PutRemarks(const CAerodexEntry& e, int expectedNumber, const std::vector<CColumn>& columns,
                const char* remarksColumn, Cells& cells) {
  std::vector<std::string> row;
  for (const CColumn& column : columns) {
    const auto found = cells.find(column.name);
    row.push_back(found == cells.end() ? std::string() : found->second);
  }
  CMappedRow read = MapFlightRow(columns, row);
  read.entry.flightNumber = expectedNumber;
  read.entry.remarks = e.remarks;
  const std::string tag = MakeRemarksTag(e, read.entry);
  std::string remarks = Cp1252ToUtf8(e.remarks);
  if (!tag.empty()) remarks += (remarks.empty() ? "" : " ") + tag;
  cells[remarksColumn] = remarks;
}

// Each flight's place among the flights of its date, as an import numbers them.
class CDateOrdinals {
 public:
  int Next(const CAerodexEntry& e) { return seen_[(e.year * 13 + e.month) * 32 + e.day]++; }

 private:
  std::unordered_map<int, int> seen_;
};

std::string ForeFlightFile(const CAerodexDoc& doc) {
  const auto& flightColumns = ForeFlightFlightColumns();
  CCsvWriter out(flightColumns.size());
  out.Row({"ForeFlight Logbook Import"});
  out.Row({});
  out.Row({"Aircraft Table"});
  out.Row(ForeFlightAircraftColumns());
  std::unordered_set<std::string> written;
  for (const auto& entry : doc.Entries()) {
    const CAirplane* airplane = doc.FindAircraft(entry->nNumber);
    if (airplane && written.insert(airplane->nNumber).second) {
      out.Row(ForeFlightAircraftColumns(), AircraftRow(*airplane));
    }
  }
  out.Row({});
  out.Row({"Flights Table"});
  out.Row(flightColumns);
  const std::vector<CColumn> meanings = ColumnsOf(flightColumns, {});
  CDateOrdinals ordinals;
  for (const auto& entry : doc.Entries()) {
    Cells cells = ForeFlightFlight(*entry);
    PutRemarks(*entry, ordinals.Next(*entry), meanings, "PilotComments", cells);
    out.Row(flightColumns, cells);
  }
  return out.Text();
}

std::string MyFlightbookFile(const CAerodexDoc& doc) {
  const auto& columns = MyFlightbookColumns();
  CCsvWriter out(0);
  out.Row(columns);
  const std::vector<CColumn> meanings = ColumnsOf(columns, {});
  CDateOrdinals ordinals;
  for (const auto& entry : doc.Entries()) {
    Cells cells = MyFlightbookFlight(*entry, doc.FindAircraft(entry->nNumber));
    PutRemarks(*entry, ordinals.Next(*entry), meanings, "Comments", cells);
    out.Row(columns, cells);
  }
  return out.Text();
}

}  // namespace

std::optional<ExportFormat> ExportFormatByName(std::string_view name) {
  if (name == "foreflight") return ExportFormat::kForeFlight;
  if (name == "myflightbook") return ExportFormat::kMyFlightbook;
  if (name == "csv") return ExportFormat::kAerodexCsv;
  return std::nullopt;
}

std::string ExportLog(const CAerodexDoc& doc, ExportFormat format) {
  switch (format) {
    case ExportFormat::kForeFlight:
      return ForeFlightFile(doc);
    case ExportFormat::kMyFlightbook:
      return MyFlightbookFile(doc);
    case ExportFormat::kAerodexCsv:
      return AerodexCsv(doc);
  }
  return {};
}

}  // namespace aerodex::import
