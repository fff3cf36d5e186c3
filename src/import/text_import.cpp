#include "import/text_import.h"

#include <memory>
#include <sstream>
#include <string>

#include "editing/aircraft_commands.h"
#include "import/data_reader.h"
#include "import/number_scanner.h"
#include "import/text_record.h"
#include "model/file_layer.h"

namespace aerodex::import {
namespace {

// Header items 1 to 4: the record count E, two pilot texts and the pilot
// data line, of which only E is used.
bool ReadHeader(CDataReader& reader, CPromptPort& port, int& expected) {
  std::string line;
  if (reader.ReadDataLine(line) == ReadStatus::kEnd) {
    port.ShowError(kIntegritySuspect);
    return false;
  }
  if (!CNumberScanner(line).NextInt(expected)) {
    port.ShowError(NumberDataMessage(line, 1));
    return false;
  }
  std::string pilotText;
  for (int item = 2; item <= 3; ++item) {
    const ReadStatus status = reader.ReadDataString(pilotText);
    if (status == ReadStatus::kOk) continue;
    port.ShowError(status == ReadStatus::kEnd ? std::string(kPilotInfoError)
                                              : NoCaretsMessage(reader.OffendingLine()));
    return false;
  }
  if (reader.ReadDataLine(line) == ReadStatus::kEnd) {
    port.ShowError(kPilotDataSuspect);
    return false;
  }
  return true;
}

// Offers to create an aircraft that the database lacks. Asked for every
// record, so an aircraft created for one record is found by the next.
void OfferMissingAircraft(CAerodexDoc& doc, CInteractionPort& port, const std::string& nNumber) {
  if (doc.FindAircraft(nNumber)) return;
  if (port.AskConfirmation("N" + nNumber + ": not in aircraft database. " +
                           kMissingAircraftAdvice)) {
    RunAircraftForm(doc, port, nNumber);  // the flight is imported whatever the form returns
  }
}

// The next record, read up to its remarks; nothing when the file has ended
// (done) or the record is unusable (a message has been shown).
std::unique_ptr<CAerodexEntry> ReadRecord(CDataReader& reader, CAerodexDoc& doc,
                                          CPromptPort& port, bool& done) {
  std::string nNumber;
  const ReadStatus status = reader.ReadDataString(nNumber);
  done = status == ReadStatus::kEnd;
  if (status == ReadStatus::kNoCarets) port.ShowError(NoCaretsMessage(reader.OffendingLine()));
  if (status != ReadStatus::kOk) return nullptr;
  auto entry = std::make_unique<CAerodexEntry>();
  entry->ResetTotals(doc.Clock());
  entry->nNumber = StoredNNumber(nNumber);
  if (!ReadRecordItems(reader, port, *entry)) return nullptr;
  return entry;
}

// Puts the appended flights in log order and shows them.
void SortIntoPlace(CAerodexDoc& doc) {
  doc.SortEntries();
  doc.UpdateAllViews();
}

}  // namespace

ImportResult ImportTextLog(CAerodexDoc& doc, CInteractionPort& port, std::istream& in) {
  CDataReader reader(in);
  ImportResult result;
  if (!ReadHeader(reader, port, result.expected)) {
    result.status = ImportStatus::kStopped;
    return result;
  }
  for (;;) {
    bool done = false;
    std::unique_ptr<CAerodexEntry> entry = ReadRecord(reader, doc, port, done);
    if (done) break;
    if (entry) OfferMissingAircraft(doc, port, entry->nNumber);
    if (!entry || !doc.AppendEntry(std::move(entry))) {
      // Whatever was appended stays, but never out of log order.
      result.status = ImportStatus::kStopped;
      if (result.found > 0) SortIntoPlace(doc);
      return result;
    }
    ++result.found;
  }
  SortIntoPlace(doc);
  if (result.expected != result.found) {
    port.ShowError("Expected " + std::to_string(result.expected) + " entries, found " +
                   std::to_string(result.found) + " entries!\n");
  }
  return result;
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
  aerodex::import::ImportTextLog(doc, port, in);
}
