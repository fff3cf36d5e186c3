#include "model/document_archive.h"

#include <memory>

#include "model/archive.h"

// Reads one record at a time into the document; a friend of CAerodexDoc so it
// can fill the entry slots the way the loader of the format always has.
class CDocumentLoader {
 public:
  CDocumentLoader(CAerodexDoc& doc, aerodex::CArchiveReader& in) : doc_(doc), in_(in) {}
  aerodex::LoadResult Load();

 private:
  void ReadHeader();
  bool ReadAircraft(int count);
  aerodex::LoadResult ReadEntries();

  CAerodexDoc& doc_;
  aerodex::CArchiveReader& in_;
};

namespace aerodex {
namespace {

// The smallest a record can be: its fixed runs plus one byte per empty string.
constexpr std::size_t kMinAircraftBytes = 115;
constexpr std::size_t kMinEntryBytes = 125;

// Fixed runs between the strings, in bytes.
constexpr std::size_t kPilotRun = 150;
constexpr std::size_t kAircraftRunA = 48;
constexpr std::size_t kAircraftRunB = 60;
constexpr std::size_t kEntryRunDate = 8;
constexpr std::size_t kEntryRunTimes = 92;
constexpr std::size_t kEntryRunTach = 20;

void WritePilot(CArchiveWriter& out, const CPilotInfo& p, const std::string& lastNNumber) {
  out.WriteString(p.pilotName);
  out.WriteString(p.address);
  out.WriteString(p.baseAirport);
  CRunBuilder run;
  run.I32(p.licenseNumber);
  for (int v : {p.bfrMonth, p.bfrYear, p.iccMonth, p.iccYear, p.medicalMonth, p.medicalYear,
                p.medicalClass, p.birthMonth, p.birthYear}) {
    run.U16(v);
  }
  for (auto flag : kPilotFlags) run.I32(p.*flag);
  out.WriteRun(run);
  out.WriteString(lastNNumber);
}

void WriteAirplane(CArchiveWriter& out, const CAirplane& a) {
  CRunBuilder runA;
  for (int v : {a.isAirplane, a.isAirship, a.isBalloon, a.isHeavy, a.hasConstantSpeedProp}) {
    runA.I32(v);
  }
  runA.F64(a.hourlyCost);
  for (int v : {a.isGlider, a.isGyroplane, a.isHelicopter, a.isHighPerformance, a.isIfrCertified}) {
    runA.I32(v);
  }
  out.WriteRun(runA);
  out.WriteString(a.make);
  out.WriteString(a.model);
  out.WriteI32(a.isMultiEngine);
  out.WriteString(a.nNumber);
  CRunBuilder runB;
  for (int v : {a.isRetractable, a.isSeaplane, a.isSingleEngine, a.isSimulator, a.hasTailWheel,
                a.lastAnnualMonth}) {
    runB.I32(v);
  }
  runB.F64(a.tachAtAnnual);
  for (int v : {a.lastAnnualYear, a.lastIfrCheckMonth, a.lastIfrCheckYear}) runB.I32(v);
  runB.F64(a.tachAtOilChange);
  runB.I32(a.isMonitored);
  runB.I32(a.tbo);
  out.WriteRun(runB);
}

void WriteEntry(CArchiveWriter& out, const CAerodexEntry& e) {
  out.WriteString(e.nNumber);
  CRunBuilder date;
  for (int v : {e.day, e.month, e.year, e.flightNumber}) date.U16(v);
  out.WriteRun(date);
  out.WriteString(e.departure);
  out.WriteString(e.arrival);
  out.WriteString(e.route);
  CRunBuilder times;
  times.U16(e.dayLandings);
  times.U16(e.nightLandings);
  for (double v : {e.dayHours, e.nightHours, e.dayCrossCountry, e.nightCrossCountry, e.tachTime,
                   e.dualHours, e.picHours, e.actualInstrument, e.simulatedInstrument}) {
    times.F64(v);
  }
  for (int v : {e.ilsApproaches, e.vorApproaches, e.locApproaches, e.ndbApproaches,
                e.gpsApproaches, e.rnavApproaches, e.loranApproaches, e.radarApproaches}) {
    times.U16(v);
  }
  out.WriteRun(times);
  out.WriteString(e.remarks);
  CRunBuilder tach;
  tach.F64(e.startTach);
  tach.F64(e.endTach);
  tach.I32(e.holdingProcedures);
  out.WriteRun(tach);
}

void ReadAirplane(CArchiveReader& in, CAirplane& a) {
  CFixedRun runA = in.ReadRun(kAircraftRunA);
  for (int* v : {&a.isAirplane, &a.isAirship, &a.isBalloon, &a.isHeavy, &a.hasConstantSpeedProp}) {
    *v = runA.I32();
  }
  a.hourlyCost = runA.F64();
  for (int* v :
       {&a.isGlider, &a.isGyroplane, &a.isHelicopter, &a.isHighPerformance, &a.isIfrCertified}) {
    *v = runA.I32();
  }
  a.make = in.ReadString();
  a.model = in.ReadString();
  a.isMultiEngine = in.ReadI32();
  a.nNumber = in.ReadString();
  CFixedRun runB = in.ReadRun(kAircraftRunB);
  for (int* v : {&a.isRetractable, &a.isSeaplane, &a.isSingleEngine, &a.isSimulator,
                 &a.hasTailWheel, &a.lastAnnualMonth}) {
    *v = runB.I32();
  }
  a.tachAtAnnual = runB.F64();
  for (int* v : {&a.lastAnnualYear, &a.lastIfrCheckMonth, &a.lastIfrCheckYear}) *v = runB.I32();
  a.tachAtOilChange = runB.F64();
  a.isMonitored = runB.I32();
  a.tbo = runB.I32();
}

void ReadEntry(CArchiveReader& in, CAerodexEntry& e) {
  e.nNumber = in.ReadString();
  CFixedRun date = in.ReadRun(kEntryRunDate);
  for (int* v : {&e.day, &e.month, &e.year, &e.flightNumber}) *v = date.U16();
  e.departure = in.ReadString();
  e.arrival = in.ReadString();
  e.route = in.ReadString();
  CFixedRun times = in.ReadRun(kEntryRunTimes);
  e.dayLandings = times.U16();
  e.nightLandings = times.U16();
  for (double* v : {&e.dayHours, &e.nightHours, &e.dayCrossCountry, &e.nightCrossCountry,
                    &e.tachTime, &e.dualHours, &e.picHours, &e.actualInstrument,
                    &e.simulatedInstrument}) {
    *v = times.F64();
  }
  for (int* v : {&e.ilsApproaches, &e.vorApproaches, &e.locApproaches, &e.ndbApproaches,
                 &e.gpsApproaches, &e.rnavApproaches, &e.loranApproaches, &e.radarApproaches}) {
    *v = times.U16();
  }
  e.remarks = in.ReadString();
  CFixedRun tach = in.ReadRun(kEntryRunTach);
  e.startTach = tach.F64();
  e.endTach = tach.F64();
  e.holdingProcedures = tach.I32();
}

// The bytes a counted string takes, length included.
std::size_t StringBytes(const std::string& text) {
  const std::size_t n = text.size();
  return n + (n < 255 ? 1 : n < 0xFFFE ? 3 : 7);
}

// The exact size of the saved document, so the buffer is allocated once.
std::size_t SavedSize(const CAerodexDoc& doc) {
  std::size_t size = 2 + StringBytes(doc.pilot.pilotName) + StringBytes(doc.pilot.address) +
                     StringBytes(doc.pilot.baseAirport) + kPilotRun +
                     StringBytes(doc.lastNNumber) + 2;
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    const CAirplane& a = doc.Aircraft(i);
    size += kAircraftRunA + 4 + kAircraftRunB + StringBytes(a.make) + StringBytes(a.model) +
            StringBytes(a.nNumber);
  }
  for (const auto& e : doc.Entries()) {
    size += kEntryRunDate + kEntryRunTimes + kEntryRunTach + StringBytes(e->nNumber) +
            StringBytes(e->departure) + StringBytes(e->arrival) + StringBytes(e->route) +
            StringBytes(e->remarks);
  }
  return size;
}

}  // namespace

LoadResult LoadDocument(CAerodexDoc& doc, std::span<const std::uint8_t> bytes) {
  doc.DeleteContents();
  if (bytes.empty()) return LoadResult::kLoaded;
  CArchiveReader in(bytes);
  const LoadResult result = CDocumentLoader(doc, in).Load();
  if (result != LoadResult::kLoaded) doc.DeleteContents();
  return result;
}

std::string CheckSavable(const CAerodexDoc& doc) {
  if (doc.AircraftCount() > kMaxRecordCount) {
    return "This log holds " + std::to_string(doc.AircraftCount()) +
           " aircraft, but an aerodex file can hold at most 65535. Nothing was saved.";
  }
  if (doc.EntryCount() > kMaxRecordCount) {
    return "This log holds " + std::to_string(doc.EntryCount()) +
           " flights, but an aerodex file can hold at most 65535. Nothing was saved.";
  }
  return {};
}

std::string SaveDocument(const CAerodexDoc& doc) {
  CArchiveWriter out;
  out.Reserve(SavedSize(doc));
  out.WriteU16(static_cast<int>(doc.AircraftCount()));
  WritePilot(out, doc.pilot, doc.lastNNumber);
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) WriteAirplane(out, doc.Aircraft(i));
  out.WriteU16(static_cast<int>(doc.EntryCount()));
  for (const auto& entry : doc.Entries()) WriteEntry(out, *entry);
  return out.TakeBytes();
}

}  // namespace aerodex

using aerodex::LoadResult;

LoadResult CDocumentLoader::Load() {
  const int aircraftCount = in_.ReadU16();
  ReadHeader();
  if (in_.Failed() || !ReadAircraft(aircraftCount)) return LoadResult::kUnexpectedFormat;
  return ReadEntries();
}

void CDocumentLoader::ReadHeader() {
  CPilotInfo& p = doc_.pilot;
  p.pilotName = in_.ReadString();
  p.address = in_.ReadString();
  p.baseAirport = in_.ReadString();
  aerodex::CFixedRun run = in_.ReadRun(aerodex::kPilotRun);
  p.licenseNumber = run.I32();
  for (int* v : {&p.bfrMonth, &p.bfrYear, &p.iccMonth, &p.iccYear, &p.medicalMonth,
                 &p.medicalYear, &p.medicalClass, &p.birthMonth, &p.birthYear}) {
    *v = run.U16();
  }
  for (auto flag : kPilotFlags) p.*flag = run.I32();
  doc_.lastNNumber = in_.ReadString();
}

bool CDocumentLoader::ReadAircraft(int count) {
  // A count that the remaining bytes cannot hold is refused before anything is built.
  if (std::size_t(count) * aerodex::kMinAircraftBytes > in_.Remaining()) return false;
  for (int i = 0; i < count; ++i) {
    auto airplane = std::make_unique<CAirplane>("");
    aerodex::ReadAirplane(in_, *airplane);
    if (in_.Failed()) return false;
    doc_.AppendAircraft(std::move(airplane));
  }
  return true;
}

LoadResult CDocumentLoader::ReadEntries() {
  const int count = in_.ReadU16();
  if (in_.Failed() || std::size_t(count) * aerodex::kMinEntryBytes > in_.Remaining()) {
    return LoadResult::kUnexpectedFormat;
  }
  if (doc_.entryCount == 0 && !doc_.GrowEntryArray(static_cast<std::uint32_t>(count))) {
    return LoadResult::kOutOfMemory;
  }
  doc_.entryCount = static_cast<std::uint32_t>(count);
  for (int i = 0; i < count; ++i) {
    auto entry = std::make_unique<CAerodexEntry>();
    aerodex::ReadEntry(in_, *entry);
    if (in_.Failed()) return LoadResult::kUnexpectedFormat;
    doc_.selectedEntry = entry.get();
    doc_.entries[i] = std::move(entry);
  }
  doc_.SortEntries();
  return LoadResult::kLoaded;
}
