// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pass: placement on pages, page breaks, totals rows, the night
// break-out and the three view modes.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "display/layout_metrics.h"
#include "display_fixture.h"

namespace {

class LogViewTest : public DisplayTest {
 protected:
  // The totals labels in drawing order with the y each stands at.
  std::vector<std::pair<std::string, int>> Labels() const {
    std::vector<std::pair<std::string, int>> labels;
    for (const SurfaceOp& op : screen.Texts()) {
      if (op.x == 2400 && op.font == &doc.headingFont) labels.emplace_back(op.text, op.y);
    }
    return labels;
  }
  int LabelY(const std::string& label) const {
    const auto found = screen.TextsEqual(label);
    return found.empty() ? 1 : found.front().y;
  }
};

}  // namespace

TEST_F(LogViewTest, EmptyLogShowsTheHeadingAndABoxedGrandTotal) {
  Draw(screen);
  EXPECT_TRUE(screen.HasLine(0, 0, 9500, 0));  // the heading at the top
  EXPECT_EQ(Labels(), (std::vector<std::pair<std::string, int>>{{"Grand Total", -1425}}));
  EXPECT_EQ(RowTexts(screen, -1450),
            (std::map<int, std::string>{
                {10, "03-05-2024"}, {600, "  --  "}, {1150, "-"}, {2200, ""}, {4500, "   0"}}));
  std::vector<SurfaceOp> box;
  for (const SurfaceOp& line : screen.Lines()) {
    if (line.pen == &doc.totalsPen) box.push_back(line);
  }
  ASSERT_EQ(box.size(), 4u);
  EXPECT_TRUE(screen.HasLine(10, -1400, 9500, -1400));
  EXPECT_TRUE(screen.HasLine(9500, -1400, 9500, -1600));
  EXPECT_TRUE(screen.HasLine(9500, -1600, 10, -1600));
  EXPECT_TRUE(screen.HasLine(10, -1600, 10, -1400));
}

TEST_F(LogViewTest, RowsShareTheirRulesBelowTheFirstHeading) {
  CAerodexEntry& first = Add(Flight(2020, 1, 1));
  CAerodexEntry& second = Add(Flight(2020, 1, 2));
  Draw(screen);
  EXPECT_EQ(first.rowTop, -1200);
  EXPECT_EQ(first.rowBottom, -1400);
  EXPECT_EQ(second.rowTop, -1400);
  EXPECT_EQ(second.rowBottom, -1600);
  EXPECT_EQ(LabelY("Grand Total"), -1650 - 200 - 150 + 175);
}

TEST_F(LogViewTest, FlightRowBreaksWhenItsLowerRuleReaches500AboveThePageBottom) {
  CAerodexEntry& e = Add(Flight(2020, 1, 1));
  int y = -7849;  // lower rule -7999: stays
  EXPECT_EQ(view.PlaceEntryRow(screen, host, e, y, 0), 0);
  EXPECT_EQ(e.rowBottom, -7999);
  EXPECT_EQ(doc.logHeight, 8500);

  screen.Clear();
  y = -7850;  // lower rule -8000: opens page 2
  EXPECT_EQ(view.PlaceEntryRow(screen, host, e, y, 0), -8500);
  EXPECT_TRUE(screen.HasLine(0, -8500, 9500, -8500));  // the new page's heading
  EXPECT_EQ(e.rowTop, -9740);                          // on the heading's bottom rule
  EXPECT_EQ(y, -9940);
  EXPECT_EQ(doc.logHeight, 17000);
  EXPECT_EQ(host.LastScrollSize(), (RecordingHost::Size{22000, 17000}));
}

TEST_F(LogViewTest, TotalsRowBreaksWhenItsLowerRuleReaches1000AboveThePageBottom) {
  CAerodexEntry totals;
  totals.ResetTotals(clock);
  int y = -7099;  // text at -7299, lower rule minus 50 at -7499: stays
  EXPECT_EQ(view.PlaceTotalsRow(screen, host, totals, y, 0, "Grand Total"), 0);
  EXPECT_EQ(totals.rowTop, -7249);
  EXPECT_EQ(y, -7249);
  screen.Clear();
  y = -7100;
  EXPECT_EQ(view.PlaceTotalsRow(screen, host, totals, y, 0, "Grand Total"), -8500);
  EXPECT_EQ(screen.TextsAt(10, -9890), std::vector<std::string>{"03-05-2024"});
  EXPECT_EQ(totals.rowTop, -9840);
  EXPECT_EQ(LabelY("Grand Total"), -10040 + 175);
}

TEST_F(LogViewTest, ThirtyThreeRowsFillTheFirstPageAndTheLogNeverShrinks) {
  std::vector<CAerodexEntry*> flights;
  for (int i = 0; i < 34; ++i) flights.push_back(&Add(Flight(2020, 1, 1 + i % 28)));
  Draw(screen);
  EXPECT_EQ(doc.Entry(32).rowBottom, -7800);
  EXPECT_EQ(doc.Entry(33).rowTop, -9740);
  EXPECT_EQ(doc.logHeight, 17000);
  EXPECT_EQ(view.PrintPageCount(), 2);
  while (doc.EntryCount() > 0) doc.RemoveEntry(&doc.Entry(0));
  doc.selectedEntry = nullptr;
  Draw(screen);
  // The scroll extent keeps the tallest layout; printing only the log's page.
  EXPECT_EQ(doc.logHeight, 17000);
  EXPECT_EQ(host.LastScrollSize(), (RecordingHost::Size{22000, 17000}));
  EXPECT_EQ(view.PrintPageCount(), 1);
}

TEST_F(LogViewTest, PrintedPagesAreTheCurrentModesNotTheTallestOfTheRun) {
  // One flight a year: the annual summary adds a totals row to each.
  for (int year = 1990; year < 2020; ++year) Add(Flight(year, 6, 1));
  Draw(screen);
  EXPECT_EQ(doc.logHeight, 17000);
  EXPECT_EQ(view.PrintPageCount(), 2);
  view.viewMode = aerodex::kViewAnnualSummary;
  aerodex::OnViewExpandedSize(doc);
  Draw(screen);
  EXPECT_EQ(view.PrintPageCount(), 4);
  view.viewMode = aerodex::kViewAllEntries;
  aerodex::OnViewNormalSize(doc);
  Draw(screen);
  EXPECT_EQ(doc.logHeight, 34000);
  EXPECT_EQ(view.PrintPageCount(), 2);
}

TEST_F(LogViewTest, NightSubtotalStands300BelowTheTotalsUpperRule) {
  CAerodexEntry& e = Add(Flight(2020, 1, 1));
  e.nightHours = 1.3, e.nightLandings = 2, e.nightCrossCountry = 1.5;
  view.showNightSubtotals = 1;
  Draw(screen);
  const int totalsTop = -1600;  // upper rule of the grand total below one flight
  const std::map<int, std::string> night = RowTexts(screen, totalsTop - 300);
  EXPECT_EQ(night, (std::map<int, std::string>{{10, "03-05-2024"},
                                               {600, "  --  "},
                                               {1150, "-"},
                                               {2200, ""},
                                               {4500, "   2"},
                                               {5420, "    1.5"}}));
  EXPECT_EQ(Labels(), (std::vector<std::pair<std::string, int>>{{"Grand Total", -1625},
                                                                {"Night Subtotal", -1875}}));
  EXPECT_TRUE(screen.HasLine(10, -1850, 9500, -1850));  // 50 below the totals' lower rule
  EXPECT_EQ(view.showNightSubtotals, 1);
}

TEST_F(LogViewTest, GroupByNNumberFollowsTheDatabaseOrderAndLeavesOutUnknownAircraft) {
  AddAircraft("54321");
  AddAircraft("12345", true, 100);
  CAerodexEntry& a = Add(Flight(1998, 1, 1, "12345"));
  CAerodexEntry& b = Add(Flight(1998, 2, 1, "54321"));
  CAerodexEntry& stray = Add(Flight(1998, 3, 1, "77777"));
  view.viewMode = aerodex::kViewByNNumber;
  Draw(screen);
  const auto labels = Labels();
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].first, "Summary for N54321");
  EXPECT_EQ(labels[1].first, "Summary for N12345");
  EXPECT_EQ(labels[2].first, "Grand Total");
  EXPECT_GT(b.rowBottom, labels[0].second);
  EXPECT_LT(a.rowTop, labels[0].second);
  EXPECT_GT(a.rowBottom, labels[1].second);
  EXPECT_TRUE(screen.TextsEqual("03-01-1998").empty());  // the stray flight
  EXPECT_EQ(stray.rowTop, -1);
  // The group's row classes and prices its hours by its aircraft.
  const int groupY = labels[1].second - 25;  // a label's top is 25 above its row's text
  EXPECT_EQ(RowTexts(screen, groupY).at(600), " 12345");
  EXPECT_EQ(RowTexts(screen, groupY).at(4720), "    1.0");
  EXPECT_EQ(RowTexts(screen, groupY).at(9020), "     100");
  const auto grand = RowTexts(screen, labels[2].second - 25);
  EXPECT_EQ(grand.at(4500), "   2");
  EXPECT_EQ(grand.at(4720), "    2.0");
  EXPECT_EQ(grand.at(9020), "     100");

  screen.Clear();
  view.viewMode = aerodex::kViewAllEntries;
  Draw(screen);
  EXPECT_EQ(screen.TextsAt(600, stray.rowTop - 50), std::vector<std::string>{"  --  "});
}

TEST_F(LogViewTest, DuplicateNNumbersAndEmptyNNumbersKeepTotalsRight) {
  AddAircraft("12345", true, 100);
  AddAircraft("12345", true, 999);  // every lookup finds the first
  AddAircraft("", false, 5000);
  Add(Flight(1998, 1, 1, "12345"));
  view.viewMode = aerodex::kViewByNNumber;
  Draw(screen);
  const auto labels = Labels();
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(RowTexts(screen, labels[1].second - 25).count(4500), 1u);
  EXPECT_EQ(RowTexts(screen, labels[1].second - 25).at(4500), "   0");
  const auto grand = RowTexts(screen, labels[3].second - 25);
  EXPECT_EQ(grand.at(4500), "   1");  // counted once
  EXPECT_EQ(grand.at(9020), "     100");
  screen.Clear();
  view.viewMode = aerodex::kViewAllEntries;
  Draw(screen);
  const auto all = RowTexts(screen, Labels().back().second - 25);
  EXPECT_EQ(all.at(600), "  --  ");  // not the aircraft without an N-Number
  EXPECT_EQ(all.at(9020), "     100");
  EXPECT_EQ(all.count(5070), 0u);
}

TEST_F(LogViewTest, AnnualSummaryClosesEachYearThenTheGrandTotal) {
  CAerodexEntry& a = Add(Flight(1997, 3, 1));
  CAerodexEntry& b = Add(Flight(1997, 9, 1));
  CAerodexEntry& c = Add(Flight(1998, 1, 1));
  view.viewMode = aerodex::kViewAnnualSummary;
  Draw(screen);
  const auto labels = Labels();
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].first, "Summary for 1997");
  EXPECT_EQ(labels[1].first, "Summary for 1998");
  EXPECT_EQ(labels[2].first, "Grand Total");
  EXPECT_GT(b.rowBottom, labels[0].second);
  EXPECT_EQ(a.rowTop, -1200);
  // The next year starts 400 below the summary row's upper rule.
  const int summaryTop = labels[0].second + 25;
  EXPECT_EQ(c.rowTop, summaryTop - 400 + 50);
  EXPECT_EQ(RowTexts(screen, labels[0].second - 25).at(4500), "   2");
  EXPECT_EQ(RowTexts(screen, labels[2].second - 25).at(4500), "   3");
}

TEST_F(LogViewTest, AnnualSummaryOfAnEmptyLogIsLabelledWithTodaysYear) {
  view.viewMode = aerodex::kViewAnnualSummary;
  Draw(screen);
  const auto labels = Labels();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].first, "Summary for 2024");
  EXPECT_EQ(labels[1].first, "Grand Total");
}

TEST_F(LogViewTest, ScreenExtentsAreCapturedOnceAndFollowTheSize) {
  RecordingSurface printer(true);
  Draw(printer);  // a print before the first paint leaves them alone
  EXPECT_EQ(host.extentReads, 0);
  EXPECT_TRUE(host.screenExtents.empty());
  Draw(screen);
  Draw(screen);
  EXPECT_EQ(host.extentReads, 2);  // window and viewport, on the first pass only
  EXPECT_EQ(doc.baseViewportExtent, (CExtent{96, -96}));
  EXPECT_EQ(host.screenExtents.back().window, (CExtent{1000, 1000}));
  EXPECT_EQ(host.screenExtents.back().viewport, (CExtent{96, -96}));
  EXPECT_EQ(host.LastScrollSize(), (RecordingHost::Size{22000, 8500}));
  aerodex::OnViewExpandedSize(doc);
  Draw(screen);
  EXPECT_EQ(host.screenExtents.back().viewport, (CExtent{192, -192}));
  EXPECT_EQ(host.LastScrollSize(), (RecordingHost::Size{44000, 17000}));
  const std::size_t screenSetUps = host.screenExtents.size();
  Draw(printer);
  EXPECT_EQ(host.screenExtents.size(), screenSetUps);  // the printer keeps its own scale
}

TEST_F(LogViewTest, HostileLogRunsEveryModeWithinTheBand) {
  AddAircraft("12345", true, 1e308);
  for (int i = 0; i < 3; ++i) {
    CAerodexEntry& e = Add(Flight(2000 + i, 1, 1));
    e.dayLandings = e.nightLandings = INT_MIN;
    e.dayHours = std::nan("");
    e.remarks = std::string(5000, 'x');
  }
  view.showNightSubtotals = 1;
  NullSurface quiet;
  for (const int mode : {1, 2, 4, 3}) {
    view.viewMode = mode;
    view.OnDraw(quiet, host);
  }
  CAerodexEntry& last = doc.Entry(2);
  int y = aerodex::layout::kLowestY + 10;
  view.PlaceEntryRow(quiet, host, last, y, INT_MIN);
  EXPECT_EQ(y, aerodex::layout::kLowestY);
  EXPECT_GT(doc.logHeight, 0);
  EXPECT_GT(view.PrintPageCount(), 0);
}
