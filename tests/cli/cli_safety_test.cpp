// SPDX-License-Identifier: GPL-3.0-or-later
// aerodex-cli as a writer among others: one writer at a time, nothing lost
// when two run at once or one is killed, kept versions listed and restored,
// and files that are not logs refused without waiting.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <utility>

#include "files/log_lock.h"
#include "model/document_archive.h"
#include "model/document_file.h"
#include "support/child_process.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"
#include "tools/sample_log.h"

namespace {

const std::string kCli = AERODEX_CLI_PATH;

// An older text log with `flights` one-hour flights in the given year.
std::string OldTextLog(int flights, int year) {
  std::string text = std::to_string(flights) + "\n^Jane Doe^\n^12 Main St^\n1 2 3\n";
  for (int i = 0; i < flights; ++i) {
    text += "^N5432K^\n" + std::to_string(1 + i % 28) + " 6 " + std::to_string(year) +
            "\n^AAA^\n^BBB^\n^^\n1 0 1.0 0 0 0 1.0 1.0 0 0 0\n0 0 0 0 0 0 0\n^^\n";
  }
  return text;
}

int FlightsIn(const std::string& log, int year) {
  CAerodexDoc doc;
  if (!aerodex::OpenDocumentFile(doc, log).ok) return -1;
  int count = 0;
  for (const auto& entry : doc.Entries()) count += entry->year == year ? 1 : 0;
  return count;
}

std::string LargeLog(std::uint32_t flights, std::uint32_t seed) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildLargeLog(doc, flights, seed);
  return aerodex::SaveDocument(doc);
}

class CliSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Children inherit these: their kept versions stay in the scratch folder.
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    std::filesystem::create_directory(dir / "logs");
    log = dir / "logs/log.adx";
  }
  ScratchFolder dir;
  std::string log;
};

}  // namespace

TEST_F(CliSafetyTest, TwoImportsAtOnceNeverLoseAFlight) {
  Spit(dir / "a.aerodex", OldTextLog(30, 1996));
  Spit(dir / "b.aerodex", OldTextLog(20, 1995));
  int refused = 0;
  for (int attempt = 0; attempt < 20; ++attempt) {
    Spit(log, LargeLog(20000, 7));
    const pid_t a = StartProcess(kCli, {"import", log, dir / "a.aerodex"}, dir / "a.err");
    const pid_t b = StartProcess(kCli, {"import", log, dir / "b.aerodex"}, dir / "b.err");
    const int statusA = WaitForProcess(a), statusB = WaitForProcess(b);
    ASSERT_LE(statusA + statusB, 1) << Slurp(dir / "a.err") << Slurp(dir / "b.err");
    for (const auto& [err, status] : {std::pair{"a.err", statusA}, std::pair{"b.err", statusB}}) {
      const std::string message = Slurp(dir / err);
      if (status == 0) {
        EXPECT_EQ(message.rfind("Import of ", 0), 0u) << message;  // only the report
        continue;
      }
      EXPECT_NE(message.find(": In use by aerodex ("), std::string::npos) << message;
      ++refused;
    }
    // What each import that succeeded added is there; a refused one added nothing.
    EXPECT_EQ(FlightsIn(log, 1996), statusA == 0 ? 30 : 0);
    EXPECT_EQ(FlightsIn(log, 1995), statusB == 0 ? 20 : 0);
  }
  EXPECT_GT(refused, 0);
}

TEST_F(CliSafetyTest, AKilledSaveLeavesTheOldOrTheNewLogAndNoLitter) {
  const std::string versions[2] = {LargeLog(20000, 1), LargeLog(20000, 2)};
  Spit(dir / "v0.adx", versions[0]);
  Spit(dir / "v1.adx", versions[1]);
  Spit(log, versions[0]);
  std::mt19937 dice(12345);
  int killedMidway = 0;
  for (int kill = 0; kill < 50; ++kill) {
    const pid_t child =
        StartProcess(kCli, {"resave", dir / ("v" + std::to_string(kill % 2) + ".adx"), log});
    std::this_thread::sleep_for(std::chrono::microseconds(dice() % 60000));
    ::kill(child, SIGKILL);
    killedMidway += WaitForProcess(child) == 128 + SIGKILL ? 1 : 0;
    const std::string now = Slurp(log);
    ASSERT_TRUE(now == versions[0] || now == versions[1]) << "after kill " << kill;
  }
  EXPECT_GE(killedMidway, 10);  // most kills land inside a save
  ASSERT_EQ(RunCli({"resave", dir / "v1.adx", log}).status, 0);
  EXPECT_EQ(Slurp(log), versions[1]);
  EXPECT_EQ(std::vector<std::string>(dir.Names()),
            (std::vector<std::string>{"data", "logs", "v0.adx", "v1.adx"}));
  std::vector<std::string> logs;
  for (const auto& item : std::filesystem::directory_iterator(dir / "logs")) {
    logs.push_back(item.path().filename().string());
  }
  EXPECT_EQ(logs, std::vector<std::string>{"log.adx"});  // no temporary, no stale lock
}

TEST_F(CliSafetyTest, ALockedLogIsRefusedAStaleLockTakenOver) {
  Spit(dir / "old.aerodex", OldTextLog(3, 1996));
  Spit(log, LargeLog(10, 3));
  const std::string before = Slurp(log);
  {
    aerodex::CLogLock window;
    ASSERT_TRUE(window.Acquire(log).ok);
    const CliRun run = RunCli({"import", log, dir / "old.aerodex"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("aerodex-cli: " + log + ": In use by aerodex ("), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Nothing was written."), std::string::npos);
    EXPECT_EQ(Slurp(log), before);
    // Reading needs no lock.
    EXPECT_EQ(RunCli({"dump", log}).status, 0);
  }
  Spit(aerodex::CLogLock::LockPathFor(log), "aerodex lock\nuser=pilot\nhost=elsewhere-gone\npid=" +
                                                std::to_string(EndedProcessId()) + "\nsince=1\n");
  EXPECT_EQ(RunCli({"import", log, dir / "old.aerodex"}).status, 0);
  EXPECT_EQ(FlightsIn(log, 1996), 3);
}

TEST_F(CliSafetyTest, KeptVersionsAreListedAndRestoredByteForByte) {
  for (std::uint32_t seed = 1; seed <= 3; ++seed)
    Spit(dir / ("s" + std::to_string(seed)), LargeLog(5 * seed, seed));
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    ASSERT_EQ(RunCli({"resave", dir / ("s" + std::to_string(seed)), log}).status, 0);
  }
  const CliRun list = RunCli({"backups", log});
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("  1  "), std::string::npos);
  EXPECT_NE(list.out.find("10 flights"), std::string::npos);
  EXPECT_NE(list.out.find("  2  "), std::string::npos);
  EXPECT_NE(list.out.find("5 flights"), std::string::npos);
  EXPECT_EQ(list.out.find("  3  "), std::string::npos);

  ASSERT_EQ(RunCli({"restore", log, "2", "-o", dir / "out.adx"}).status, 0);
  EXPECT_EQ(Slurp(dir / "out.adx"), Slurp(dir / "s1"));
  // Restoring over the log keeps the version it replaces in turn.
  ASSERT_EQ(RunCli({"restore", log, "2", "-o", log}).status, 0);
  EXPECT_EQ(Slurp(log), Slurp(dir / "s1"));
  EXPECT_NE(RunCli({"backups", log}).out.find("15 flights"), std::string::npos);
  EXPECT_EQ(RunCli({"restore", log, "9", "-o", dir / "x.adx"}).status, 1);
}

TEST_F(CliSafetyTest, FilesThatAreNotLogsFailAtOnceReadOnlyLogsWithTheReason) {
  ASSERT_EQ(::mkfifo((dir / "x.adx").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((dir / "x.aerodex").c_str(), 0644), 0);
  CliRun run = RunCli({"dump", dir / "x.adx"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "aerodex-cli: " + (dir / "x.adx") +
                         ": Failed to open document. It is not a regular file.\n");
  EXPECT_EQ(RunCli({"import", log, dir / "x.aerodex"}).status, 1);

  Spit(log, LargeLog(4, 1));
  ::chmod(log.c_str(), 0444);
  run = RunCli({"resave", log, log});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "aerodex-cli: " + log + ": Failed to save document. The file is read-only.\n");
}
