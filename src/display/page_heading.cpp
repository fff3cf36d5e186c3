// SPDX-License-Identifier: GPL-3.0-or-later
// The heading that opens every page: frame, rules, the pilot block and the
// column headings, horizontal on the left and slanted over the numeric columns.
#include <array>
#include <string>

#include "display/layout_metrics.h"
#include "display/log_page.h"
#include "display/number_format.h"

namespace aerodex {
namespace {

constexpr CColor kBlack{0, 0, 0};
constexpr CColor kNameColor{200, 0, 0};
constexpr CColor kLicenseColor{0, 0, 255};

struct SlantedColumn {
  int left;  // the column's left rule; the separator rises 450 units to the right
  const char* heading;
};

// Landings to Dual; the tach/solo column follows with its own heading.
constexpr std::array<SlantedColumn, 11> kSlantedColumns = {{{4450, "Landings"},
                                                            {4750, "Single Engine"},
                                                            {5100, "Multi Engine"},
                                                            {5450, "Cross Country"},
                                                            {5800, "Day"},
                                                            {6150, "Night"},
                                                            {6500, "Actual IMC"},
                                                            {6850, "Simulated IMC"},
                                                            {7200, "Simulator"},
                                                            {7550, "PIC"},
                                                            {7900, "Dual Instructions"}}};
constexpr int kTachColumnLeft = 8250;

std::string CertificateWording(const CPilotInfo& pilot) {
  std::string text = pilot.isStudent            ? "Student Pilot"
                     : pilot.isRecreational     ? "Recreational Pilot"
                     : pilot.isPrivate          ? "Private Pilot"
                     : pilot.isCommercial       ? "Commercial Pilot"
                     : pilot.isAirlineTransport ? "Airline Transport Pilot"
                     : pilot.isFlightInstructor ? "Flight Instructor"
                                                : "Unknown Certificate";
  // The flags decide, not the wording: a student who also holds a private
  // certificate with an instrument rating is shown as instrument rated.
  if ((pilot.isPrivate || pilot.isCommercial) &&
      (pilot.ratedInstrumentAirplane || pilot.ratedInstrumentHelicopter)) {
    text += ", Instrument Rated";
  }
  return text;
}

void DrawPilotBlock(const CPilotInfo& pilot, CSurface& surface, int top) {
  surface.SetTextColor(kNameColor);
  surface.TextOut(100, layout::Offset(top, -100), pilot.pilotName);
  surface.TextOut(100, layout::Offset(top, -200), pilot.address);
  surface.SetTextColor(kLicenseColor);
  surface.TextOut(100, layout::Offset(top, -400), FormatLicense(pilot.licenseNumber));
  surface.TextOut(100, layout::Offset(top, -500), CertificateWording(pilot));
  surface.SetTextColor(kBlack);
}

void DrawFrameAndRules(CSurface& surface, int top, int bottom) {
  surface.MoveTo(0, top);
  surface.LineTo(layout::kDrawingWidth, top);
  surface.LineTo(layout::kDrawingWidth, bottom);
  surface.LineTo(0, bottom);
  surface.LineTo(0, top);
  const int band = layout::Offset(top, -1210);
  surface.MoveTo(0, band);
  surface.LineTo(layout::kDrawingWidth, band);
  const int pilotBlockFloor = layout::Offset(top, -1000);
  surface.MoveTo(0, pilotBlockFloor);
  surface.LineTo(4200, pilotBlockFloor);
}

void DrawTextColumnHeadings(CSurface& surface, int top, int bottom) {
  const int textY = layout::Offset(top, -1050);
  const int ruleTop = layout::Offset(top, -1000);
  surface.TextOut(10, textY, "   Date");
  struct TextColumn {
    int left;
    int textX;
    const char* heading;
  };
  constexpr std::array<TextColumn, 3> kColumns = {
      {{560, 600, "Aircraft"}, {1100, 1200, "Route of Flight"}, {2700, 2800, "Description"}}};
  for (const TextColumn& column : kColumns) {
    surface.MoveTo(column.left, ruleTop);
    surface.LineTo(column.left, bottom);
    surface.TextOut(column.textX, textY, column.heading);
  }
}

// A separator from the bottom band up to the page top, 450 units to the right.
void DrawSlantedSeparator(CSurface& surface, int left, int top, int bottom) {
  surface.MoveTo(left, bottom);
  surface.LineTo(left, layout::Offset(top, -1210));
  surface.LineTo(left + 450, top);
}

void DrawNumericColumnHeadings(const CAerodexDoc& doc, CSurface& surface, int top, int bottom) {
  const int slantedY = layout::Offset(top, -1100);
  surface.MoveTo(4200, bottom);
  surface.LineTo(4200, layout::Offset(top, -1000));
  surface.LineTo(4600, top);
  DrawSlantedHeading(doc, surface, 4250, slantedY, "Approaches");
  for (const SlantedColumn& column : kSlantedColumns) {
    DrawSlantedSeparator(surface, column.left, top, bottom);
    DrawSlantedHeading(doc, surface, column.left + 100, slantedY, column.heading);
  }
  DrawSlantedSeparator(surface, kTachColumnLeft, top, bottom);
  DrawSlantedHeading(doc, surface, kTachColumnLeft + 100, slantedY,
                     doc.pilot.isStudent ? "Solo (student)" : "Tach Time");
  const int textY = layout::Offset(top, -1050);
  DrawSlantedSeparator(surface, 8600, top, bottom);
  surface.TextOut(8725, textY, "Total");
  DrawSlantedSeparator(surface, 9000, top, bottom);
  surface.TextOut(9175, textY, "Cost");
}

}  // namespace

void DrawSlantedHeading(const CAerodexDoc& doc, CSurface& surface, int x, int y,
                        const std::string& text) {
  const CFontDesc* previous = surface.SelectFont(&doc.slantedHeadingFont);
  surface.TextOut(x, y, text);
  surface.SelectFont(previous);
}

int DrawPageHeading(const CAerodexDoc& doc, CSurface& surface, int top) {
  top = layout::ClampY(top);
  const int bottom = layout::Offset(top, -layout::kHeadingHeight);
  if (!surface.IsBandVisible(bottom, top)) return bottom;
  const CFontDesc* previous = surface.SelectFont(&doc.rowFont);
  surface.SetBackgroundMode(BackgroundMode::kTransparent);
  DrawFrameAndRules(surface, top, bottom);
  surface.SetTextAlign(TextAlign::kLeftTop);
  if (doc.pilot.licenseNumber != 0) DrawPilotBlock(doc.pilot, surface, top);
  surface.SelectFont(&doc.headingFont);
  DrawTextColumnHeadings(surface, top, bottom);
  DrawNumericColumnHeadings(doc, surface, top, bottom);
  surface.SelectFont(previous);
  return bottom;
}

}  // namespace aerodex
