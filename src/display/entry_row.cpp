// SPDX-License-Identifier: GPL-3.0-or-later
// One ruled row of the log: a flight, or a totals accumulator drawn the same
// way. The row's aircraft decides the engine-class, simulator and cost columns.
#include <cstdint>
#include <string>

#include "display/layout_metrics.h"
#include "display/log_page.h"
#include "display/number_format.h"
#include "display/wrapped_text.h"

namespace aerodex {
namespace {

constexpr CColor kHighlight{255, 255, 0};

void DrawHours(CSurface& surface, int x, int y, double hours) {
  surface.TextOut(x, y, FormatFixed(hours, 7, 1));
}

void DrawIfNotZero(CSurface& surface, int x, int y, double hours) {
  if (hours != 0) DrawHours(surface, x, y, hours);
}

// Approaches, Landings, Single Engine and Multi Engine. A real aircraft
// classes the row's hours; the placeholder shows the sums a totals row carries.
void DrawCountAndEngineColumns(CSurface& surface, int y, const CAerodexEntry& record,
                               const CAirplane& aircraft, bool isPlaceholder) {
  const int approaches = record.ApproachCount();
  if (approaches > 0) surface.TextOut(4230, y, FormatCount(approaches, 4));
  // Summed wide: two hostile counts must not overflow.
  const std::int64_t landings = std::int64_t{record.dayLandings} + record.nightLandings;
  surface.TextOut(4500, y, FormatCount(landings, 4));
  const double total = record.TotalHours();
  if (isPlaceholder) {
    DrawIfNotZero(surface, 4720, y, record.singleEngineHours);
    DrawIfNotZero(surface, 5070, y, record.multiEngineHours);
    return;
  }
  if (aircraft.isAirplane && aircraft.isSingleEngine) DrawIfNotZero(surface, 4720, y, total);
  if (aircraft.isAirplane && aircraft.isMultiEngine) DrawIfNotZero(surface, 5070, y, total);
}

// Cross Country to Cost.
void DrawTimeColumns(CSurface& surface, int y, const CAerodexEntry& record,
                     const CAirplane& aircraft, bool isPlaceholder) {
  const double crossCountry = record.dayCrossCountry + record.nightCrossCountry;
  if (crossCountry > 0.1) DrawHours(surface, 5420, y, crossCountry);
  DrawIfNotZero(surface, 5770, y, record.dayHours);
  DrawIfNotZero(surface, 6120, y, record.nightHours);
  DrawIfNotZero(surface, 6470, y, record.actualInstrument);
  DrawIfNotZero(surface, 6820, y, record.simulatedInstrument);
  const double total = record.TotalHours();
  if (!isPlaceholder && aircraft.isSimulator) DrawHours(surface, 7170, y, total);  // 0.0 too
  DrawIfNotZero(surface, 7520, y, record.picHours);
  DrawIfNotZero(surface, 7870, y, record.dualHours);
  const double readings = record.endTach - record.startTach;
  if (readings > 0) {
    surface.TextOut(8220, y, FormatFixed(readings, 6, 1));
  } else if (record.tachTime != 0) {
    surface.TextOut(8220, y, FormatFixed(record.tachTime, 6, 1));
  }
  DrawIfNotZero(surface, 8620, y, total);
  const double cost = isPlaceholder ? record.cost : total * aircraft.hourlyCost;
  if (cost != 0) surface.TextOut(9020, y, FormatFixed(cost, 8, 0));
}

void DrawRules(CSurface& surface, int top, int bottom) {
  surface.MoveTo(0, bottom);
  surface.LineTo(layout::kDrawingWidth, bottom);
  surface.LineTo(layout::kDrawingWidth, top);
  surface.LineTo(0, top);
  surface.LineTo(0, bottom);
  for (const int x : layout::kRowRuleXs) {
    surface.MoveTo(x, top);
    surface.LineTo(x, bottom);
  }
}

// The lower rule of a row whose last text line is at lastLineY.
int LowerRule(int lastLineY) { return layout::Offset(lastLineY, -layout::kRuleBelowText); }

std::size_t RouteLines(const CAerodexEntry& record) {
  const std::size_t length = record.departure.size() + 1 +
                             (record.route.empty() ? 0 : record.route.size() + 1) +
                             record.arrival.size();
  // Most routes fit one line; only longer ones need composing to be broken,
  // into a buffer kept from one row to the next.
  if (length < static_cast<std::size_t>(layout::kRouteWidth)) return 1;
  thread_local std::string composed;
  ComposeRoute(record, composed);
  return CountWrappedLines(composed, layout::kRouteWidth);
}

}  // namespace

void ComposeRoute(const CAerodexEntry& record, std::string& text) {
  text.clear();
  text += record.departure;
  text += '-';
  if (!record.route.empty()) {
    text += record.route;
    text += '-';
  }
  text += record.arrival;
}

std::string ComposeRoute(const CAerodexEntry& record) {
  std::string text;
  text.reserve(record.departure.size() + record.route.size() + record.arrival.size() + 2);
  ComposeRoute(record, text);
  return text;
}

const CAirplane& RowAircraft(const CAerodexDoc& doc, const std::string& nNumber) {
  const CAirplane* aircraft = doc.FindAircraft(nNumber);
  return aircraft ? *aircraft : doc.placeholderAircraft;
}

std::size_t RowLineCount(const CAerodexEntry& record) {
  const std::size_t routeLines = RouteLines(record);
  const std::size_t remarkLines = CountWrappedLines(record.remarks, layout::kRemarksWidth);
  return routeLines > remarkLines ? routeLines : remarkLines;
}

int RowLowerRule(int y, std::size_t lines) {
  if (lines < 1) lines = 1;
  // Lines are bounded by the text's length, so the product stays far inside 64 bits.
  const std::int64_t drop = std::int64_t{layout::kLineStep} * static_cast<std::int64_t>(lines - 1);
  return LowerRule(layout::Offset(layout::ClampY(y), -drop));
}

int MeasureEntryRow(int y, const CAerodexEntry& record) {
  return RowLowerRule(y, RowLineCount(record));
}

int DrawEntryRow(const CAerodexDoc& doc, CSurface& surface, int y, CAerodexEntry& record) {
  return DrawEntryRowAs(doc, surface, y, record, RowAircraft(doc, record.nNumber));
}

int DrawEntryRowAs(const CAerodexDoc& doc, CSurface& surface, int y, CAerodexEntry& record,
                   const CAirplane& aircraft) {
  y = layout::ClampY(y);
  const int top = layout::Offset(y, layout::kRuleAboveText);
  const int measured = MeasureEntryRow(y, record);
  if (!surface.IsBandVisible(measured, top)) {
    record.rowTop = top;
    record.rowBottom = measured;
    return measured;
  }
  const bool printing = surface.IsPrinting();
  const CFontDesc* previous = surface.SelectFont(printing ? &doc.smallRowFont : &doc.screenRowFont);
  if (!printing && &record == doc.selectedEntry) {
    surface.FillSolidRect(0, top, layout::kDrawingWidth, measured, kHighlight);
  }
  surface.SetBackgroundMode(BackgroundMode::kTransparent);
  surface.TextOut(10, y, FormatRowDate(record.month, record.day, record.year));
  surface.TextOut(600, y, PadLeft(aircraft.nNumber, 6));
  const int routeLast =
      DrawWrappedText(surface, 1150, y, layout::kRouteWidth, ComposeRoute(record));
  const int remarksLast = DrawWrappedText(surface, 2200, y, layout::kRemarksWidth, record.remarks);
  const bool isPlaceholder = &aircraft == &doc.placeholderAircraft;
  DrawCountAndEngineColumns(surface, y, record, aircraft, isPlaceholder);
  DrawTimeColumns(surface, y, record, aircraft, isPlaceholder);
  const int bottom = LowerRule(routeLast < remarksLast ? routeLast : remarksLast);
  DrawRules(surface, top, bottom);
  surface.SelectFont(previous);
  record.rowTop = top;
  record.rowBottom = bottom;
  return bottom;
}

void DrawTotalsDecoration(const CAerodexDoc& doc, CSurface& surface, const CAerodexEntry& row,
                          int lowerRule, const std::string& label) {
  const CPenDesc* previousPen = surface.SelectPen(&doc.totalsPen);
  surface.MoveTo(10, row.rowTop);
  surface.LineTo(layout::kDrawingWidth, row.rowTop);
  surface.LineTo(layout::kDrawingWidth, row.rowBottom);
  surface.LineTo(10, row.rowBottom);
  surface.LineTo(10, row.rowTop);
  surface.SelectPen(previousPen);
  const CFontDesc* previousFont = surface.SelectFont(&doc.headingFont);
  surface.TextOut(2400, layout::Offset(lowerRule, 175), label);
  surface.SelectFont(previousFont);
}

void AddAircraftSums(const CAerodexDoc& doc, const CAerodexEntry& entry,
                     CAerodexEntry& accumulator) {
  const CAirplane* aircraft = doc.FindAircraft(entry.nNumber);
  if (aircraft) AddAircraftSumsAs(*aircraft, entry, accumulator);
}

void AddAircraftSumsAs(const CAirplane& aircraft, const CAerodexEntry& entry,
                       CAerodexEntry& accumulator) {
  const double total = entry.TotalHours();
  accumulator.cost += total * aircraft.hourlyCost;
  // Unlike the row's own columns, the sums ignore isAirplane, and an aircraft
  // marked both single and multi engine counts as single engine.
  if (aircraft.isSingleEngine) {
    accumulator.singleEngineHours += total;
  } else if (aircraft.isMultiEngine) {
    accumulator.multiEngineHours += total;
  }
}

}  // namespace aerodex
