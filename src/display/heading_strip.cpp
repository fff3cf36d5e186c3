// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/heading_strip.h"

#include <array>
#include <cstdint>

#include "display/layout_metrics.h"

namespace aerodex {
namespace {

constexpr CColor kPaper{255, 255, 255};
constexpr CColor kBlack{0, 0, 0};

// The rule 1000 below a page's top runs over the heading's horizontal
// titles; a window whose top is below it has lost most of the titles.
constexpr int kTitlesFloor = 1000;
constexpr int kTextInset = 25;
constexpr int kSecondLine = 110;

struct StripColumn {
  int left;  // the column's left rule
  const char* first;
  const char* second;  // the name's second line, or empty
};

// Short enough for the narrow number columns at the heading's size.
constexpr std::array<StripColumn, 19> kColumns = {{{0, "Date", ""},
                                                   {560, "Aircraft", ""},
                                                   {1100, "Route of Flight", ""},
                                                   {2100, "Description", ""},
                                                   {4200, "App.", ""},
                                                   {4450, "Land-", "ings"},
                                                   {4750, "Single", "Engine"},
                                                   {5100, "Multi", "Engine"},
                                                   {5450, "Cross", "Ctry."},
                                                   {5800, "Day", ""},
                                                   {6150, "Night", ""},
                                                   {6500, "Actual", "IMC"},
                                                   {6850, "Sim.", "IMC"},
                                                   {7200, "Simu-", "lator"},
                                                   {7550, "PIC", ""},
                                                   {7900, "Dual", "Instr."},
                                                   {8250, "Tach", "Time"},
                                                   {8600, "Total", ""},
                                                   {9000, "Cost", ""}}};
constexpr std::size_t kTachColumn = 16;

void DrawRules(CSurface& surface, int top, int bottom) {
  surface.MoveTo(0, top);
  surface.LineTo(layout::kDrawingWidth, top);
  surface.LineTo(layout::kDrawingWidth, bottom);
  surface.LineTo(0, bottom);
  surface.LineTo(0, top);
  for (const int x : layout::kRowRuleXs) {
    surface.MoveTo(x, top);
    surface.LineTo(x, bottom);
  }
}

}  // namespace

bool HeadingStripWanted(const CAerodexDoc& doc, int top) {
  if (doc.pageHeight <= 0 || top >= 0) return false;
  const std::int64_t depth = -std::int64_t{top};
  const std::int64_t pageTop = -(depth / doc.pageHeight) * doc.pageHeight;
  return top < pageTop - kTitlesFloor;
}

void DrawHeadingStrip(const CAerodexDoc& doc, CSurface& surface, int top) {
  top = layout::ClampY(top);
  const int bottom = layout::Offset(top, -kHeadingStripHeight);
  surface.FillSolidRect(0, top, layout::kDrawingWidth, bottom, kPaper);
  const CFontDesc* previous = surface.SelectFont(&doc.headingFont);
  const CPenDesc* previousPen = surface.SelectPen(nullptr);
  surface.SetBackgroundMode(BackgroundMode::kTransparent);
  surface.SetTextAlign(TextAlign::kLeftTop);
  surface.SetTextColor(kBlack);
  DrawRules(surface, top, bottom);
  const bool solo = doc.pilot.isStudent != 0;
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    const StripColumn& column = kColumns[i];
    const bool soloColumn = solo && i == kTachColumn;
    const int x = column.left + kTextInset;
    const int firstY = layout::Offset(top, -kTextInset);
    surface.TextOut(x, firstY, soloColumn ? "Solo" : column.first);
    const char* second = soloColumn ? "" : column.second;
    if (*second) surface.TextOut(x, layout::Offset(firstY, -kSecondLine), second);
  }
  surface.SelectPen(previousPen);
  surface.SelectFont(previous);
}

}  // namespace aerodex
