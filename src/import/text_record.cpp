#include "import/text_record.h"

#include <initializer_list>

#include "import/number_scanner.h"
#include "import/text_import.h"

namespace aerodex::import {
namespace {

// Reads a numeric data line; endMessage is shown when the file has ended.
bool ReadNumberLine(CDataReader& reader, CPromptPort& port, const char* endMessage,
                    std::string& line) {
  if (reader.ReadDataLine(line) == ReadStatus::kOk) return true;
  port.ShowError(endMessage);
  return false;
}

bool ScanInts(const std::string& line, CPromptPort& port, std::initializer_list<int*> fields,
              int expected) {
  CNumberScanner scanner(line);
  for (int* field : fields) {
    if (!scanner.NextInt(*field)) {
      port.ShowError(NumberDataMessage(line, expected));
      return false;
    }
  }
  return true;
}

// Item 2: "%d %d %d", the date as written.
bool ReadDate(CDataReader& reader, CPromptPort& port, CAerodexEntry& e) {
  std::string line;
  return ReadNumberLine(reader, port, kIntegritySuspect, line) &&
         ScanInts(line, port, {&e.day, &e.month, &e.year}, 3);
}

// Item 6: "%d %d %f %f %f %f %f %f %f %f %f".
bool ReadTimes(CDataReader& reader, CPromptPort& port, CAerodexEntry& e) {
  std::string line;
  if (!ReadNumberLine(reader, port, kTimeDataSuspect, line)) return false;
  CNumberScanner scanner(line);
  bool complete = scanner.NextInt(e.dayLandings) && scanner.NextInt(e.nightLandings);
  for (double* field : {&e.dayHours, &e.nightHours, &e.dayCrossCountry, &e.nightCrossCountry,
                        &e.tachTime, &e.picHours, &e.dualHours, &e.actualInstrument,
                        &e.simulatedInstrument}) {
    complete = complete && scanner.NextReal(*field);
  }
  if (!complete) port.ShowError(NumberDataMessage(line, 11));
  return complete;
}

// Item 7: "%d %d %d %d %d %d %d".
bool ReadApproaches(CDataReader& reader, CPromptPort& port, CAerodexEntry& e) {
  std::string line;
  return ReadNumberLine(reader, port, kApproachDataSuspect, line) &&
         ScanInts(line, port,
                  {&e.ilsApproaches, &e.vorApproaches, &e.locApproaches, &e.ndbApproaches,
                   &e.gpsApproaches, &e.loranApproaches, &e.radarApproaches},
                  7);
}

// A text item inside a record. The end of the file is not an error here: the
// text stays empty and the next numeric item reports the end.
bool ReadText(CDataReader& reader, CPromptPort& port, std::string& text) {
  if (reader.ReadDataString(text) != ReadStatus::kNoCarets) return true;
  port.ShowError(NoCaretsMessage(reader.OffendingLine()));
  return false;
}

}  // namespace

std::string NoCaretsMessage(const std::string& line) {
  return "Aerodex: Entry string integrity suspect<" + line + ">!";
}

std::string NumberDataMessage(const std::string& line, int expected) {
  return "Aerodex: Entry number data suspect<" + line + ">! Expected " +
         std::to_string(expected) + (expected == 1 ? " number." : " numbers.");
}

std::string StoredNNumber(const std::string& text) {
  std::string nNumber = text.substr(0, kShortTextLength);
  if (!nNumber.empty() && nNumber.front() == 'N') nNumber.erase(0, 1);
  return nNumber;
}

bool ReadRecordItems(CDataReader& reader, CPromptPort& port, CAerodexEntry& entry) {
  if (!ReadDate(reader, port, entry)) return false;
  if (!ReadText(reader, port, entry.departure) || !ReadText(reader, port, entry.arrival) ||
      !ReadText(reader, port, entry.route)) {
    return false;
  }
  if (entry.departure.size() > kShortTextLength) entry.departure.resize(kShortTextLength);
  if (entry.arrival.size() > kShortTextLength) entry.arrival.resize(kShortTextLength);
  return ReadTimes(reader, port, entry) && ReadApproaches(reader, port, entry) &&
         ReadText(reader, port, entry.remarks);  // empty when the file ends here
}

}  // namespace aerodex::import
