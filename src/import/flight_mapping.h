// SPDX-License-Identifier: GPL-3.0-or-later
// The one mapping of a row of another logbook's flights table to an aerodex
// flight, whatever the format: the tail as an N-Number, day hours as total
// minus night, cross-country split by day and night, PIC as the larger of PIC
// and solo, landings and approaches by type, airports too long for the form
// moved into the route, and every other non-empty cell kept in the remarks as
// "Name=value". What was assumed is said in the row's warnings; a row that
// cannot be read says why and gives no flight.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "import/column_meanings.h"
#include "import/remarks_tag.h"
#include "model/entry.h"

namespace aerodex::import {

struct CColumn {
  std::string name;  // as the file writes it, UTF-8
  Meaning meaning = Meaning::kKeep;
};

struct CMappedRow {
  CAerodexEntry entry;                // flightNumber not yet given, unless numbered
  bool numbered = false;              // aerodex's own CSV: the file's flight number stands
  TagFields tag;                      // from the remarks, applied once numbered
  std::vector<std::string> warnings;  // UTF-8
  std::optional<std::string> error;   // why the row cannot be read, UTF-8
};

// The stored N-Number of a tail: upper case, one leading "N" dropped when a
// digit follows it (US registrations); others kept whole ("C-GABC").
std::string StoredTail(std::string_view tail);

// The cell of `column` in a row, "" when the row is short.
const std::string& CellAt(const std::vector<std::string>& cells, std::size_t column);

CMappedRow MapFlightRow(std::span<const CColumn> columns, const std::vector<std::string>& cells);

// Adds `count` approaches of a type as another logbook names it ("ILS CAT
// II", "RNAV (GPS)", "ASR/SRA"...). False, counted as GPS, for an unknown type.
bool AddApproaches(CAerodexEntry& entry, std::string_view type, int count);

}  // namespace aerodex::import
