// SPDX-License-Identifier: GPL-3.0-or-later
// CKnownFlights: the flights a log held before an import, looked up by what
// makes two flights look the same: date, N-Number, airports and hours. Hours
// are compared to the hundredth, so that hours read with single precision
// match the same hours typed into the entry form.
#pragma once

#include <string>
#include <unordered_set>

#include "model/document.h"

namespace aerodex::import {

class CKnownFlights {
 public:
  explicit CKnownFlights(const CAerodexDoc& doc);
  bool LooksKnown(const CAerodexEntry& entry) const;

 private:
  std::unordered_set<std::string> keys_;
};

// The flight in one line: "6/14/1996 N1234X AAA to BBB, 1.2 h".
std::string DescribeFlight(const CAerodexEntry& entry);

}  // namespace aerodex::import
