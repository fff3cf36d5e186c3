// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/pilot_time_cells.h"

#include <array>

#include "stats/month_index.h"

namespace aerodex::stats {
namespace {

using C = PilotTimeCell;

constexpr std::array kColumns = {
    PilotTimeColumn{C::kTotal, "Total", "total", false},
    PilotTimeColumn{C::kInstructionReceived, "Instruction Received", "instructionReceived", false},
    PilotTimeColumn{C::kSolo, "Solo", "solo", false},
    PilotTimeColumn{C::kPic, "Pilot in Command (PIC) and SIC", "pic", false},
    PilotTimeColumn{C::kXcInstructionReceived, "Cross Country Instruction Received",
                    "xcInstructionReceived", false},
    PilotTimeColumn{C::kXcSolo, "Cross Country Solo", "xcSolo", false},
    PilotTimeColumn{C::kXcPic, "Cross Country PIC and SIC", "xcPic", false},
    PilotTimeColumn{C::kInstrument, "Instrument", "instrument", false},
    PilotTimeColumn{C::kNightInstructionReceived, "Night Instruction Received",
                    "nightInstructionReceived", false},
    PilotTimeColumn{C::kNightTakeoffLandings, "Night Take-off/Landings", "nightTakeoffLandings",
                    true},
    PilotTimeColumn{C::kNightPic, "Night PIC and SIC", "nightPic", false},
    PilotTimeColumn{C::kNightTakeoffLandingsPic, "Night Take-off/Landings PIC and SIC",
                    "nightTakeoffLandingsPic", true},
    PilotTimeColumn{C::kFlights, "Number of Flights", "flights", true},
    PilotTimeColumn{C::kAeroTows, "Number of Aero-Tows", nullptr, true},
    PilotTimeColumn{C::kGroundLaunches, "Number of Ground Launches", nullptr, true},
    PilotTimeColumn{C::kPoweredLaunches, "Number of Powered Launches", nullptr, true},
};

bool IsNightOrInstrument(PilotTimeCell cell) {
  return cell == C::kInstrument || cell == C::kNightInstructionReceived ||
         cell == C::kNightTakeoffLandings || cell == C::kNightPic ||
         cell == C::kNightTakeoffLandingsPic;
}

bool CellApplies(PilotTimeRowKind kind, PilotTimeCell cell) {
  if (cell == C::kSolo || cell == C::kXcSolo || cell == C::kAeroTows ||
      cell == C::kGroundLaunches || cell == C::kPoweredLaunches) {
    return false;
  }
  if (kind == PilotTimeRowKind::kTrainingDevices) {
    return cell == C::kTotal || cell == C::kInstructionReceived || cell == C::kInstrument;
  }
  return kind != PilotTimeRowKind::kGliders || !IsNightOrInstrument(cell);
}

double FilledValue(const PilotTimeRow& row, PilotTimeCell cell) {
  switch (cell) {
    case C::kTotal:
      return row.total;
    case C::kInstructionReceived:
      return row.instructionReceived;
    case C::kPic:
      return row.pic;
    case C::kXcInstructionReceived:
      return row.xcInstructionReceived;
    case C::kXcPic:
      return row.xcPic;
    case C::kInstrument:
      return row.instrument;
    case C::kNightInstructionReceived:
      return row.nightInstructionReceived;
    case C::kNightTakeoffLandings:
      return row.nightTakeoffLandings;
    case C::kNightPic:
      return row.nightPic;
    case C::kNightTakeoffLandingsPic:
      return row.nightTakeoffLandingsPic;
    case C::kFlights:
      return row.flights;
    default:
      return 0;
  }
}

std::string Hours(double hours) { return Format("%.1f", hours); }

}  // namespace

std::span<const PilotTimeColumn> PilotTimeColumns() { return kColumns; }

std::optional<double> CellValue(const PilotTimeRow& row, PilotTimeCell cell) {
  if (!CellApplies(row.kind, cell)) return std::nullopt;
  return FilledValue(row, cell);
}

std::string CellText(const PilotTimeRow& row, const PilotTimeColumn& column) {
  const std::optional<double> value = CellValue(row, column.cell);
  if (!value) return {};
  return column.isCount ? Format("%.0f", *value) : Hours(*value);
}

std::vector<std::string> ClassTotalsHeadings() {
  return {"Class", "Total", "PIC", "SIC", "Dual Received"};
}

std::vector<std::string> ClassTotalsCells(const ClassTotals& totals) {
  return {ClassName(totals.aircraftClass), Hours(totals.total), Hours(totals.pic),
          Hours(totals.sic), Hours(totals.dual)};
}

std::string DateRangeText(const DateRange& dates) {
  if (dates.from && dates.to) return IsoDateText(*dates.from) + " to " + IsoDateText(*dates.to);
  if (dates.from) return "from " + IsoDateText(*dates.from);
  if (dates.to) return "through " + IsoDateText(*dates.to);
  return "the whole log";
}

}  // namespace aerodex::stats
