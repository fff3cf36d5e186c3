// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/text_import.h"

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "editing/aircraft_commands.h"
#include "files/file_env.h"
#include "import/data_reader.h"
#include "import/known_flights.h"
#include "import/text_record.h"

namespace aerodex::import {
namespace {

// Header items 1 to 4: the record count E, two pilot texts and the pilot
// data line, of which only E is used.
bool ReadHeader(CDataReader& reader, CImportNotes& notes, int& expected) {
  std::string line;
  if (reader.ReadDataLine(line) == ReadStatus::kEnd) {
    notes.Stop(kIntegritySuspect);
    return false;
  }
  if (!ScanNumberLine(line, reader.LineNumber(), {NumberField{&expected, nullptr}}, notes)) {
    return false;
  }
  std::string pilotText;
  for (int item = 2; item <= 3; ++item) {
    const ReadStatus status = reader.ReadDataString(pilotText);
    if (status == ReadStatus::kOk) continue;
    if (status == ReadStatus::kEnd) {
      notes.Stop(kPilotInfoError);
    } else {
      notes.Stop(NoCaretsMessage(reader.OffendingLine()), reader.LineNumber());
    }
    return false;
  }
  if (reader.ReadDataLine(line) == ReadStatus::kEnd) {
    notes.Stop(kPilotDataSuspect);
    return false;
  }
  return true;
}

// Offers to create an aircraft that the database lacks. Asked for every
// record, so an aircraft created for one record is found by the next. True
// when the database has the aircraft in the end.
bool OfferMissingAircraft(CAerodexDoc& doc, CInteractionPort& port, const std::string& nNumber,
                          CImportReport& report) {
  if (doc.FindAircraft(nNumber)) return true;
  if (!port.AskConfirmation("N" + nNumber + ": not in aircraft database. " +
                            kMissingAircraftAdvice)) {
    return false;
  }
  RunAircraftForm(doc, port, nNumber);  // the flight is imported whatever the form returns
  if (!doc.FindAircraft(nNumber)) return false;
  report.aircraftCreated.push_back(nNumber);
  return true;
}

// The next record, read up to its remarks; nothing when the file has ended
// or the record is unusable (the import has stopped). firstLine is the line
// of the file that the record begins on.
std::unique_ptr<CAerodexEntry> ReadRecord(CDataReader& reader, CAerodexDoc& doc,
                                          CImportNotes& notes, std::int64_t& firstLine) {
  std::string nNumber;
  const ReadStatus status = reader.ReadDataString(nNumber);
  firstLine = reader.LineNumber();
  if (status == ReadStatus::kNoCarets) {
    notes.Stop(NoCaretsMessage(reader.OffendingLine()), firstLine);
  }
  if (status != ReadStatus::kOk) return nullptr;
  auto entry = std::make_unique<CAerodexEntry>();
  entry->ResetTotals(doc.Clock());
  entry->nNumber = StoredNNumber(nNumber);
  if (!ReadRecordItems(reader, notes, *entry)) return nullptr;
  return entry;
}

// Puts the appended flights in log order and shows them.
void SortIntoPlace(CAerodexDoc& doc) {
  doc.SortEntries();
  doc.UpdateAllViews();
}

// The flights of each N-Number that had no aircraft when they were read, in
// the order the file first names them.
class CMissingTally {
 public:
  void Count(const std::string& nNumber) {
    const auto [at, added] = index_.try_emplace(nNumber, missing_.size());
    if (added) missing_.push_back({nNumber, 0});
    ++missing_[at->second].flights;
  }
  // Those for which no aircraft was created later in the import.
  std::vector<CMissingAircraft> StillMissing(const CAerodexDoc& doc) {
    std::erase_if(missing_, [&doc](const CMissingAircraft& aircraft) {
      return doc.FindAircraft(aircraft.nNumber) != nullptr;
    });
    return std::move(missing_);
  }

 private:
  std::vector<CMissingAircraft> missing_;
  std::unordered_map<std::string, std::size_t> index_;
};

// Reads records up to the end of the file or a stop, appending each.
void ReadRecords(CDataReader& reader, CAerodexDoc& doc, CInteractionPort& port, CImportNotes& notes,
                 CImportReport& report) {
  const CKnownFlights known(doc);
  CMissingTally missing;
  for (;;) {
    std::int64_t firstLine = 0;
    std::unique_ptr<CAerodexEntry> entry = ReadRecord(reader, doc, notes, firstLine);
    if (!entry) break;  // the end of the file, or a stop
    if (known.LooksKnown(*entry)) report.duplicates.push_back({firstLine, DescribeFlight(*entry)});
    const bool inDatabase = OfferMissingAircraft(doc, port, entry->nNumber, report);
    const std::string nNumber = inDatabase ? std::string() : entry->nNumber;
    if (!doc.AppendEntry(std::move(entry))) {
      report.status = ImportStatus::kStopped;  // the document has shown why
      report.stop = {firstLine, "no memory for another flight"};
      break;
    }
    if (!inDatabase) missing.Count(nNumber);
    ++report.found;
  }
  report.missingAircraft = missing.StillMissing(doc);
}

}  // namespace

CImportReport ImportTextLog(CAerodexDoc& doc, CInteractionPort& port, std::istream& in) {
  CDataReader reader(in);
  CImportReport report;
  CImportNotes notes(port, report);
  report.headerRead = ReadHeader(reader, notes, report.expected);
  if (report.headerRead) ReadRecords(reader, doc, port, notes, report);
  report.flightsAdded = report.found;
  report.loneCarriageReturns = reader.MetLoneCarriageReturn();
  if (report.status == ImportStatus::kStopped) {
    // Whatever was appended stays, but never out of log order.
    if (report.found > 0) SortIntoPlace(doc);
    return report;
  }
  SortIntoPlace(doc);
  if (report.expected != report.found) {
    port.ShowError("Expected " + std::to_string(report.expected) + " entries, found " +
                   std::to_string(report.found) + " entries!\n");
  }
  return report;
}

}  // namespace aerodex::import

void OnImportFromUnix(CAerodexDoc& doc, CInteractionPort& port) {
  std::string path;
  if (!port.ChooseImportFile(path)) return;
  // Read whole and without waiting: a named pipe or a device fails at once.
  std::string text;
  if (!aerodex::ReadWholeFile(path, text).ok) {
    port.ShowError(aerodex::import::kFailedToOpen);
    return;
  }
  std::istringstream in(text);
  aerodex::import::CImportReport report = aerodex::import::ImportTextLog(doc, port, in);
  report.file = path;
  port.ShowImportReport(aerodex::import::RenderImportReport(report));
}
