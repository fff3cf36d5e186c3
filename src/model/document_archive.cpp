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

void WritePilot(CArchiveWriter& out, const CPilotInfo& p, const std::string& lastNNumber) {
  out.WriteString(p.pilotName);
  out.WriteString(p.address);
  out.WriteString(p.baseAirport);
  out.WriteI32(p.licenseNumber);
  for (int v : {p.bfrMonth, p.bfrYear, p.iccMonth, p.iccYear, p.medicalMonth, p.medicalYear,
                p.medicalClass, p.birthMonth, p.birthYear}) {
    out.WriteU16(v);
  }
  for (auto flag : kPilotFlags) out.WriteI32(p.*flag);
  out.WriteString(lastNNumber);
}

void WriteAirplane(CArchiveWriter& out, const CAirplane& a) {
  for (int v : {a.isAirplane, a.isAirship, a.isBalloon, a.isHeavy, a.hasConstantSpeedProp}) {
    out.WriteI32(v);
  }
  out.WriteF64(a.hourlyCost);
  for (int v : {a.isGlider, a.isGyroplane, a.isHelicopter, a.isHighPerformance, a.isIfrCertified}) {
    out.WriteI32(v);
  }
  out.WriteString(a.make);
  out.WriteString(a.model);
  out.WriteI32(a.isMultiEngine);
  out.WriteString(a.nNumber);
  for (int v : {a.isRetractable, a.isSeaplane, a.isSingleEngine, a.isSimulator, a.hasTailWheel,
                a.lastAnnualMonth}) {
    out.WriteI32(v);
  }
  out.WriteF64(a.tachAtAnnual);
  for (int v : {a.lastAnnualYear, a.lastIfrCheckMonth, a.lastIfrCheckYear}) out.WriteI32(v);
  out.WriteF64(a.tachAtOilChange);
  out.WriteI32(a.isMonitored);
  out.WriteI32(a.tbo);
}

void WriteEntry(CArchiveWriter& out, const CAerodexEntry& e) {
  out.WriteString(e.nNumber);
  for (int v : {e.day, e.month, e.year, e.flightNumber}) out.WriteU16(v);
  out.WriteString(e.departure);
  out.WriteString(e.arrival);
  out.WriteString(e.route);
  out.WriteU16(e.dayLandings);
  out.WriteU16(e.nightLandings);
  for (double v : {e.dayHours, e.nightHours, e.dayCrossCountry, e.nightCrossCountry, e.tachTime,
                   e.dualHours, e.picHours, e.actualInstrument, e.simulatedInstrument}) {
    out.WriteF64(v);
  }
  for (int v : {e.ilsApproaches, e.vorApproaches, e.locApproaches, e.ndbApproaches,
                e.gpsApproaches, e.rnavApproaches, e.loranApproaches, e.radarApproaches}) {
    out.WriteU16(v);
  }
  out.WriteString(e.remarks);
  out.WriteF64(e.startTach);
  out.WriteF64(e.endTach);
  out.WriteI32(e.holdingProcedures);
}

void ReadAirplane(CArchiveReader& in, CAirplane& a) {
  for (int* v : {&a.isAirplane, &a.isAirship, &a.isBalloon, &a.isHeavy, &a.hasConstantSpeedProp}) {
    *v = in.ReadI32();
  }
  a.hourlyCost = in.ReadF64();
  for (int* v :
       {&a.isGlider, &a.isGyroplane, &a.isHelicopter, &a.isHighPerformance, &a.isIfrCertified}) {
    *v = in.ReadI32();
  }
  a.make = in.ReadString();
  a.model = in.ReadString();
  a.isMultiEngine = in.ReadI32();
  a.nNumber = in.ReadString();
  for (int* v : {&a.isRetractable, &a.isSeaplane, &a.isSingleEngine, &a.isSimulator,
                 &a.hasTailWheel, &a.lastAnnualMonth}) {
    *v = in.ReadI32();
  }
  a.tachAtAnnual = in.ReadF64();
  for (int* v : {&a.lastAnnualYear, &a.lastIfrCheckMonth, &a.lastIfrCheckYear}) *v = in.ReadI32();
  a.tachAtOilChange = in.ReadF64();
  a.isMonitored = in.ReadI32();
  a.tbo = in.ReadI32();
}

void ReadEntry(CArchiveReader& in, CAerodexEntry& e) {
  e.nNumber = in.ReadString();
  for (int* v : {&e.day, &e.month, &e.year, &e.flightNumber}) *v = in.ReadU16();
  e.departure = in.ReadString();
  e.arrival = in.ReadString();
  e.route = in.ReadString();
  e.dayLandings = in.ReadU16();
  e.nightLandings = in.ReadU16();
  for (double* v : {&e.dayHours, &e.nightHours, &e.dayCrossCountry, &e.nightCrossCountry,
                    &e.tachTime, &e.dualHours, &e.picHours, &e.actualInstrument,
                    &e.simulatedInstrument}) {
    *v = in.ReadF64();
  }
  for (int* v : {&e.ilsApproaches, &e.vorApproaches, &e.locApproaches, &e.ndbApproaches,
                 &e.gpsApproaches, &e.rnavApproaches, &e.loranApproaches, &e.radarApproaches}) {
    *v = in.ReadU16();
  }
  e.remarks = in.ReadString();
  e.startTach = in.ReadF64();
  e.endTach = in.ReadF64();
  e.holdingProcedures = in.ReadI32();
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
  out.Reserve(160 + doc.AircraftCount() * 160 + std::size_t{doc.EntryCount()} * 200);
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
  p.licenseNumber = in_.ReadI32();
  for (int* v : {&p.bfrMonth, &p.bfrYear, &p.iccMonth, &p.iccYear, &p.medicalMonth,
                 &p.medicalYear, &p.medicalClass, &p.birthMonth, &p.birthYear}) {
    *v = in_.ReadU16();
  }
  for (auto flag : kPilotFlags) p.*flag = in_.ReadI32();
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
