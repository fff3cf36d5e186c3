// SPDX-License-Identifier: GPL-3.0-or-later
// The 8710's columns and what fills each cell of a row. Gliders have no
// instrument or night cells; training devices take only total, instruction
// received and instrument; solo, cross-country solo and the glider launches
// are not recorded and stay empty. Shared by the dialog, its printed page,
// aerodex-cli's tables and JSON, so every one shows the same cells.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stats/pilot_time.h"

namespace aerodex::stats {

enum class PilotTimeCell {
  kTotal,
  kInstructionReceived,
  kSolo,
  kPic,
  kXcInstructionReceived,
  kXcSolo,
  kXcPic,
  kInstrument,
  kNightInstructionReceived,
  kNightTakeoffLandings,
  kNightPic,
  kNightTakeoffLandingsPic,
  kFlights,
  kAeroTows,
  kGroundLaunches,
  kPoweredLaunches,
};

struct PilotTimeColumn {
  PilotTimeCell cell;
  const char* heading;  // as on the form
  const char* jsonKey;  // null: not in aerodex-cli's JSON
  bool isCount;
};

// The form's columns, left to right.
std::span<const PilotTimeColumn> PilotTimeColumns();

// A cell's value; nothing when the cell stays empty for this row.
std::optional<double> CellValue(const PilotTimeRow& row, PilotTimeCell cell);
// "12.3" for hours, "4" for counts, "" for an empty cell.
std::string CellText(const PilotTimeRow& row, const PilotTimeColumn& column);

// "Class", "Total", "PIC", "SIC", "Dual Received" and one row of texts per class.
std::vector<std::string> ClassTotalsHeadings();
std::vector<std::string> ClassTotalsCells(const ClassTotals& totals);

// "2024-01-01 to 2024-12-31", "the whole log", "from 2024-01-01", "through 2024-12-31".
std::string DateRangeText(const DateRange& dates);

// Readable text for a terminal: the form's columns down, the rows across,
// then the class totals and the notes.
std::string PilotTimeText(const PilotTimeReport& report);
// Tab-separated lines for the clipboard, laid out like the form.
std::string PilotTimeTabs(const PilotTimeReport& report);

}  // namespace aerodex::stats
