// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing one record of the .adx stream by its field table
// (model/record_fields.h). The fixed fields between two strings form a run that
// is read with one bounds check and written in one append. Everything about
// the layout is worked out at compile time, so a record costs what hand-written
// code for its fields would.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

#include "model/archive.h"
#include "model/record_fields.h"

namespace aerodex {

// The bytes a counted string takes, length included.
inline std::size_t StringBytes(const std::string& text) {
  const std::size_t n = text.size();
  return n + (n < 255 ? 1 : n < 0xFFFE ? 3 : 7);
}

template <const auto& kFields>
class CRecordArchive {
  using Field = std::remove_cvref_t<decltype(kFields[0])>;
  using Record = typename Field::RecordType;
  static constexpr std::size_t kCount = kFields.size();

  static constexpr bool IsString(std::size_t i) {
    return kFields[i].encoding == FileEncoding::kString;
  }

  // A string, or a run of fixed fields between two strings: fields [first, last).
  struct Segment {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t bytes = 0;  // of a run
  };
  struct Segments {
    std::array<Segment, kCount> items{};
    std::size_t count = 0;
  };
  static constexpr Segments Split() {
    Segments segments;
    for (std::size_t i = 0; i < kCount;) {
      Segment& s = segments.items[segments.count++];
      s.first = i++;
      if (!IsString(s.first)) {
        while (i < kCount && !IsString(i)) ++i;
        for (std::size_t j = s.first; j < i; ++j) s.bytes += kFields[j].FixedBytes();
      }
      s.last = i;
    }
    return segments;
  }
  static constexpr Segments kSegments = Split();

  static constexpr std::size_t SumFixedBytes() {
    std::size_t bytes = 0;
    for (const auto& f : kFields) bytes += f.FixedBytes();
    return bytes;
  }
  static constexpr std::size_t CountStrings() {
    std::size_t strings = 0;
    for (std::size_t i = 0; i < kCount; ++i) strings += IsString(i) ? 1 : 0;
    return strings;
  }

 public:
  // The record's fixed fields in bytes, and its smallest size (every string empty).
  static constexpr std::size_t kFixedBytes = SumFixedBytes();
  static constexpr std::size_t kMinBytes = kFixedBytes + CountStrings();

  static void Read(CArchiveReader& in, Record& r) {
    EachSegment([&]<std::size_t S>() { ReadSegment<S>(in, r); });
  }

  static void Write(CArchiveWriter& out, const Record& r) {
    EachSegment([&]<std::size_t S>() { WriteSegment<S>(out, r); });
  }

  // The exact bytes the record takes in the file.
  static std::size_t SavedBytes(const Record& r) {
    std::size_t bytes = kFixedBytes;
    EachSegment([&]<std::size_t S>() {
      constexpr Segment seg = kSegments.items[S];
      if constexpr (IsString(seg.first)) bytes += StringBytes(r.*kFields[seg.first].text);
    });
    return bytes;
  }

 private:
  template <class Visit>
  static void EachSegment(Visit&& visit) {
    [&]<std::size_t... S>(std::index_sequence<S...>) { (visit.template operator()<S>(), ...); }
    (std::make_index_sequence<kSegments.count>{});
  }

  // Calls visit<I>() for each field of the segment.
  template <std::size_t S, class Visit>
  static void EachField(Visit&& visit) {
    constexpr Segment seg = kSegments.items[S];
    [&]<std::size_t... I>(std::index_sequence<I...>) {
      (visit.template operator()<seg.first + I>(), ...);
    }
    (std::make_index_sequence<seg.last - seg.first>{});
  }

  template <std::size_t S>
  static void ReadSegment(CArchiveReader& in, Record& r) {
    constexpr Segment seg = kSegments.items[S];
    if constexpr (IsString(seg.first)) {
      r.*kFields[seg.first].text = in.ReadString();
    } else {
      static_assert(seg.bytes <= kLongestRun, "a run longer than the reader takes");
      CFixedRun run = in.ReadRun(seg.bytes);
      EachField<S>([&]<std::size_t I>() {
        constexpr Field f = kFields[I];
        if constexpr (f.encoding == FileEncoding::kU16) {
          r.*f.whole = run.U16();
        } else if constexpr (f.encoding == FileEncoding::kI32) {
          r.*f.whole = run.I32();
        } else {
          r.*f.decimal = run.F64();
        }
      });
    }
  }

  template <std::size_t S>
  static void WriteSegment(CArchiveWriter& out, const Record& r) {
    constexpr Segment seg = kSegments.items[S];
    if constexpr (IsString(seg.first)) {
      out.WriteString(r.*kFields[seg.first].text);
    } else {
      CRunBuilder run;
      EachField<S>([&]<std::size_t I>() {
        constexpr Field f = kFields[I];
        if constexpr (f.encoding == FileEncoding::kU16) {
          run.U16(r.*f.whole);
        } else if constexpr (f.encoding == FileEncoding::kI32) {
          run.I32(r.*f.whole);
        } else {
          run.F64(r.*f.decimal);
        }
      });
      out.WriteRun(run);
    }
  }
};

using CPilotArchive = CRecordArchive<kPilotFields>;
using CAirplaneArchive = CRecordArchive<kAirplaneFields>;
using CEntryArchive = CRecordArchive<kEntryFields>;

}  // namespace aerodex
