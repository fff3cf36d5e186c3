// SPDX-License-Identifier: GPL-3.0-or-later
// A log at the format's limit for the display benchmarks: the sample
// generator's realistic flights (routes and remarks that wrap onto two or
// three lines) spread over ten aircraft, with the middle flight selected.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/document.h"
#include "tools/sample_log.h"

namespace aerodex::bench {

inline constexpr std::uint32_t kLimitFlights = 65535;

// Five more aircraft after the sample's five; every third flight moves to
// one of them, so each group of the N-Number view has flights.
inline void BuildTenAircraftLog(CAerodexDoc& doc, std::uint32_t flights) {
  doc.OnNewDocument();
  aerodex::sample::BuildLargeLog(doc, flights);
  static constexpr std::array<const char*, 5> kMore = {"4471R", "9021M", "115BW", "62733", "808SP"};
  for (std::size_t i = 0; i < kMore.size(); ++i) {
    auto airplane = std::make_unique<CAirplane>(kMore[i]);
    airplane->isAirplane = 1;
    airplane->isSingleEngine = i != 1;
    airplane->isMultiEngine = i == 1;
    airplane->hourlyCost = 110.0 + 15.0 * static_cast<double>(i);
    doc.AppendAircraft(std::move(airplane));
  }
  for (std::uint32_t i = 0; i < doc.EntryCount(); ++i) {
    if (i % 3 == 0) doc.Entry(i).nNumber = kMore[(i / 3) % kMore.size()];
  }
  doc.selectedEntry = flights > 0 ? &doc.Entry(flights / 2) : nullptr;
  doc.SetModifiedFlag(false);
}

}  // namespace aerodex::bench
