// SPDX-License-Identifier: GPL-3.0-or-later
// Selection with the mouse, scrolling to the selection, size and view
// commands, and the page arithmetic of printing.
#include <gtest/gtest.h>

#include <climits>

#include "display_fixture.h"

namespace {

class ViewGeometryTest : public DisplayTest {
 protected:
  CAerodexEntry& RowAt(int top, int bottom) {
    CAerodexEntry& e = Add(Flight(2000, 1, 1 + static_cast<int>(doc.EntryCount())));
    e.rowTop = top;
    e.rowBottom = bottom;
    return e;
  }
};

}  // namespace

TEST_F(ViewGeometryTest, HitTestIncludesBothRulesAtNormalSize) {
  const CAerodexEntry& e = RowAt(-1400, -1600);
  EXPECT_TRUE(view.HitTestRow(e, 0, -1400));
  EXPECT_TRUE(view.HitTestRow(e, 99999, -1600));  // x plays no part
  EXPECT_FALSE(view.HitTestRow(e, 0, -1399));
  EXPECT_FALSE(view.HitTestRow(e, 0, -1601));
}

TEST_F(ViewGeometryTest, ExpandedSizeHalvesTheViewYTruncatingTowardZero) {
  const CAerodexEntry& e = RowAt(-2500, -2700);
  EXPECT_FALSE(view.HitTestRow(e, 0, -5000));
  aerodex::OnViewExpandedSize(doc);
  EXPECT_TRUE(view.HitTestRow(e, 0, -5000));
  const CAerodexEntry& f = RowAt(-1400, -1600);
  EXPECT_TRUE(view.HitTestRow(f, 0, -2801));   // -1400.5 truncates to -1400
  EXPECT_TRUE(view.HitTestRow(f, 0, -3201));   // -1600.5 truncates to -1600
  EXPECT_FALSE(view.HitTestRow(f, 0, -3202));  // -1601
  doc.zoomFactor = 0;                          // never a division by zero
  EXPECT_TRUE(view.HitTestRow(f, 0, -1500));
  EXPECT_FALSE(view.HitTestRow(f, 0, INT_MIN));
}

TEST_F(ViewGeometryTest, AnEntryNeverDrawnIsNeverHit) {
  const CAerodexEntry& e = Add(Flight(2000, 1, 1));
  for (const int y : {1, 0, -1, -2}) EXPECT_FALSE(view.HitTestRow(e, 0, y));
}

TEST_F(ViewGeometryTest, ClickSelectsTheFirstRowHitAndAsksForARedraw) {
  CAerodexEntry& first = RowAt(-1200, -1400);
  CAerodexEntry& second = RowAt(-1400, -1600);
  doc.selectedEntry = &second;
  EXPECT_TRUE(view.OnLButtonDown(10, -1400));  // the shared rule
  EXPECT_EQ(doc.selectedEntry, &first);
  EXPECT_EQ(port.redraws, 1);
  EXPECT_TRUE(view.OnLButtonDown(10, -1500));
  EXPECT_EQ(doc.selectedEntry, &second);
  EXPECT_FALSE(view.OnLButtonDown(10, -500));  // the heading
  EXPECT_EQ(doc.selectedEntry, &second);
  EXPECT_EQ(port.redraws, 2);
}

TEST_F(ViewGeometryTest, FlightOutsideTheCurrentModeCannotBeHit) {
  AddAircraft("12345");
  CAerodexEntry& stray = Add(Flight(1999, 1, 1, "77777"));
  CAerodexEntry& kept = Add(Flight(2000, 1, 1, "12345"));
  Draw(screen);
  EXPECT_EQ(stray.rowTop, -1200);
  view.viewMode = aerodex::kViewByNNumber;
  Draw(screen);
  EXPECT_EQ(kept.rowTop, -1200);  // where the stray flight stood before
  EXPECT_TRUE(view.OnLButtonDown(10, -1300));
  EXPECT_EQ(doc.selectedEntry, &kept);
}

TEST_F(ViewGeometryTest, DoubleClickOpensOnlyTheSelectedRow) {
  EXPECT_FALSE(view.OnLButtonDblClk(10, -1300));  // empty log
  CAerodexEntry& e = RowAt(-1200, -1400);
  doc.selectedEntry = &e;
  EXPECT_TRUE(view.OnLButtonDblClk(10, -1300));
  EXPECT_FALSE(view.OnLButtonDblClk(10, -1500));
  doc.selectedEntry = nullptr;
  EXPECT_FALSE(view.OnLButtonDblClk(10, -1300));
}

TEST_F(ViewGeometryTest, PassScrollsOnceToTheSelectionWhenAsked) {
  Draw(screen);  // nothing selected: the request waits
  EXPECT_TRUE(host.scrollPositions.empty());
  EXPECT_EQ(doc.scrollToSelection, 1);
  Add(Flight(2000, 1, 1));  // appending selects it
  Draw(screen);
  EXPECT_EQ(host.scrollPositions, (std::vector<RecordingHost::Size>{{0, -200}}));
  EXPECT_EQ(doc.scrollToSelection, 0);
  Draw(screen);
  EXPECT_EQ(host.scrollPositions.size(), 1u);
  aerodex::OnViewExpandedSize(doc);
  Draw(screen);
  aerodex::OnViewExpandedSize(doc);  // again: same size, scrolls again
  Draw(screen);
  EXPECT_EQ(host.scrollPositions.back(), (RecordingHost::Size{0, -400}));
  EXPECT_EQ(host.scrollPositions.size(), 3u);
  view.OnInitialUpdate(host);
  EXPECT_EQ(host.LastScrollSize(), (RecordingHost::Size{44000, 17000}));
}

TEST_F(ViewGeometryTest, SizeCommandsSetZoomAndViewportAndAskForAScroll) {
  doc.baseViewportExtent = {96, -96};
  aerodex::OnViewExpandedSize(doc);
  EXPECT_EQ(doc.zoomFactor, 4);
  EXPECT_EQ(doc.viewportExtent, (CExtent{192, -192}));
  EXPECT_EQ(doc.scrollToSelection, 1);
  doc.scrollToSelection = 0;
  aerodex::OnViewNormalSize(doc);
  EXPECT_EQ(doc.zoomFactor, 2);
  EXPECT_EQ(doc.viewportExtent, (CExtent{96, -96}));
  EXPECT_EQ(doc.scrollToSelection, 1);
  EXPECT_EQ(port.redraws, 2);
}

TEST_F(ViewGeometryTest, ViewCommandsSetTheModeAndAskForAScroll) {
  doc.scrollToSelection = 0;
  view.OnViewGroupByNNumber();
  EXPECT_EQ(view.viewMode, 2);
  view.OnViewAnnualSummary();
  EXPECT_EQ(view.viewMode, 4);
  view.OnViewAllEntries();
  EXPECT_EQ(view.viewMode, 1);
  view.OnViewNightSubtotals();
  EXPECT_EQ(view.showNightSubtotals, 1);
  view.OnViewNightSubtotals();
  EXPECT_EQ(view.showNightSubtotals, 0);
  EXPECT_EQ(doc.scrollToSelection, 1);
  EXPECT_EQ(port.redraws, 5);
}

TEST_F(ViewGeometryTest, PrintedPagesFollowTheLaidOutHeight) {
  EXPECT_EQ(view.PrintPageCount(), 1);
  for (int i = 0; i < 80; ++i) Add(Flight(2000, 1 + i / 28, 1 + i % 28));
  Draw(screen);
  EXPECT_EQ(doc.logHeight, 25500);
  EXPECT_EQ(view.PrintPageCount(), 3);
  EXPECT_EQ(aerodex::CLogView::PrintPageOffset(doc, 1), 0);
  EXPECT_EQ(aerodex::CLogView::PrintPageOffset(doc, 3), 17000);
  // Each page opens with its own heading.
  RecordingSurface printer(true);
  Draw(printer);
  for (const int top : {0, -8500, -17000}) EXPECT_TRUE(printer.HasLine(0, top, 9500, top));
}
