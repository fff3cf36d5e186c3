// SPDX-License-Identifier: GPL-3.0-or-later
// The saved fields of each record, described once: name, member, kind and how
// the .adx file encodes it, in the order of the file. The archive reads and
// writes by these tables, the JSON dump and the CSV list the fields by them and
// the forms copy their data to and from a record by them. Adding a saved field
// means its member in the record and one row here; a field the user edits also
// needs its member and box in the form (editing/) and its place in the dialog.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <numeric>
#include <span>
#include <string>

#include "model/airplane.h"
#include "model/entry.h"
#include "model/pilot.h"

namespace aerodex {

// How a field is laid out in the file: a counted string, or a little-endian
// number of fixed width.
enum class FileEncoding : std::uint8_t { kString, kU16, kI32, kF64 };

// What a field holds in the record.
enum class ValueKind : std::uint8_t { kText, kWhole, kDecimal };

template <class Record>
struct RecordField {
  using RecordType = Record;

  const char* name = "";
  FileEncoding encoding = FileEncoding::kString;
  // The one member of the field's kind; the others stay null.
  std::string Record::*text = nullptr;
  int Record::*whole = nullptr;
  double Record::*decimal = nullptr;

  constexpr ValueKind Kind() const {
    return text ? ValueKind::kText : whole ? ValueKind::kWhole : ValueKind::kDecimal;
  }
  // Bytes in the file; 0 for a string, whose length varies.
  constexpr std::size_t FixedBytes() const {
    switch (encoding) {
      case FileEncoding::kString:
        return 0;
      case FileEncoding::kU16:
        return 2;
      case FileEncoding::kI32:
        return 4;
      case FileEncoding::kF64:
        return 8;
    }
    return 0;
  }
};

template <class Record>
constexpr RecordField<Record> StringField(const char* name, std::string Record::*member) {
  return {name, FileEncoding::kString, member, nullptr, nullptr};
}
// The low 16 bits are saved; loading widens them without sign.
template <class Record>
constexpr RecordField<Record> U16Field(const char* name, int Record::*member) {
  return {name, FileEncoding::kU16, nullptr, member, nullptr};
}
template <class Record>
constexpr RecordField<Record> I32Field(const char* name, int Record::*member) {
  return {name, FileEncoding::kI32, nullptr, member, nullptr};
}
template <class Record>
constexpr RecordField<Record> F64Field(const char* name, double Record::*member) {
  return {name, FileEncoding::kF64, nullptr, nullptr, member};
}

// One row: the field's name is the member's own.
#define AERODEX_ROW(encoding, Record, member) encoding##Field<Record>(#member, &Record::member)

#define P(encoding, member) AERODEX_ROW(encoding, CPilotInfo, member)
// The pilot record as the file's header holds it; lastNNumber, a member of the
// document, follows it in the file.
inline constexpr auto kPilotFields = std::to_array<RecordField<CPilotInfo>>({
    P(String, pilotName),
    P(String, address),
    P(String, baseAirport),
    P(I32, licenseNumber),
    P(U16, bfrMonth),
    P(U16, bfrYear),
    P(U16, iccMonth),
    P(U16, iccYear),
    P(U16, medicalMonth),
    P(U16, medicalYear),
    P(U16, medicalClass),
    P(U16, birthMonth),
    P(U16, birthYear),
    // The 32 flags: certificates, ratings, instructor ratings, endorsements.
    P(I32, isStudent),
    P(I32, isRecreational),
    P(I32, isPrivate),
    P(I32, isCommercial),
    P(I32, isAirlineTransport),
    P(I32, isFlightInstructor),
    P(I32, ratedAirplane),
    P(I32, ratedRotorcraft),
    P(I32, ratedGlider),
    P(I32, ratedLighterThanAir),
    P(I32, ratedSingleEngineLand),
    P(I32, ratedMultiEngineLand),
    P(I32, ratedSingleEngineSea),
    P(I32, ratedMultiEngineSea),
    P(I32, ratedHelicopter),
    P(I32, ratedGyroplane),
    P(I32, ratedAirship),
    P(I32, ratedFreeBalloon),
    P(I32, ratedInstrumentAirplane),
    P(I32, ratedInstrumentHelicopter),
    P(I32, cfiSingleEngineLand),
    P(I32, cfiMultiEngineLand),
    P(I32, cfiSingleEngineSea),
    P(I32, cfiMultiEngineSea),
    P(I32, cfiHelicopter),
    P(I32, cfiGyroplane),
    P(I32, cfiAirship),
    P(I32, cfiFreeBalloon),
    P(I32, cfiInstrumentAirplane),
    P(I32, cfiInstrumentHelicopter),
    P(I32, highPerformanceEndorsement),
    P(I32, tailWheelEndorsement),
});
#undef P

#define A(encoding, member) AERODEX_ROW(encoding, CAirplane, member)
inline constexpr auto kAirplaneFields = std::to_array<RecordField<CAirplane>>({
    A(I32, isAirplane),
    A(I32, isAirship),
    A(I32, isBalloon),
    A(I32, isHeavy),
    A(I32, hasConstantSpeedProp),
    A(F64, hourlyCost),
    A(I32, isGlider),
    A(I32, isGyroplane),
    A(I32, isHelicopter),
    A(I32, isHighPerformance),
    A(I32, isIfrCertified),
    A(String, make),
    A(String, model),
    A(I32, isMultiEngine),
    A(String, nNumber),
    A(I32, isRetractable),
    A(I32, isSeaplane),
    A(I32, isSingleEngine),
    A(I32, isSimulator),
    A(I32, hasTailWheel),
    A(I32, lastAnnualMonth),
    A(F64, tachAtAnnual),
    A(I32, lastAnnualYear),
    A(I32, lastIfrCheckMonth),
    A(I32, lastIfrCheckYear),
    A(F64, tachAtOilChange),
    A(I32, isMonitored),
    A(I32, tbo),
});
#undef A

#define E(encoding, member) AERODEX_ROW(encoding, CAerodexEntry, member)
// The saved fields of a flight; the totals-only and row-scratch fields are not part of a log.
inline constexpr auto kEntryFields = std::to_array<RecordField<CAerodexEntry>>({
    E(String, nNumber),
    E(U16, day),
    E(U16, month),
    E(U16, year),
    E(U16, flightNumber),
    E(String, departure),
    E(String, arrival),
    E(String, route),
    E(U16, dayLandings),
    E(U16, nightLandings),
    E(F64, dayHours),
    E(F64, nightHours),
    E(F64, dayCrossCountry),
    E(F64, nightCrossCountry),
    E(F64, tachTime),
    E(F64, dualHours),
    E(F64, picHours),
    E(F64, actualInstrument),
    E(F64, simulatedInstrument),
    E(U16, ilsApproaches),
    E(U16, vorApproaches),
    E(U16, locApproaches),
    E(U16, ndbApproaches),
    E(U16, gpsApproaches),
    E(U16, rnavApproaches),
    E(U16, loranApproaches),
    E(U16, radarApproaches),
    E(String, remarks),
    E(F64, startTach),
    E(F64, endTach),
    E(I32, holdingProcedures),
});
#undef E
#undef AERODEX_ROW

// The fields in the order the record declares them, which the text edges
// (JSON dump, CSV) use and which is not the file's. Later members of a class
// lie at higher addresses, so the order is read off the members of one record.
template <class Record, std::size_t N>
std::array<std::size_t, N> DeclarationOrder(const std::array<RecordField<Record>, N>& fields) {
  static const Record probe{};
  const auto address = [](const RecordField<Record>& f) -> const void* {
    switch (f.Kind()) {
      case ValueKind::kText:
        return &(probe.*f.text);
      case ValueKind::kWhole:
        return &(probe.*f.whole);
      case ValueKind::kDecimal:
        return &(probe.*f.decimal);
    }
    return nullptr;
  };
  std::array<std::size_t, N> order;
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::less<const void*>{}(address(fields[a]), address(fields[b]));
  });
  return order;
}

// Calls visitor(name, value) for every field of the table, in declaration
// order; the value is an int, a double or a std::string of r.
template <const auto& kFields, class Record, class Visitor>
void VisitFields(Record& r, Visitor&& visitor) {
  static const auto order = DeclarationOrder(kFields);
  for (std::size_t i : order) {
    const auto& f = kFields[i];
    switch (f.Kind()) {
      case ValueKind::kText:
        visitor(f.name, r.*f.text);
        break;
      case ValueKind::kWhole:
        visitor(f.name, r.*f.whole);
        break;
      case ValueKind::kDecimal:
        visitor(f.name, r.*f.decimal);
        break;
    }
  }
}

template <class Pilot, class Visitor>  // Pilot: CPilotInfo or const CPilotInfo
void VisitPilotFields(Pilot& r, Visitor&& v) {
  VisitFields<kPilotFields>(r, v);
}
template <class Airplane, class Visitor>
void VisitAirplaneFields(Airplane& r, Visitor&& v) {
  VisitFields<kAirplaneFields>(r, v);
}
template <class Entry, class Visitor>
void VisitSavedEntryFields(Entry& r, Visitor&& v) {
  VisitFields<kEntryFields>(r, v);
}

}  // namespace aerodex
