// SPDX-License-Identifier: GPL-3.0-or-later
// CImportReport: what one import of the older text log did, for the pilot to
// check: the counts, the aircraft created and those still missing, flights
// that look like ones the log already held, every line read with a warning
// and the message that stopped the import, with line numbers. The window
// shows it in a dialog, aerodex-cli prints it; both render it here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aerodex::import {

enum class ImportStatus {
  kCompleted,  // every record up to the end of the file was read
  kStopped,    // bad data: a message was shown and the import ended early
};

// Something found on one line of the file. Texts are Windows-1252 bytes.
struct CImportLine {
  std::int64_t line = 0;  // from 1; 0 when no line is named
  std::string text;
};

struct CMissingAircraft {
  std::string nNumber;  // as stored, without the leading "N"
  std::int64_t flights = 0;
};

struct CImportReport {
  std::string file;  // as the user gave it, in the system's encoding
  ImportStatus status = ImportStatus::kCompleted;
  bool headerRead = false;
  int expected = 0;               // E, the count that the header claims
  std::int64_t found = 0;         // F, the records read and appended
  std::int64_t flightsAdded = 0;  // the flights the log keeps (0 when nothing is written)
  std::vector<std::string> aircraftCreated;
  std::vector<CMissingAircraft> missingAircraft;  // in the order the file first names them
  std::vector<CImportLine> duplicates;            // each at the line its record begins on
  std::vector<CImportLine> warnings;
  CImportLine stop;  // the message that stopped the import (empty when none)
  bool loneCarriageReturns = false;
  // Another logbook's file (import/logbook_import.h): read as a table.
  bool fromTable = false;
  std::string source;              // "ForeFlight, comma-separated, UTF-8"
  bool duplicatesSkipped = false;  // else added all the same
  std::vector<CImportLine> badRows;
  std::string totalsBefore;  // the log's totals, UTF-8
  std::string totalsAfter;
  std::vector<std::string> notes;  // closing lines of the caller's, in UTF-8
};

// A warning for a numeric line that held only `read` of its `expected`
// numbers; the fields after them were given 0.
std::string ShortLineWarning(const std::string& line, int read, int expected);

// The report as UTF-8 text, one finding a line, ending in a newline.
std::string RenderImportReport(const CImportReport& report);

}  // namespace aerodex::import
