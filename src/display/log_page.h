// SPDX-License-Identifier: GPL-3.0-or-later
// The document's drawing operations: the page heading, one row of the log
// (a flight or a totals accumulator) and the wrapped texts inside a row.
// Coordinates are logical units of 0.001 inch, y up.
#pragma once

#include <cstddef>
#include <string>

#include "display/surface.h"
#include "model/document.h"

namespace aerodex {

// Draws the heading of the page whose top is at y = top; returns top - 1240,
// the heading's bottom rule. Leaves the surface's font as it found it.
int DrawPageHeading(const CAerodexDoc& doc, CSurface& surface, int top);
// Selects the slanted heading font, draws text at (x, y), restores the font.
void DrawSlantedHeading(const CAerodexDoc& doc, CSurface& surface, int x, int y,
                        const std::string& text);

// Draws a row whose first text line starts at y; returns its lower rule and
// stores rowTop/rowBottom in the record.
int DrawEntryRow(const CAerodexDoc& doc, CSurface& surface, int y, CAerodexEntry& record);
// The same with the row's aircraft given. Totals rows use it: an accumulator
// without an N-Number always draws as the placeholder, even when the database
// holds an aircraft whose N-Number is empty.
int DrawEntryRowAs(const CAerodexDoc& doc, CSurface& surface, int y, CAerodexEntry& record,
                   const CAirplane& rowAircraft);
// The first aircraft of the database with this N-Number, else the placeholder.
const CAirplane& RowAircraft(const CAerodexDoc& doc, const std::string& nNumber);
// The lower rule DrawEntryRow would return, without drawing.
int MeasureEntryRow(int y, const CAerodexEntry& record);
// The text lines of a row: those of its longer wrapped text (at least 1).
std::size_t RowLineCount(const CAerodexEntry& record);
// The lower rule of a row of `lines` lines whose text starts at y.
int RowLowerRule(int y, std::size_t lines);
// The box in the totals pen around a drawn totals row and its label in the
// remarks area; lowerRule is what DrawEntryRow returned for it.
void DrawTotalsDecoration(const CAerodexDoc& doc, CSurface& surface, const CAerodexEntry& row,
                          int lowerRule, const std::string& label);
// Draws text in lines of about width characters, 125 units apart, from (x, y);
// returns the y of the last line drawn. The breaking rule is in wrapped_text.h.
int DrawWrappedText(CSurface& surface, int x, int y, int width, const std::string& text);

// The route as a row shows it: departure-route-arrival.
std::string ComposeRoute(const CAerodexEntry& record);
// The same, into text (its old contents replaced).
void ComposeRoute(const CAerodexEntry& record, std::string& text);

// Adds an entry's cost and engine-class hours into an accumulator, by the
// first aircraft of the database that the entry names (nothing when none).
void AddAircraftSums(const CAerodexDoc& doc, const CAerodexEntry& entry,
                     CAerodexEntry& accumulator);
// The same sums by a given aircraft.
void AddAircraftSumsAs(const CAirplane& aircraft, const CAerodexEntry& entry,
                       CAerodexEntry& accumulator);

// Adds one page height to the log's height.
void GrowByOnePage(CAerodexDoc& doc);

}  // namespace aerodex
