// SPDX-License-Identifier: GPL-3.0-or-later
// The log read as text: cells as the page prints them, headings, and which
// rows a band of the page holds.
#include "display/log_text.h"

#include "display_fixture.h"

using aerodex::CBand;
using aerodex::LogRowsText;

namespace {

class LogTextTest : public DisplayTest {
 protected:
  std::vector<aerodex::CLogRowText> AllRows(const CAerodexEntry* also = nullptr) {
    return LogRowsText(doc, view.CurrentLayout(), CBand{INT_MIN, INT_MAX}, also);
  }
};

TEST_F(LogTextTest, CellsAreWhatTheRowPrints) {
  AddAircraft("12345", true, 100);
  auto flight = Flight(2024, 3, 1);
  flight->route = "KMRY-KSNS";  // wraps onto a second line
  flight->simulatedInstrument = 0.5;
  const CAerodexEntry& added = Add(std::move(flight));
  const auto rows = AllRows();
  ASSERT_EQ(rows.size(), 2u);
  const auto& cells = rows[0].cells;
  EXPECT_EQ(rows[0].entry, &added);
  EXPECT_EQ(cells[0], "03-01-2024");
  EXPECT_EQ(cells[1], "12345");
  EXPECT_EQ(cells[2], "KSJC-KMRY-KSNS-KSJC");
  EXPECT_EQ(cells[3], "Local");
  EXPECT_EQ(cells[4], "");  // no approaches
  EXPECT_EQ(cells[5], "1");
  EXPECT_EQ(cells[6], "1.0");  // single engine
  EXPECT_EQ(cells[7], "");
  EXPECT_EQ(cells[12], "0.5");  // simulated IMC
  EXPECT_EQ(cells[17], "1.0");  // total
  EXPECT_EQ(cells[18], "100");  // cost
  // The totals row: its label in the Description column, as printed.
  EXPECT_EQ(rows[1].entry, nullptr);
  EXPECT_EQ(rows[1].label, "Grand Total");
  EXPECT_EQ(rows[1].cells[0], "03-05-2024");
  EXPECT_EQ(rows[1].cells[1], "--");
  EXPECT_EQ(rows[1].cells[3], "Grand Total");
  EXPECT_EQ(rows[1].cells[6], "1.0");
}

TEST_F(LogTextTest, NightSubtotalsAndGroupsAreNamedRows) {
  AddAircraft("12345");
  Add(Flight(2024, 3, 1));
  view.viewMode = aerodex::kViewByNNumber;
  view.showNightSubtotals = 1;
  std::vector<std::string> labels;
  for (const auto& row : AllRows()) labels.push_back(row.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"", "Summary for N12345", "Night Subtotal",
                                              "Grand Total", "Night Subtotal"}));
}

TEST_F(LogTextTest, HeadingsAreThePagesColumnHeadings) {
  const auto headings = aerodex::LogColumnHeadings(doc);
  EXPECT_EQ(headings[0], "Date");
  EXPECT_EQ(headings[2], "Route of Flight");
  EXPECT_EQ(headings[3], "Description");
  EXPECT_EQ(headings[4], "Approaches");
  EXPECT_EQ(headings[15], "Dual Instructions");
  EXPECT_EQ(headings[16], "Tach Time");
  EXPECT_EQ(headings[18], "Cost");
  doc.pilot.isStudent = 1;
  EXPECT_EQ(aerodex::LogColumnHeadings(doc)[16], "Solo (student)");
}

TEST_F(LogTextTest, BandHoldsTheRowsItMeetsAndTheAskedFlight) {
  for (int day = 1; day <= 28; ++day) Add(Flight(2024, 2, day));
  const auto& layout = view.CurrentLayout();
  const CAerodexEntry& first = doc.Entry(0);
  const CAerodexEntry& last = doc.Entry(27);
  const int firstTop = first.rowTop;
  // The band of the first row alone (its lower rule is shared with the next).
  const auto rows = LogRowsText(doc, layout, CBand{first.rowBottom + 1, first.rowTop}, &last);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].entry, &first);
  EXPECT_EQ(rows[1].entry, &last);
  EXPECT_EQ(rows[1].rules.top, last.rowTop);
  EXPECT_EQ(first.rowTop, firstTop);  // reading moved nothing
  EXPECT_TRUE(LogRowsText(doc, layout, CBand{1, 0}).empty());
}

}  // namespace
