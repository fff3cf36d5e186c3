// SPDX-License-Identifier: GPL-3.0-or-later
// One flight record of the older text log: the N-Number text, then the date
// line, departure, arrival, route, the landings-and-hours line, the
// approaches line and the remarks. Pilot-in-command hours come before dual
// hours, GPS before LORAN and RADAR, and there is no RNAV count.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "import/data_reader.h"
#include "import/import_report.h"
#include "model/entry.h"
#include "model/prompt_port.h"

namespace aerodex::import {

// Longest departure, arrival or N-Number text taken from a record.
inline constexpr std::size_t kShortTextLength = 15;

// Where the reading tells what it met: a stop shows its message through the
// port; stops and warnings are both kept, with their lines, in the report.
class CImportNotes {
 public:
  CImportNotes(CPromptPort& port, CImportReport& report) : port_(port), report_(report) {}
  // line is 0 for a message that names no line (the file has ended).
  void Stop(const std::string& message, std::int64_t line = 0);
  void Warn(const std::string& text, std::int64_t line);

 private:
  CPromptPort& port_;
  CImportReport& report_;
};

// "Aerodex: Entry string integrity suspect<LINE>!"
std::string NoCaretsMessage(const std::string& line);
// A numeric line holding a number that does not fit its field (out of range,
// nan, inf): the import stops with it.
std::string NumberDataMessage(const std::string& line, int expected);

// The N-Number as stored: cut to 15 characters, one leading capital N dropped.
std::string StoredNNumber(const std::string& text);

// Reads a numeric line into fields, each an int ("%d") or a real ("%f").
// Numbers missing at the end, or text where a number should be, leave the
// fields from there on 0 with a warning; a number that does not fit stops.
struct NumberField {
  int* whole = nullptr;
  double* real = nullptr;
};
bool ScanNumberLine(const std::string& line, std::int64_t lineNumber,
                    std::initializer_list<NumberField> fields, CImportNotes& notes);

// Reads items 2 to 8 of a record into entry (whose other fields the caller
// has reset). False after the stop when the record is unusable; the entry
// must then not be added.
bool ReadRecordItems(CDataReader& reader, CImportNotes& notes, CAerodexEntry& entry);

}  // namespace aerodex::import
