// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "model/document_file.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"

namespace fs = std::filesystem;

namespace {

class CliStatusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-status-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    doc.OnNewDocument();
  }
  void TearDown() override { fs::remove_all(dir); }
  CAirplane& Add(const std::string& nNumber, bool monitored) {
    auto airplane = MakeAirplane(nNumber);
    airplane->isMonitored = monitored ? 1 : 0;
    airplane->tbo = 2000;
    airplane->lastAnnualMonth = 6;
    airplane->lastAnnualYear = 2000;
    CAirplane& added = *airplane;
    doc.AppendAircraft(std::move(airplane));
    return added;
  }
  std::string Save() {
    const std::string path = (dir / "log.adx").string();
    EXPECT_TRUE(aerodex::SaveDocumentFile(doc, path).ok);
    return path;
  }

  fs::path dir;
  CAerodexDoc doc;
};

TEST_F(CliStatusTest, OneBlockPerMonitoredAircraftInDatabaseOrder) {
  Add("9876B", true).tachAtOilChange = 1180.0;
  Add("5555C", false);
  Add("1234A", true);
  auto flight = MakeFlight(2000, 8, 3, 0, "9876B");
  flight->startTach = 1000.0;
  flight->endTach = 1200.0;
  doc.AppendEntry(std::move(flight));
  const CliRun run = RunCli({"status", Save(), "--now", "2001-04-02 09:00:00"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "9876B\n"
            "This plane was flown 20.0 tach hours since the last oil change.\n"
            "Annual inspection is due in 2 months.\n"
            "This plane is 800.0 hours from TBO.\n"
            "At 25 hrs/month ( 300 hrs/year) , TBO is estimated in 32 months.\n"
            "\n"
            "1234A\n"
            "No flight is logged in this aircraft, so its tach hours since the last oil change "
            "are unknown.\n"
            "Annual inspection is due in 2 months.\n"
            "No flight is logged in this aircraft, so its hours from TBO are unknown.\n"
            "No flight is logged in this aircraft; TBO cannot be estimated.\n");
}

TEST_F(CliStatusTest, NoMonitoredAircraftFails) {
  Add("5555C", false);
  const std::string path = Save();
  const CliRun run = RunCli({"status", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "aerodex-cli: " + path + ": No aircraft was marked as 'Monitored/Owned'\n");
  EXPECT_EQ(RunCli({"status"}).status, 2);
  EXPECT_EQ(RunCli({"status", Save(), "--now", "2001-13-01 00:00:00"}).status, 2);
}

TEST_F(CliStatusTest, ExplainAddsTheDueMonthsAndTheContinuityUnderEachAircraft) {
  Add("9876B", true);
  for (const auto& [month, start, end] : {std::tuple{8, 1000.0, 1100.0}, {9, 1103.0, 1200.0}}) {
    auto flight = MakeFlight(2000, month, 3, 0, "9876B");
    flight->startTach = start;
    flight->endTach = end;
    doc.AppendEntry(std::move(flight));
  }
  const std::string path = Save();
  const CliRun plain = RunCli({"status", path, "--now", "2001-04-02 09:00:00"});
  const CliRun run = RunCli({"status", path, "--explain", "--now", "2001-04-02 09:00:00"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            plain.out +
                "The annual inspection falls due in June 2001.\n"
                "At that rate TBO is reached in December 2003.\n"
                "The current tachometer reading, 1200.0, is the ending reading of the newest "
                "flight in this aircraft, 9/3/2000 (KSJC to KMRY).\n"
                "Tachometer gap of 3.0 hours: the flight of 8/3/2000 ended at 1100.0, the flight "
                "of 9/3/2000 started at 1103.0.\n");
}

}  // namespace
