// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "aerodex_version.h"
#include "model/document_archive.h"
#include "model/document_file.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    CAerodexDoc doc;
    doc.OnNewDocument();
    doc.pilot.pilotName = "Jos\xE9 \"Ace\" Ruiz";
    doc.lastNNumber = "5432K";
    doc.AppendAircraft(MakeAirplane("5432K"));
    doc.AppendEntry(MakeFlight(2024, 6, 2, 1));
    auto early = MakeFlight(2024, 6, 2, 0);
    early->remarks = "Crosswind, gusts 25\nline two, \"quoted\"";
    early->dayHours = 0.1 + 0.2;  // needs all 17 digits to read back
    doc.AppendEntry(std::move(early));
    log = (dir / "log.adx").string();
    ASSERT_TRUE(aerodex::SaveDocumentFile(doc, log).ok);  // stored out of order
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path dir;
  std::string log;
};

}  // namespace

TEST_F(CliTest, DumpPrintsEveryFieldAsUtf8JsonInLogOrder) {
  const CliRun run = RunCli({"dump", log});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"pilotName\": \"Jos\u00E9 \\\"Ace\\\" Ruiz\""), std::string::npos);
  EXPECT_NE(run.out.find("\"tailWheelEndorsement\": 0"), std::string::npos);
  EXPECT_NE(run.out.find("\"lastNNumber\": \"5432K\""), std::string::npos);
  EXPECT_NE(run.out.find("\"hourlyCost\": 95.5"), std::string::npos);
  EXPECT_NE(run.out.find("\"dayHours\": 0.30000000000000004"), std::string::npos);
  EXPECT_NE(run.out.find("gusts 25\\nline two, \\\"quoted\\\""), std::string::npos);
  // The file held flight 1 before flight 0; the dump is sorted and the last
  // entry read (flight 0, now first) is selected.
  EXPECT_LT(run.out.find("\"flightNumber\": 0"), run.out.find("\"flightNumber\": 1"));
  EXPECT_NE(run.out.find("\"selectedEntry\": 0"), std::string::npos);
  EXPECT_EQ(run.out.find("rowTop"), std::string::npos);
}

TEST_F(CliTest, ResaveWritesTheLogSortedAndRoundTripsASortedFile) {
  const std::string sorted = (dir / "sorted.adx").string();
  ASSERT_EQ(RunCli({"resave", log, sorted}).status, 0);
  EXPECT_NE(Slurp(sorted), Slurp(log));
  const std::string again = (dir / "again.adx").string();
  ASSERT_EQ(RunCli({"resave", sorted, again}).status, 0);
  EXPECT_EQ(Slurp(again), Slurp(sorted));
}

TEST_F(CliTest, CsvHasAHeaderAndQuotesAsRfc4180) {
  const CliRun run = RunCli({"csv", log});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find("\r\n")).substr(0, 33),
            "nNumber,startTach,endTach,day,mon");
  EXPECT_NE(run.out.find("\"Crosswind, gusts 25\nline two, \"\"quoted\"\"\""), std::string::npos);
  const std::string file = (dir / "out.csv").string();
  ASSERT_EQ(RunCli({"csv", log, file}).status, 0);
  EXPECT_EQ(Slurp(file), run.out);
}

TEST_F(CliTest, FailuresAndUsageErrorsHaveTheirExitCodes) {
  const std::string truncated = (dir / "short.adx").string();
  std::ofstream(truncated, std::ios::binary) << Slurp(log).substr(0, 100);
  CliRun run = RunCli({"dump", truncated});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "aerodex-cli: " + truncated + ": Unexpected file format.\n");
  EXPECT_TRUE(run.out.empty());

  const std::string missing = (dir / "missing.adx").string();
  run = RunCli({"dump", missing});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "aerodex-cli: " + missing + ": Failed to open document. No such file or directory.\n");

  // No folder, no lock: refused before anything is written.
  const std::string nowhere = (dir / "no-such-folder" / "x.adx").string();
  run = RunCli({"resave", log, nowhere});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "aerodex-cli: " + nowhere +
                         ": Cannot be locked. No such file or directory. Nothing was written.\n");

  EXPECT_EQ(RunCli({"dump"}).status, 2);
  EXPECT_EQ(RunCli({"resave", log}).status, 2);
  EXPECT_EQ(RunCli({"frobnicate"}).status, 2);
  EXPECT_EQ(RunCli({}).status, 2);
  run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* command : {"dump", "resave", "csv"}) {
    EXPECT_NE(run.out.find(std::string("  ") + command + " "), std::string::npos) << command;
  }
  run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string("aerodex-cli ") + AERODEX_VERSION + "\n");
}
