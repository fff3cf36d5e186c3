// SPDX-License-Identifier: GPL-3.0-or-later
// The column names on a slim strip at the top of the window, for when the
// page heading has scrolled out of view: a pilot reading a row far down a
// page still sees which number is Night and which Actual IMC. The strip is
// drawn over the log on screen only; it places nothing and never prints.
#pragma once

#include "display/surface.h"
#include "model/document.h"

namespace aerodex {

// Two lines of the heading font with a little air: 0.25 inch at normal size.
inline constexpr int kHeadingStripHeight = 250;

// Whether a window whose top edge is at drawing y = top (y up) has lost the
// column titles of the heading of the page it starts on.
bool HeadingStripWanted(const CAerodexDoc& doc, int top);

// Draws the strip with its top edge at drawing y = top: paper, the rows'
// rules and the column names over their columns, in the heading font.
// Leaves the surface's font and pen as it found them.
void DrawHeadingStrip(const CAerodexDoc& doc, CSurface& surface, int top);

}  // namespace aerodex
