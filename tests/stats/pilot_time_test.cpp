// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/pilot_time.h"

#include <gtest/gtest.h>

#include "stats/pilot_time_cells.h"
#include "support/log_builders.h"

namespace {

using aerodex::stats::AircraftClass;
using aerodex::stats::CellValue;
using aerodex::stats::ComputePilotTime;
using aerodex::stats::PilotTimeCell;
using aerodex::stats::PilotTimeReport;
using aerodex::stats::PilotTimeRow;
using aerodex::stats::PilotTimeRowKind;

constexpr double kEps = 1e-9;

aerodex::LocalDate Date(int year, int month, int day) { return {day, month, year}; }

class PilotTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    AddAircraft("A1", [](CAirplane&) {});
    AddAircraft("M1", [](CAirplane& a) {
      a.isSingleEngine = 0;
      a.isMultiEngine = 1;
    });
    AddAircraft("H1", [](CAirplane& a) { OnlyKind(a).isHelicopter = 1; });
    AddAircraft("G1", [](CAirplane& a) { OnlyKind(a).isGlider = 1; });
    AddAircraft("B1", [](CAirplane& a) { OnlyKind(a).isBalloon = 1; });
    // A simulator marked as an airplane too: the simulator wins.
    AddAircraft("S1", [](CAirplane& a) { a.isSimulator = 1; });
    AddAircraft("K1", [](CAirplane& a) { OnlyKind(a); });
  }
  static CAirplane& OnlyKind(CAirplane& a) {
    a.isAirplane = a.isSingleEngine = 0;
    return a;
  }
  template <class Setup>
  void AddAircraft(const std::string& nNumber, Setup setup) {
    auto airplane = MakeAirplane(nNumber);
    setup(*airplane);
    doc.AppendAircraft(std::move(airplane));
  }
  // A flight with nothing but the day and the hours given.
  CAerodexEntry& Fly(const std::string& nNumber, int day, double dayHours, double nightHours = 0) {
    auto flight = MakeFlight(2024, 3, day, 0, nNumber);
    flight->dayLandings = 0;
    flight->dayHours = dayHours;
    flight->nightHours = nightHours;
    flight->picHours = 0;
    CAerodexEntry& added = *flight;
    doc.AppendEntry(std::move(flight));
    return added;
  }
  void FillLog() {
    CAerodexEntry& a = Fly("A1", 1, 1.0, 1.0);
    a.dayCrossCountry = 0.5;
    a.nightCrossCountry = 1.0;
    a.dualHours = 0.5;
    a.picHours = 1.5;
    a.actualInstrument = 0.3;
    a.simulatedInstrument = 0.2;
    a.nightLandings = 2;
    CAerodexEntry& m = Fly("M1", 2, 1.5);
    m.dayCrossCountry = 1.5;
    m.dualHours = 1.5;
    m.nightLandings = 1;  // without PIC time: not a PIC landing
    Fly("H1", 3, 1.0).picHours = 1.0;
    CAerodexEntry& g = Fly("G1", 4, 0.5, 0.2);
    g.picHours = 0.7;
    g.nightLandings = 1;
    g.actualInstrument = 0.1;
    Fly("B1", 5, 1.0).dualHours = 1.0;
    CAerodexEntry& s = Fly("S1", 6, 1.2);
    s.dualHours = 1.2;
    s.simulatedInstrument = 1.0;
    s.picHours = 0.5;
    s.nightLandings = 3;
    s.dayCrossCountry = 0.4;
    Fly("K1", 7, 0.8).picHours = 0.8;
    Fly("ZZZ", 8, 0.6).picHours = 0.6;
    doc.SortEntries();
  }
  const PilotTimeRow& Row(const PilotTimeReport& report, PilotTimeRowKind kind) {
    for (const PilotTimeRow& row : report.rows) {
      if (row.kind == kind) return row;
    }
    ADD_FAILURE() << "no row " << aerodex::stats::RowName(kind);
    static const PilotTimeRow none;
    return none;
  }

  CAerodexDoc doc;
};

TEST_F(PilotTimeTest, AirplaneCellsTakeTheSmallerTimeFlightByFlight) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  const PilotTimeRow& row = Row(report, PilotTimeRowKind::kAirplanes);
  EXPECT_NEAR(row.total, 3.5, kEps);
  EXPECT_NEAR(row.instructionReceived, 2.0, kEps);
  EXPECT_NEAR(row.pic, 1.5, kEps);
  EXPECT_EQ(row.sic, 0);
  EXPECT_NEAR(row.xcInstructionReceived, 0.5 + 1.5, kEps);  // min(1.5, 0.5) + min(1.5, 1.5)
  EXPECT_NEAR(row.xcPic, 1.5, kEps);                        // min(1.5, 1.5) + min(1.5, 0)
  EXPECT_NEAR(row.instrument, 0.5, kEps);
  EXPECT_NEAR(row.nightInstructionReceived, 0.5, kEps);  // min(1.0, 0.5) + min(0, 1.5)
  EXPECT_EQ(row.nightTakeoffLandings, 3);
  EXPECT_NEAR(row.nightPic, 1.0, kEps);  // min(1.0, 1.5)
  EXPECT_EQ(row.nightTakeoffLandingsPic, 2);
  EXPECT_EQ(row.flights, 2);
}

TEST_F(PilotTimeTest, RowsInTheFormsOrderOnlyWithFlights) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  std::vector<std::string> names;
  for (const PilotTimeRow& row : report.rows) names.push_back(RowName(row.kind));
  EXPECT_EQ(names,
            (std::vector<std::string>{"Airplanes", "Rotorcraft", "Gliders", "Lighter Than Air",
                                      "Training Devices", "Unclassified"}));
  doc.RemoveEntry(&doc.Entry(2));  // the helicopter's
  EXPECT_EQ(ComputePilotTime(doc, {}).rows.size(), 5u);
}

TEST_F(PilotTimeTest, TrainingDevicesFillOnlyTotalInstructionAndInstrument) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  const PilotTimeRow& row = Row(report, PilotTimeRowKind::kTrainingDevices);
  EXPECT_NEAR(*CellValue(row, PilotTimeCell::kTotal), 1.2, kEps);
  EXPECT_NEAR(*CellValue(row, PilotTimeCell::kInstructionReceived), 1.2, kEps);
  EXPECT_NEAR(*CellValue(row, PilotTimeCell::kInstrument), 1.0, kEps);
  for (const auto cell : {PilotTimeCell::kPic, PilotTimeCell::kXcPic, PilotTimeCell::kNightPic,
                          PilotTimeCell::kNightTakeoffLandings, PilotTimeCell::kFlights}) {
    EXPECT_FALSE(CellValue(row, cell)) << static_cast<int>(cell);
  }
}

TEST_F(PilotTimeTest, GlidersHaveNoNightOrInstrumentCellsAndNoRowHasSolo) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  const PilotTimeRow& glider = Row(report, PilotTimeRowKind::kGliders);
  EXPECT_NEAR(*CellValue(glider, PilotTimeCell::kPic), 0.7, kEps);
  EXPECT_FALSE(CellValue(glider, PilotTimeCell::kInstrument));
  EXPECT_FALSE(CellValue(glider, PilotTimeCell::kNightTakeoffLandings));
  EXPECT_EQ(*CellValue(glider, PilotTimeCell::kFlights), 1);
  for (const PilotTimeRow& row : report.rows) {
    EXPECT_FALSE(CellValue(row, PilotTimeCell::kSolo));
    EXPECT_FALSE(CellValue(row, PilotTimeCell::kXcSolo));
  }
}

TEST_F(PilotTimeTest, UnclassifiedTakesMissingAircraftAndAircraftWithoutKind) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  const PilotTimeRow& row = Row(report, PilotTimeRowKind::kUnclassified);
  EXPECT_NEAR(row.total, 1.4, kEps);
  EXPECT_NEAR(row.pic, 1.4, kEps);
  EXPECT_EQ(row.flights, 2);
}

TEST_F(PilotTimeTest, ClassTotalsLeaveOutTrainingDevicesAndUnclassified) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  ASSERT_EQ(report.classTotals.size(), 5u);
  const AircraftClass expected[] = {AircraftClass::kAsel, AircraftClass::kAmel,
                                    AircraftClass::kHelicopter, AircraftClass::kGlider,
                                    AircraftClass::kBalloon};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(report.classTotals[i].aircraftClass, expected[i]);
  EXPECT_NEAR(report.classTotals[0].total, 2.0, kEps);
  EXPECT_NEAR(report.classTotals[0].pic, 1.5, kEps);
  EXPECT_NEAR(report.classTotals[0].dual, 0.5, kEps);
  EXPECT_NEAR(report.classTotals[1].dual, 1.5, kEps);
  EXPECT_NEAR(report.classTotals[4].dual, 1.0, kEps);
}

TEST_F(PilotTimeTest, DateRangeIncludesBothEnds) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {Date(2024, 3, 2), Date(2024, 3, 3)});
  ASSERT_EQ(report.rows.size(), 2u);
  EXPECT_EQ(report.rows[0].kind, PilotTimeRowKind::kAirplanes);
  EXPECT_EQ(report.rows[0].flights, 1);  // the twin of 2 March, not the single of 1 March
  EXPECT_EQ(report.rows[1].kind, PilotTimeRowKind::kRotorcraft);
}

TEST_F(PilotTimeTest, TextShowsTheFormsCellsAndEveryNote) {
  FillLog();
  const PilotTimeReport report = ComputePilotTime(doc, {});
  const std::string text = PilotTimeText(report);
  EXPECT_NE(text.find("Record of Pilot Time (FAA Form 8710-1), the whole log"), std::string::npos);
  EXPECT_NE(text.find("Night Take-off/Landings PIC and SIC"), std::string::npos);
  EXPECT_NE(text.find("SIC is 0."), std::string::npos);
  const std::string tabs = PilotTimeTabs(report);
  EXPECT_NE(tabs.find("\nAirplanes\t3.5\t2.0\t\t1.5\t2.0\t\t1.5\t0.5\t0.5\t3\t1.0\t2\t2\t\t\t\n"),
            std::string::npos)
      << tabs;
}

}  // namespace
