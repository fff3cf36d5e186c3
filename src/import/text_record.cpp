// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/text_record.h"

#include <initializer_list>
#include <span>

#include "import/number_scanner.h"
#include "import/text_import.h"

namespace aerodex::import {
namespace {

// Reads a numeric data line; endMessage stops the import when the file has ended.
bool ReadNumberLine(CDataReader& reader, CImportNotes& notes, const char* endMessage,
                    std::string& line) {
  if (reader.ReadDataLine(line) == ReadStatus::kOk) return true;
  notes.Stop(endMessage);
  return false;
}

NumberField Whole(int& field) { return {&field, nullptr}; }
NumberField Real(double& field) { return {nullptr, &field}; }

// Item 2: "%d %d %d", the date as written.
bool ReadDate(CDataReader& reader, CImportNotes& notes, CAerodexEntry& e) {
  std::string line;
  return ReadNumberLine(reader, notes, kIntegritySuspect, line) &&
         ScanNumberLine(line, reader.LineNumber(), {Whole(e.day), Whole(e.month), Whole(e.year)},
                        notes);
}

// Item 6: "%d %d %f %f %f %f %f %f %f %f %f".
bool ReadTimes(CDataReader& reader, CImportNotes& notes, CAerodexEntry& e) {
  std::string line;
  return ReadNumberLine(reader, notes, kTimeDataSuspect, line) &&
         ScanNumberLine(line, reader.LineNumber(),
                        {Whole(e.dayLandings), Whole(e.nightLandings), Real(e.dayHours),
                         Real(e.nightHours), Real(e.dayCrossCountry), Real(e.nightCrossCountry),
                         Real(e.tachTime), Real(e.picHours), Real(e.dualHours),
                         Real(e.actualInstrument), Real(e.simulatedInstrument)},
                        notes);
}

// Item 7: "%d %d %d %d %d %d %d".
bool ReadApproaches(CDataReader& reader, CImportNotes& notes, CAerodexEntry& e) {
  std::string line;
  return ReadNumberLine(reader, notes, kApproachDataSuspect, line) &&
         ScanNumberLine(line, reader.LineNumber(),
                        {Whole(e.ilsApproaches), Whole(e.vorApproaches), Whole(e.locApproaches),
                         Whole(e.ndbApproaches), Whole(e.gpsApproaches), Whole(e.loranApproaches),
                         Whole(e.radarApproaches)},
                        notes);
}

// A text item inside a record. The end of the file is not an error here: the
// text stays empty and the next numeric item reports the end.
bool ReadText(CDataReader& reader, CImportNotes& notes, std::string& text) {
  if (reader.ReadDataString(text) != ReadStatus::kNoCarets) return true;
  notes.Stop(NoCaretsMessage(reader.OffendingLine()), reader.LineNumber());
  return false;
}

}  // namespace

void CImportNotes::Stop(const std::string& message, std::int64_t line) {
  port_.ShowError(message);
  report_.status = ImportStatus::kStopped;
  report_.stop = {line, message};
}

void CImportNotes::Warn(const std::string& text, std::int64_t line) {
  report_.warnings.push_back({line, text});
}

bool ScanNumberLine(const std::string& line, std::int64_t lineNumber,
                    std::initializer_list<NumberField> fields, CImportNotes& notes) {
  CNumberScanner scanner(line);
  int read = 0;
  for (const NumberField& field : fields) {
    if (field.whole ? scanner.NextInt(*field.whole) : scanner.NextReal(*field.real)) {
      ++read;
      continue;
    }
    const int expected = static_cast<int>(fields.size());
    if (scanner.OutOfRange()) {
      notes.Stop(NumberDataMessage(line, expected), lineNumber);
      return false;
    }
    for (const NumberField& rest : std::span(fields.begin() + read, fields.end())) {
      if (rest.whole) *rest.whole = 0;
      if (rest.real) *rest.real = 0.0;
    }
    notes.Warn(ShortLineWarning(line, read, expected), lineNumber);
    return true;
  }
  return true;
}

std::string NoCaretsMessage(const std::string& line) {
  return "Aerodex: Entry string integrity suspect<" + line + ">!";
}

std::string NumberDataMessage(const std::string& line, int expected) {
  return "Aerodex: Entry number data suspect<" + line + ">! Expected " + std::to_string(expected) +
         (expected == 1 ? " number." : " numbers.");
}

std::string StoredNNumber(const std::string& text) {
  std::string nNumber = text.substr(0, kShortTextLength);
  if (!nNumber.empty() && nNumber.front() == 'N') nNumber.erase(0, 1);
  return nNumber;
}

bool ReadRecordItems(CDataReader& reader, CImportNotes& notes, CAerodexEntry& entry) {
  if (!ReadDate(reader, notes, entry)) return false;
  if (!ReadText(reader, notes, entry.departure) || !ReadText(reader, notes, entry.arrival) ||
      !ReadText(reader, notes, entry.route)) {
    return false;
  }
  if (entry.departure.size() > kShortTextLength) entry.departure.resize(kShortTextLength);
  if (entry.arrival.size() > kShortTextLength) entry.arrival.resize(kShortTextLength);
  return ReadTimes(reader, notes, entry) && ReadApproaches(reader, notes, entry) &&
         ReadText(reader, notes, entry.remarks);  // empty when the file ends here
}

}  // namespace aerodex::import
