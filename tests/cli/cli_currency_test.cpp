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

class CliCurrencyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-currency-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    doc.OnNewDocument();
    doc.pilot.birthYear = 1960;
    doc.pilot.medicalClass = 3;
    doc.pilot.medicalMonth = 3;
    doc.pilot.medicalYear = 1999;
    doc.pilot.bfrMonth = 12;
    doc.pilot.bfrYear = 1998;
    auto night = MakeFlight(2000, 5, 1);
    night->nightLandings = 3;
    doc.AppendEntry(std::move(night));
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

TEST_F(CliCurrencyTest, PrintsTheSevenLinesInFormOrder) {
  const CliRun run = RunCli({"currency", Save(), "--now", "2000-06-15 12:00:00"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "You may perform operations requiring a Class 3 Medical Certificate until  3/31/2002\n"
            "\n"
            "\n"
            "Your next Biennial Flight Review is due on  12/31/2000\n"
            "Not applicable without instrument rating\n"
            "\n"
            "May carry passengers at night until  7/30/2000\n");

  doc.pilot.medicalClass = 1;
  doc.pilot.ratedInstrumentHelicopter = 1;
  const CliRun all = RunCli({"currency", "--now", "2000-06-15 12:00:00", Save()});
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.out,
            "You may perform operations requiring a Class 3 Medical Certificate until  3/31/2002\n"
            "You may NOT perform operations requiring a Class 2 Medical Certificate since  "
            "3/31/2000\n"
            "You may NOT perform operations requiring a Class 1 Medical Certificate since  "
            "9/30/1999\n"
            "Your next Biennial Flight Review is due on  12/31/2000\n"
            "Not legal to file IFR as of  6/30/0\n"
            "Not legal to file IFR as of  6/30/0\n"
            "May carry passengers at night until  7/30/2000\n");
}

TEST_F(CliCurrencyTest, MissingPilotDataFailsOnStandardError) {
  doc.pilot.birthYear = 0;
  const std::string path = Save();
  const CliRun run = RunCli({"currency", path, "--now", "2000-06-15 12:00:00"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "aerodex-cli: " + path +
                         ": Pilot information not initialized or aerodex not loaded!\n");
}

TEST_F(CliCurrencyTest, UsageAndFileErrors) {
  EXPECT_EQ(RunCli({"currency"}).status, 2);
  EXPECT_EQ(RunCli({"currency", Save(), "--now", "yesterday"}).status, 2);
  EXPECT_EQ(RunCli({"currency", Save(), "--now"}).status, 2);
  EXPECT_EQ(RunCli({"currency", Save(), Save()}).status, 2);
  const CliRun missing = RunCli({"currency", (dir / "none.adx").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "aerodex-cli: " + (dir / "none.adx").string() +
                             ": Failed to open document. No such file or directory.\n");
}

TEST_F(CliCurrencyTest, ExplainAndJsonGiveTheLinesWithTheirWorking) {
  const std::string path = Save();
  const CliRun lines = RunCli({"currency", path, "--now", "2000-06-15 12:00:00"});
  const CliRun run = RunCli({"currency", path, "--explain", "--now", "2000-06-15 12:00:00"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.out.rfind(lines.out + "\nAs of 6/15/2000\n\nMedical Currency\n  Medical "
                                      "examination: 3/1999, class 3.\n",
                          0),
            0u)
      << run.out;
  EXPECT_NE(run.out.find("\nNight Currency\n  Rule for passengers at night"), std::string::npos);
  EXPECT_NE(run.out.find("\n    5/1/2000 N12345: 3 night landings (3 in all)\n"),
            std::string::npos);

  const CliRun json = RunCli({"currency", path, "--json", "--now", "2000-06-15 12:00:00"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.rfind("{\n\"asOf\": \"2000-06-15\",\n\"lines\": {\n  \"medical1\": \"You may "
                           "perform operations requiring a Class 3 Medical Certificate until  "
                           "3/31/2002\",\n  \"medical2\": \"\",",
                           0),
            0u)
      << json.out;
  EXPECT_NE(json.out.find("\"night\": \"May carry passengers at night until  7/30/2000\"\n},\n"
                          "\"working\": [\n  {\"heading\": \"Medical Currency\", \"lines\": [\n"),
            std::string::npos);
  EXPECT_NE(json.out.find("\"  5/1/2000 N12345: 3 night landings (3 in all)\""), std::string::npos);
  // Today's rules close the working, after the day-passenger estimate.
  EXPECT_NE(json.out.find("{\"heading\": \"Under the rules in force today\", \"lines\": [\n"
                          "    \"The rules of 14 CFR part 61 as last checked on "),
            std::string::npos);
  EXPECT_EQ(json.out.rfind("{\"heading\": "), json.out.find("{\"heading\": \"Under the rules"));
  EXPECT_NE(run.out.find("\nUnder the rules in force today\n  The rules of 14 CFR part 61"),
            std::string::npos);
  EXPECT_EQ(RunCli({"currency", path, "--json", "--explain"}).status, 2);
}

}  // namespace
