// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "display_fixture.h"

namespace {

class PageHeadingTest : public DisplayTest {
 protected:
  // The texts of a heading drawn at top, with the font each was drawn in.
  std::vector<std::pair<std::string, const CFontDesc*>> TextsAndFonts() const {
    std::vector<std::pair<std::string, const CFontDesc*>> found;
    for (const SurfaceOp& op : screen.Texts()) found.emplace_back(op.text, op.font);
    return found;
  }
};

}  // namespace

TEST_F(PageHeadingTest, FrameAndRulesMakeAHeading1240UnitsTall) {
  for (const int top : {0, -8500}) {
    screen.Clear();
    EXPECT_EQ(aerodex::DrawPageHeading(doc, screen, top), top - 1240);
    const int bottom = top - 1240;
    EXPECT_TRUE(screen.HasLine(0, top, 9500, top));
    EXPECT_TRUE(screen.HasLine(9500, top, 9500, bottom));
    EXPECT_TRUE(screen.HasLine(9500, bottom, 0, bottom));
    EXPECT_TRUE(screen.HasLine(0, bottom, 0, top));
    EXPECT_TRUE(screen.HasLine(0, top - 1210, 9500, top - 1210));
    EXPECT_TRUE(screen.HasLine(0, top - 1000, 4200, top - 1000));
    for (const int x : {560, 1100, 2700}) EXPECT_TRUE(screen.HasLine(x, top - 1000, x, bottom));
    EXPECT_TRUE(screen.HasLine(4200, bottom, 4200, top - 1000));
    EXPECT_TRUE(screen.HasLine(4200, top - 1000, 4600, top));
    for (const int x :
         {4450, 4750, 5100, 5450, 5800, 6150, 6500, 6850, 7200, 7550, 7900, 8250, 8600, 9000}) {
      EXPECT_TRUE(screen.HasLine(x, bottom, x, top - 1210)) << x;
      EXPECT_TRUE(screen.HasLine(x, top - 1210, x + 450, top)) << x;
    }
    EXPECT_EQ(screen.Lines().size(), 39u);  // nothing else is ruled
    for (const SurfaceOp& line : screen.Lines()) EXPECT_EQ(line.pen, nullptr);
  }
}

TEST_F(PageHeadingTest, ColumnHeadingsStandAtTheirPointsInTheirFonts) {
  const CFontDesc* heading = &doc.headingFont;
  const CFontDesc* slanted = &doc.slantedHeadingFont;
  aerodex::DrawPageHeading(doc, screen, -8500);
  const std::vector<std::pair<std::string, const CFontDesc*>> expected = {
      {"   Date", heading},
      {"Aircraft", heading},
      {"Route of Flight", heading},
      {"Description", heading},
      {"Approaches", slanted},
      {"Landings", slanted},
      {"Single Engine", slanted},
      {"Multi Engine", slanted},
      {"Cross Country", slanted},
      {"Day", slanted},
      {"Night", slanted},
      {"Actual IMC", slanted},
      {"Simulated IMC", slanted},
      {"Simulator", slanted},
      {"PIC", slanted},
      {"Dual Instructions", slanted},
      {"Tach Time", slanted},
      {"Total", heading},
      {"Cost", heading}};
  EXPECT_EQ(TextsAndFonts(), expected);
  const int t = -8500;
  for (const auto& [x, text] : std::vector<std::pair<int, std::string>>{{10, "   Date"},
                                                                        {600, "Aircraft"},
                                                                        {1200, "Route of Flight"},
                                                                        {2800, "Description"},
                                                                        {8725, "Total"},
                                                                        {9175, "Cost"}}) {
    EXPECT_EQ(screen.TextsAt(x, t - 1050), std::vector<std::string>{text}) << text;
  }
  const std::vector<int> slantedXs = {4250, 4550, 4850, 5200, 5550, 5900, 6250,
                                      6600, 6950, 7300, 7650, 8000, 8350};
  std::vector<int> xs;
  for (const SurfaceOp& op : screen.Texts()) {
    if (op.font != slanted) continue;
    xs.push_back(op.x);
    EXPECT_EQ(op.y, t - 1100) << op.text;
  }
  EXPECT_EQ(xs, slantedXs);
}

TEST_F(PageHeadingTest, StudentFlagAloneLabelsTheTachColumnSolo) {
  doc.pilot.isStudent = 1;
  aerodex::DrawPageHeading(doc, screen, 0);
  EXPECT_EQ(screen.TextsAt(8350, -1100), std::vector<std::string>{"Solo (student)"});
  EXPECT_TRUE(screen.TextsEqual("Tach Time").empty());
}

TEST_F(PageHeadingTest, LeavesFontAsFoundWithTransparentBackgroundAndLeftTopAlignment) {
  const CFontDesc entryFont{"Entry", 10};
  screen.SelectFont(&entryFont);
  doc.pilot.licenseNumber = 1;
  aerodex::DrawPageHeading(doc, screen, 0);
  EXPECT_EQ(screen.CurrentFont(), &entryFont);
  EXPECT_TRUE(screen.transparent);
  EXPECT_EQ(screen.Of(SurfaceOp::kAlign).size(), 1u);
  EXPECT_EQ(screen.CurrentTextColor(), (CColor{0, 0, 0}));
}

TEST_F(PageHeadingTest, NoPilotBlockWithoutALicenseNumber) {
  doc.pilot.pilotName = "Jane Pilot";
  doc.pilot.isPrivate = 1;
  aerodex::DrawPageHeading(doc, screen, 0);
  for (const SurfaceOp& op : screen.Texts()) EXPECT_LE(op.y, -1000) << op.text;
  EXPECT_TRUE(screen.Of(SurfaceOp::kTextColor).empty());
}

TEST_F(PageHeadingTest, PilotBlockInItsColoursAndRowFont) {
  doc.pilot.licenseNumber = 2345678;
  doc.pilot.pilotName = "Jane Pilot";
  doc.pilot.address = "12 Runway Rd, San Jose";
  doc.pilot.isPrivate = 1;
  aerodex::DrawPageHeading(doc, screen, -8500);
  const std::vector<SurfaceOp> texts = screen.Texts();
  ASSERT_GE(texts.size(), 4u);
  const std::vector<std::tuple<int, std::string, CColor>> expected = {
      {-8600, "Jane Pilot", {200, 0, 0}},
      {-8700, "12 Runway Rd, San Jose", {200, 0, 0}},
      {-8900, "License # 2345678", {0, 0, 255}},
      {-9000, "Private Pilot", {0, 0, 255}}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& [y, text, color] = expected[i];
    EXPECT_EQ(texts[i].x, 100);
    EXPECT_EQ(texts[i].y, y);
    EXPECT_EQ(texts[i].text, text);
    EXPECT_EQ(texts[i].color, color) << text;
    EXPECT_EQ(texts[i].font, &doc.rowFont) << text;
  }
  EXPECT_EQ(texts[4].color, (CColor{0, 0, 0}));  // the column headings are black
}

TEST_F(PageHeadingTest, CertificateWordingFollowsTheFirstFlagAndTheInstrumentTest) {
  struct Case {
    std::vector<int CPilotInfo::*> flags;
    std::string wording;
  };
  const std::vector<Case> cases = {
      {{}, "Unknown Certificate"},
      {{&CPilotInfo::isRecreational}, "Recreational Pilot"},
      {{&CPilotInfo::isFlightInstructor}, "Flight Instructor"},
      {{&CPilotInfo::isPrivate}, "Private Pilot"},
      {{&CPilotInfo::isStudent, &CPilotInfo::isPrivate, &CPilotInfo::ratedInstrumentAirplane},
       "Student Pilot, Instrument Rated"},
      {{&CPilotInfo::isCommercial, &CPilotInfo::ratedInstrumentHelicopter},
       "Commercial Pilot, Instrument Rated"},
      {{&CPilotInfo::isAirlineTransport, &CPilotInfo::ratedInstrumentAirplane},
       "Airline Transport Pilot"},
  };
  for (const Case& c : cases) {
    doc.pilot.Reset();
    doc.pilot.licenseNumber = -7;  // any number but 0 shows the block
    for (auto flag : c.flags) doc.pilot.*flag = 1;
    screen.Clear();
    aerodex::DrawPageHeading(doc, screen, 0);
    EXPECT_EQ(screen.TextsAt(100, -500), std::vector<std::string>{c.wording});
    EXPECT_EQ(screen.TextsAt(100, -400), std::vector<std::string>{"License # -7"});
  }
}
