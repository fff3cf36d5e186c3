// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "files/log_lock.h"
#include "model/document_file.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* kOldLog =
    "2\n^Jane Doe^\n^12 Main St^\n1 2 3\n"
    "^N1234X^\n14 6 1996\n^AAA^\n^BBB^\n^AAA BBB^\n2 0 1.5 0 0 0 1.5 1.5 0 0 0\n"
    "0 0 0 0 0 0 0\n^pattern work^\n"
    "^N77Z^\n1 3 1995\n^CCC^\n^DDD^\n^^\n1 0 1.0 0 0 0 1.0 1.0 0 0 0\n0 0 0 0 0 0 0\n^^\n";

class CliImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-import-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    old = Write("old.aerodex", kOldLog);
    log = (dir / "log.adx").string();
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  void SaveExistingLog() {
    CAerodexDoc doc;
    doc.OnNewDocument();
    doc.AppendAircraft(MakeAirplane("1234X"));
    doc.AppendEntry(MakeFlight(2000, 1, 1, 0, "1234X"));
    ASSERT_TRUE(aerodex::SaveDocumentFile(doc, log).ok);
  }
  static std::unique_ptr<CAerodexDoc> Load(const std::string& path) {
    auto doc = std::make_unique<CAerodexDoc>();
    EXPECT_TRUE(aerodex::OpenDocumentFile(*doc, path).ok) << path;
    return doc;
  }

  fs::path dir;
  std::string old;
  std::string log;
};

TEST_F(CliImportTest, StartsANewLogWhenNoneExists) {
  const CliRun run = RunCli({"import", log, old});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  // Both aircraft are missing; each question is printed and cancelled. The
  // report follows.
  EXPECT_EQ(run.err.substr(0, run.err.find("Records read")),
            "N1234X: not in aircraft database. Confirm to create, Cancel to edit later.\n"
            "N77Z: not in aircraft database. Confirm to create, Cancel to edit later.\n"
            "Import of " +
                old + "\n");
  const auto doc = Load(log);
  EXPECT_EQ(doc->AircraftCount(), 0u);
  ASSERT_EQ(doc->EntryCount(), 2u);
  EXPECT_EQ(doc->Entry(0).nNumber, "77Z");  // 1995 first
  EXPECT_EQ(doc->Entry(1).remarks, "pattern work");
}

TEST_F(CliImportTest, AppendsToAnExistingLogAndWritesTheOutputFile) {
  SaveExistingLog();
  const std::string before = Slurp(log);
  const std::string out = (dir / "out.adx").string();
  const CliRun run = RunCli({"import", log, old, "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.substr(0, run.err.find("Import of")),
            "N77Z: not in aircraft database. Confirm to create, Cancel to edit later.\n");
  EXPECT_EQ(Slurp(log), before);  // with -o the log itself is left alone
  const auto doc = Load(out);
  EXPECT_EQ(doc->AircraftCount(), 1u);
  ASSERT_EQ(doc->EntryCount(), 3u);
  EXPECT_EQ(doc->Entry(2).year, 2000);

  // Importing again into the result doubles the imported flights.
  ASSERT_EQ(RunCli({"import", out, old}).status, 0);
  EXPECT_EQ(Load(out)->EntryCount(), 5u);
}

TEST_F(CliImportTest, StoppedImportWritesNothing) {
  SaveExistingLog();
  const std::string before = Slurp(log);
  std::string broken = kOldLog;
  broken.replace(broken.find("^CCC^"), 5, "CCC");
  const CliRun run = RunCli({"import", log, Write("broken.aerodex", broken)});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Aerodex: Entry string integrity suspect<CCC>!\n"), std::string::npos);
  EXPECT_NE(run.err.find("Flights added to the log: 0\n"), std::string::npos);
  EXPECT_NE(run.err.find("Stopped at line 15: Aerodex: Entry string integrity suspect<CCC>!\n"
                         "Nothing was written.\n"),
            std::string::npos);
  EXPECT_EQ(Slurp(log), before);

  const std::string out = (dir / "out.adx").string();
  EXPECT_EQ(RunCli({"import", log, Write("short.aerodex", "1\n^a^\n")}).status, 1);
  EXPECT_EQ(RunCli({"import", log, Write("empty.aerodex", ""), "-o", out}).status, 1);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(Slurp(log), before);
}

TEST_F(CliImportTest, CountMismatchIsReportedButTheFlightsAreSaved) {
  const std::string file = Write("three.aerodex", "3" + std::string(kOldLog).substr(1));
  const CliRun run = RunCli({"import", log, file});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("Expected 3 entries, found 2 entries!\n"), std::string::npos);
  EXPECT_EQ(Load(log)->EntryCount(), 2u);
}

TEST_F(CliImportTest, DryRunReportsAndWritesNothing) {
  SaveExistingLog();
  const std::string before = Slurp(log);
  // Reading takes no lock: a window may have the log open meanwhile.
  aerodex::CLogLock window;
  ASSERT_TRUE(window.Acquire(log).ok);
  const std::string out = (dir / "out.adx").string();
  // One flight the log already has, and a short approaches line.
  std::string file = kOldLog;
  file.replace(file.find("14 6 1996"), 9, "1 1 2000");
  file.replace(file.find("^AAA^\n^BBB^"), 11, "^KSJC^\n^KMRY^");
  file.replace(file.find("2 0 1.5 0 0 0 1.5 1.5"), 21, "1 0 1.2 0 0 0 1.2 1.2");
  file.replace(file.rfind("0 0 0 0 0 0 0"), 13, "0 0 0");
  const CliRun run = RunCli({"import", log, Write("dup.aerodex", file), "--dry-run", "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Slurp(log), before);
  EXPECT_FALSE(fs::exists(out));
  for (const char* said :
       {"Records read: 2 (as the header says)\nFlights added to the log: 0\n",
        "(added all the same): 1\n  line 5: 1/1/2000 N1234X KSJC to KMRY, 1.2 h\n",
        "Warnings: 1\n  line 19: numbers missing <0 0 0>: 3 of 7 read, the rest set to 0\n",
        "Dry run: nothing was written; the import would add 2 flights.\n"}) {
    EXPECT_NE(run.err.find(said), std::string::npos) << said << "\nin\n" << run.err;
  }
  // A dry run of a file that stops fails as the import would; a new log is not started.
  const std::string none = (dir / "none.adx").string();
  const CliRun stopped = RunCli({"import", none, Write("short.aerodex", "1\n^a^\n"), "--dry-run"});
  EXPECT_EQ(stopped.status, 1);
  EXPECT_NE(stopped.err.find("would stop and write nothing"), std::string::npos);
  EXPECT_FALSE(fs::exists(none));
}

TEST_F(CliImportTest, UsageAndOpeningErrors) {
  EXPECT_EQ(RunCli({"import", log}).status, 2);
  EXPECT_EQ(RunCli({"import", log, old, "-o"}).status, 2);
  EXPECT_EQ(RunCli({"import", log, old, "extra"}).status, 2);
  const std::string none = (dir / "none.aerodex").string();
  const CliRun missing = RunCli({"import", log, none});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "aerodex-cli: " + none + ": Failed to open .aerodex\n");
  const CliRun notALog = RunCli({"import", old, old});  // an existing file that is no log
  EXPECT_EQ(notALog.status, 1);
  EXPECT_EQ(Slurp(old), kOldLog);
  EXPECT_FALSE(fs::exists(log));
}

}  // namespace
