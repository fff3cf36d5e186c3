// SPDX-License-Identifier: GPL-3.0-or-later
// The log as text: each placed row's cells as the page prints them, and the
// column headings as the page heading prints them. A screen reader reads
// these, so they come from drawing the row itself, never from formatting
// the record a second time.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "display/log_layout.h"
#include "model/document.h"

namespace aerodex {

// Date, Aircraft, Route of Flight, Description, Approaches ... Total, Cost:
// one column between each pair of a row's vertical rules.
inline constexpr std::size_t kLogColumnCount = 19;
using CLogCells = std::array<std::string, kLogColumnCount>;

struct CLogRowText {
  const CAerodexEntry* entry;  // the flight; null for a totals row
  std::string label;           // a totals row's label; empty for a flight
  CBand rules;                 // lower and upper rule, drawing units
  // What the row prints in each column, without the padding that aligns
  // it; a wrapped text's lines joined. A totals row's label stands in the
  // Description column, as on the page.
  CLogCells cells;
};

// The column headings of the log's pages (Windows-1252, like the cells).
CLogCells LogColumnHeadings(const CAerodexDoc& doc);
// The rows of the layout that meet band (drawing units), and the flight
// `also` wherever it lies, in the order the page shows them.
std::vector<CLogRowText> LogRowsText(const CAerodexDoc& doc, const CLogLayout& layout, CBand band,
                                     const CAerodexEntry* also = nullptr);

}  // namespace aerodex
