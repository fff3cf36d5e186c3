// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/document_file.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"

namespace fs = std::filesystem;

namespace {

class CliReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-report-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    doc.OnNewDocument();
    doc.AppendAircraft(MakeAirplane("1234A"));
    auto device = MakeAirplane("SIM");
    device->isSimulator = 1;
    doc.AppendAircraft(std::move(device));
    auto night = MakeFlight(2024, 3, 3, 0, "1234A");
    night->nightHours = 1.0;
    night->nightCrossCountry = 0.5;
    night->dualHours = 0.8;
    night->nightLandings = 2;
    doc.AppendEntry(std::move(night));
    auto sim = MakeFlight(2024, 6, 1, 0, "SIM");
    sim->dualHours = 1.2;
    sim->picHours = 0;
    sim->simulatedInstrument = 1.0;
    doc.AppendEntry(std::move(sim));
    doc.AppendEntry(MakeFlight(2024, 3, 2, 0, "1234A"));
    doc.SortEntries();
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Save() {
    const std::string path = (dir / "log.adx").string();
    EXPECT_TRUE(aerodex::SaveDocumentFile(doc, path).ok);
    return path;
  }

  fs::path dir;
  CAerodexDoc doc;
};

TEST_F(CliReportTest, PilotTimeJsonHasTheFormsCellsAndNullsForEmptyOnes) {
  const CliRun run = RunCli({"report", Save(), "8710", "--from", "2024-03-03", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"from\": \"2024-03-03\",\n  \"to\": null,"), std::string::npos);
  EXPECT_NE(
      run.out.find("{\"row\": \"Airplanes\", \"total\": 2.2, \"instructionReceived\": 0.8, "
                   "\"solo\": null, \"pic\": 1.2, \"sic\": 0.0, \"xcInstructionReceived\": 0.5, "
                   "\"xcSolo\": null, \"xcPic\": 0.5, \"instrument\": 0.0, "
                   "\"nightInstructionReceived\": 0.8, \"nightTakeoffLandings\": 2, "
                   "\"nightPic\": 1.0, \"nightTakeoffLandingsPic\": 2, \"flights\": 1}"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("{\"row\": \"Training Devices\", \"total\": 1.2, "
                         "\"instructionReceived\": 1.2, \"solo\": null, \"pic\": null"),
            std::string::npos);
  EXPECT_NE(run.out.find("\"classTotals\": [\n    {\"class\": \"ASEL\", \"total\": 2.2, "
                         "\"pic\": 1.2, \"sic\": 0.0, \"dual\": 0.8}\n  ]"),
            std::string::npos);
  EXPECT_NE(run.out.find("\"notes\": [\n    \"Solo time"), std::string::npos);
}

TEST_F(CliReportTest, LastDaysRunFromTheDayNDaysBackThroughToday) {
  // 91 days back from 1 June is 2 March: its flight is out, 3 March's is in.
  const CliRun run = RunCli({"report", Save(), "totals", "--last", "90d", "--now",
                             "2024-06-01 08:00:00", "--json", "--by", "month"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"from\": \"2024-03-03\",\n  \"to\": \"2024-06-01\",\n  \"flights\": 2,"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"totals\": {\"total\": 3.4, \"day\": 2.4, \"night\": 1.0, "
                         "\"crossCountry\": 0.5, \"actualInstrument\": 0.0, "
                         "\"simulatedInstrument\": 1.0, \"simulator\": 1.2, "
                         "\"singleEngine\": 3.4"),
            std::string::npos);
  EXPECT_NE(run.out.find("{\"key\": \"2024-03\", \"flights\": 1, \"totals\": {\"total\": 2.2"),
            std::string::npos);
  EXPECT_NE(run.out.find("{\"key\": \"2024-06\", \"flights\": 1,"), std::string::npos);
}

TEST_F(CliReportTest, FiltersNarrowTheTotalsTable) {
  const CliRun run = RunCli({"report", Save(), "totals", "--aircraft", "SIM,9999X", "--text",
                             "monterey", "--to", "2024-06-01"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Flights (through 2024-06-01): 0");
  const CliRun byClass = RunCli({"report", Save(), "totals", "--by", "class", "--class", "asel"});
  ASSERT_EQ(byClass.status, 0) << byClass.err;
  EXPECT_NE(byClass.out.find("\nASEL                       2"), std::string::npos) << byClass.out;
  EXPECT_EQ(byClass.out.find("\nSimulator"), std::string::npos);
}

TEST_F(CliReportTest, BadDatesAndUnknownOptionsAreUsageErrors) {
  const std::string log = Save();
  const std::vector<std::vector<std::string>> bad = {
      {"8710", "--from", "2024-02-30"},
      {"8710", "--to", "03/01/2024"},
      {"8710", "--by", "month"},
      {"totals", "--last", "3w"},
      {"totals", "--verbose"},
      {"totals", "--class", "Jet"},
      {"totals", "--from"},
      {"totals", "--last", "90d", "--to", "2024-01-01"},
      {"totals", "--from", "2024-02-01", "--to", "2024-01-01"},
      {"weekly"},
      {},
  };
  for (const auto& options : bad) {
    std::vector<std::string> args = {"report", log};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("aerodex-cli report: "), std::string::npos);
  }
  EXPECT_NE(RunCli({"report", log, "8710", "--from", "2024-02-30"}).err.find("'2024-02-30'"),
            std::string::npos);
}

TEST_F(CliReportTest, MissingLogFailsWithTheMessage) {
  const CliRun run = RunCli({"report", (dir / "none.adx").string(), "8710"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Failed to open document."), std::string::npos);
}

}  // namespace
