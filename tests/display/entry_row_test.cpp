// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <map>
#include <string>

#include "display/layout_metrics.h"
#include "display_fixture.h"

namespace {

using Row = std::map<int, std::string>;

class EntryRowTest : public DisplayTest {
 protected:
  // Draws the record as the first row of the first page; returns its texts.
  Row DrawRow(CAerodexEntry& record, aerodex::CSurface& surface) {
    lowerRule = aerodex::DrawEntryRow(doc, surface, -1250, record);
    return RowTexts(screen, -1250);
  }
  int lowerRule = 0;
};

}  // namespace

TEST_F(EntryRowTest, OneLineFlightRowShowsEveryColumnIn200Units) {
  AddAircraft("12345", true, 95.5);
  CAerodexEntry& e = Add(Flight(1998, 7, 4));
  e.route = "V25";
  e.arrival = "KMRY";
  e.remarks = "Practice approaches";
  e.ilsApproaches = 2, e.vorApproaches = 1, e.holdingProcedures = 3;
  e.dayLandings = 2, e.nightLandings = 1;
  e.dayHours = 1.2, e.nightHours = 0.5, e.dayCrossCountry = 0.7;
  e.actualInstrument = 0.3, e.simulatedInstrument = 0.4, e.picHours = 1.7;
  e.startTach = 1234.5, e.endTach = 1236.0, e.tachTime = 9.9;
  const Row expected = {
      {10, "07-04-1998"}, {600, " 12345"},   {1150, "KSJC-V25-KMRY"}, {2200, "Practice approaches"},
      {4230, "   3"},     {4500, "   3"},    {4720, "    1.7"},       {5420, "    0.7"},
      {5770, "    1.2"},  {6120, "    0.5"}, {6470, "    0.3"},       {6820, "    0.4"},
      {7520, "    1.7"},  {8220, "   1.5"},  {8620, "    1.7"},       {9020, "     162"}};
  EXPECT_EQ(DrawRow(e, screen), expected);
  EXPECT_EQ(lowerRule, -1400);
  EXPECT_EQ(e.rowTop, -1200);
  EXPECT_EQ(e.rowBottom, -1400);
  EXPECT_EQ(aerodex::MeasureEntryRow(-1250, e), -1400);
  EXPECT_TRUE(screen.HasLine(0, -1400, 9500, -1400));
  EXPECT_TRUE(screen.HasLine(9500, -1400, 9500, -1200));
  EXPECT_TRUE(screen.HasLine(9500, -1200, 0, -1200));
  EXPECT_TRUE(screen.HasLine(0, -1200, 0, -1400));
  for (const int x : aerodex::layout::kRowRuleXs) EXPECT_TRUE(screen.HasLine(x, -1200, x, -1400));
  EXPECT_EQ(screen.Lines().size(), 22u);
}

TEST_F(EntryRowTest, ColumnConditionsAtTheirEdges) {
  CAerodexEntry& e = Add(Flight(2001, 12, 31, "99999"));  // not in the database
  e.dayLandings = 0;
  e.dayHours = 0;
  e.dayCrossCountry = 0.05, e.nightCrossCountry = 0.05;  // 0.1 is not shown
  Row row = DrawRow(e, screen);
  EXPECT_EQ(row, (Row{{10, "12-31-2001"},
                      {600, "  --  "},
                      {1150, "KSJC-KSJC"},
                      {2200, "Local"},
                      {4500, "   0"}}));
  screen.Clear();
  e.dayCrossCountry = 0.2, e.nightCrossCountry = 0;
  e.dayHours = -0.5;  // negative values are drawn
  row = DrawRow(e, screen);
  EXPECT_EQ(row[5420], "    0.2");
  EXPECT_EQ(row[5770], "   -0.5");
  EXPECT_EQ(row[8620], "   -0.5");
  EXPECT_EQ(row.count(4720) + row.count(5070) + row.count(7170) + row.count(9020), 0u);
}

TEST_F(EntryRowTest, SimulatorShowsItsHoursEvenZeroAndEngineColumnsNeedAnAirplane) {
  CAirplane& sim = AddAircraft("SIM1", true, 40);
  sim.isAirplane = 0;
  sim.isSimulator = 1;
  CAerodexEntry& e = Add(Flight(2003, 1, 2, "SIM1"));
  Row row = DrawRow(e, screen);
  EXPECT_EQ(row[7170], "    1.0");
  EXPECT_EQ(row[9020], "      40");
  EXPECT_EQ(row.count(4720), 0u);
  screen.Clear();
  e.dayHours = 0;
  row = DrawRow(e, screen);
  EXPECT_EQ(row[7170], "    0.0");
  EXPECT_EQ(row.count(8620) + row.count(9020), 0u);
}

TEST_F(EntryRowTest, TachColumnPrefersPositiveReadingsThenTypedTachTime) {
  CAerodexEntry& e = Add(Flight(2003, 1, 2));
  e.startTach = e.endTach = 100;
  e.tachTime = 2.0;
  EXPECT_EQ(DrawRow(e, screen)[8220], "   2.0");
  screen.Clear();
  e.endTach = 90;  // a negative difference falls back to tachTime
  e.tachTime = 0;
  EXPECT_EQ(DrawRow(e, screen).count(8220), 0u);
}

TEST_F(EntryRowTest, TotalsRowWithoutNNumberShowsTheCarriedSumsAsThePlaceholder) {
  AddAircraft("", true, 500);  // an aircraft whose N-Number was edited away
  CAerodexEntry totals;
  totals.ResetTotals(clock);
  totals.dayLandings = 5;
  totals.dayHours = 12.5;
  totals.singleEngineHours = 10.5;
  totals.multiEngineHours = 2.25;  // printf rounds the exact tie to even
  totals.cost = 1234.5;
  aerodex::DrawEntryRowAs(doc, screen, -1250, totals, doc.placeholderAircraft);
  EXPECT_EQ(RowTexts(screen, -1250), (Row{{10, "03-05-2024"},
                                          {600, "  --  "},
                                          {1150, "-"},
                                          {2200, ""},
                                          {4500, "   5"},
                                          {4720, "   10.5"},
                                          {5070, "    2.2"},
                                          {5770, "   12.5"},
                                          {8620, "   12.5"},
                                          {9020, "    1234"}}));
}

TEST_F(EntryRowTest, WrappedRouteGrowsTheRowAndTheHighlightCoversBothLines) {
  CAerodexEntry& e = Add(Flight(1999, 5, 6));
  e.route = "KMRY-KSNS";
  doc.selectedEntry = &e;
  DrawRow(e, screen);
  EXPECT_EQ(lowerRule, -1525);
  EXPECT_EQ(aerodex::MeasureEntryRow(-1250, e), -1525);
  ASSERT_GE(screen.ops.size(), 2u);
  EXPECT_EQ(screen.ops[0].kind, SurfaceOp::kSelectFont);
  const SurfaceOp& fill = screen.ops[1];  // before any text or rule
  EXPECT_EQ(fill.kind, SurfaceOp::kFill);
  EXPECT_EQ((std::vector<int>{fill.x, fill.y, fill.x2, fill.y2}),
            (std::vector<int>{0, -1200, 9500, -1525}));
  EXPECT_EQ(fill.color, (CColor{255, 255, 0}));
  EXPECT_EQ(screen.TextsAt(1150, -1250), std::vector<std::string>{"KSJC-KMRY-KSNS-"});
  EXPECT_EQ(screen.TextsAt(1150, -1375), std::vector<std::string>{"KSJC"});
}

TEST_F(EntryRowTest, PrinterGetsSmallFontAndNoHighlightScreenGetsCondensedRowFont) {
  CAerodexEntry& e = Add(Flight(1999, 5, 6));
  doc.selectedEntry = &e;
  const CFontDesc outer{"Outer", 1};
  for (const bool printing : {true, false}) {
    RecordingSurface surface(printing);
    surface.SelectFont(&outer);
    aerodex::DrawEntryRow(doc, surface, -1250, e);
    EXPECT_EQ(surface.Of(SurfaceOp::kFill).size(), printing ? 0u : 1u);
    for (const SurfaceOp& text : surface.Texts()) {
      EXPECT_EQ(text.font, printing ? &doc.smallRowFont : &doc.screenRowFont);
    }
    EXPECT_EQ(surface.CurrentFont(), &outer);
  }
  // rowFont's em height, condensed to smallRowFont's cell (60 to 48 units).
  CFontDesc expected = doc.rowFont;
  expected.stretch = 80;
  EXPECT_EQ(doc.screenRowFont, expected);
  EXPECT_EQ(doc.rowFont.stretch, 100);
}

TEST_F(EntryRowTest, AircraftSumsIgnoreIsAirplaneAndPreferSingleEngine) {
  CAirplane& both = AddAircraft("BOTH", true, 10);
  both.isAirplane = 0;
  both.isMultiEngine = 1;
  AddAircraft("TWIN", false, 200);
  CAerodexEntry totals;
  totals.ResetTotals(clock);
  aerodex::AddAircraftSums(doc, *Flight(2000, 1, 1, "BOTH"), totals);
  aerodex::AddAircraftSums(doc, *Flight(2000, 1, 1, "TWIN"), totals);
  aerodex::AddAircraftSums(doc, *Flight(2000, 1, 1, "NONE"), totals);
  EXPECT_EQ(totals.singleEngineHours, 1.0);
  EXPECT_EQ(totals.multiEngineHours, 1.0);
  EXPECT_EQ(totals.cost, 210.0);
}

TEST_F(EntryRowTest, HostileValuesDrawWithoutOverflow) {
  AddAircraft("12345", true, std::numeric_limits<double>::max());
  CAerodexEntry& e = Add(Flight(INT_MIN, INT_MIN, INT_MAX));
  e.dayLandings = e.nightLandings = INT_MIN;
  e.ilsApproaches = e.vorApproaches = INT_MAX;
  e.dayHours = std::nan("");
  e.nightHours = std::numeric_limits<double>::infinity();
  e.startTach = -std::numeric_limits<double>::max();
  e.endTach = std::numeric_limits<double>::max();
  const Row row = DrawRow(e, screen);
  EXPECT_EQ(row.at(10), "-2147483648-2147483647--2147483648");
  EXPECT_EQ(row.at(4500), "-4294967296");
  EXPECT_EQ(row.at(8220), "   inf");
  for (const int y : {INT_MIN, INT_MAX}) {
    aerodex::DrawEntryRow(doc, screen, y, e);
    EXPECT_GT(e.rowTop, e.rowBottom);
    EXPECT_GE(e.rowBottom, aerodex::layout::kLowestY);
    EXPECT_LE(e.rowTop, aerodex::layout::kHighestY);
  }
}
