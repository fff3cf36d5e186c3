// SPDX-License-Identifier: GPL-3.0-or-later
// What a Unix user expects of any command: help per command, "-" for the
// standard streams, "--" to end the options, the file named first in a
// failure, dates taken only when they exist, completion for every command.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>

#include "model/document_file.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

namespace {

const std::string kCli = AERODEX_CLI_PATH;

// Runs a shell command line; its exit status.
int Shell(const std::string& line) {
  const int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CliMannersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CAerodexDoc doc;
    doc.OnNewDocument();
    doc.AppendAircraft(MakeAirplane("5432K"));
    doc.AppendEntry(MakeFlight(2024, 6, 2, 0));
    doc.AppendEntry(MakeFlight(2024, 6, 3, 0));
    log = dir / "log.adx";
    ASSERT_TRUE(aerodex::SaveDocumentFile(doc, log).ok);
  }
  // kCli with args, run in the scratch folder.
  int Run(const std::string& args) {
    return Shell("cd '" + dir.Path().string() + "' && '" + kCli + "' " + args);
  }

  ScratchFolder dir;
  std::string log;
};

TEST_F(CliMannersTest, EveryCommandDescribesItselfOnStandardOutput) {
  for (const aerodex::cli::Command& command : aerodex::cli::Commands()) {
    for (const char* help : {"--help", "-h"}) {
      const CliRun run = RunCli({command.name, log, help});
      EXPECT_EQ(run.status, 0) << command.name;
      EXPECT_EQ(run.out.rfind(std::string("Usage: aerodex-cli ") + command.name + " ", 0), 0u)
          << run.out;
      EXPECT_EQ(run.err, "") << command.name;
    }
  }
  // After "--", --help is a file like any other.
  const CliRun run = RunCli({"backups", "--", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Earlier versions of --help"), std::string::npos);
}

TEST_F(CliMannersTest, DashIsStandardOutputWhereACommandWritesAndInputWhereItReads) {
  ASSERT_EQ(Run("csv log.adx - > piped.csv"), 0);
  ASSERT_EQ(Run("csv log.adx file.csv"), 0);
  EXPECT_EQ(Slurp(dir / "piped.csv"), Slurp(dir / "file.csv"));
  EXPECT_FALSE(std::filesystem::exists(dir / "-"));

  ASSERT_EQ(Run("dump - < log.adx > stdin.json && '" + kCli + "' dump log.adx > file.json"), 0);
  EXPECT_EQ(Slurp(dir / "stdin.json"), Slurp(dir / "file.json"));

  // export to a pipe, import from it, and the flights are all there.
  ASSERT_EQ(Run("export - - --format foreflight < log.adx | '" + kCli +
                "' import new.adx - --format foreflight 2> report.txt"),
            0)
      << Slurp(dir / "report.txt");
  EXPECT_NE(RunCli({"dump", dir / "new.adx"}).out.find("\"year\": 2024"), std::string::npos);

  ASSERT_EQ(Run("resave - - < log.adx > copy.adx"), 0);
  EXPECT_EQ(Slurp(dir / "copy.adx"), Slurp(log));

  // The log import saves and backups lists is a file, never a stream.
  EXPECT_EQ(RunCli({"import", "-", log}).status, 2);
  EXPECT_EQ(RunCli({"backups", "-"}).status, 2);
  Spit(dir / "notes.txt", "no log");
  EXPECT_EQ(Run("check - < notes.txt 2> err.txt"), 1);
  EXPECT_EQ(Slurp(dir / "err.txt"), "aerodex-cli: standard input: Unexpected file format.\n");
}

TEST_F(CliMannersTest, DoubleDashEndsTheOptions) {
  std::filesystem::copy_file(log, dir / "--explain");
  std::filesystem::copy_file(log, dir / "-log.adx");
  EXPECT_EQ(Run("dump -log.adx 2> err.txt"), 2);
  EXPECT_NE(Slurp(dir / "err.txt").find("unknown option '-log.adx'"), std::string::npos);
  EXPECT_EQ(Run("dump -- -log.adx > out.json"), 0);
  EXPECT_NE(Slurp(dir / "out.json").find("\"entries\""), std::string::npos);
  EXPECT_EQ(Run("dump -- --explain > /dev/null"), 0);
  EXPECT_EQ(Run("report -- -log.adx totals > /dev/null"), 0);
  EXPECT_EQ(Run("csv --now -- -log.adx 2> /dev/null"), 2);  // an unknown option stays one
}

TEST_F(CliMannersTest, AFailureNamesTheFileFirstAndKeepsItsMessageWhole) {
  const std::string folder = dir.Path().string();
  CliRun run = RunCli({"dump", folder});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "aerodex-cli: " + folder + ": Failed to open document. Is a directory.\n");

  const std::string nowhere = dir / "no-such-folder/out.csv";
  run = RunCli({"csv", log, nowhere});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("aerodex-cli: " + nowhere + ": Failed to write the file. ", 0), 0u)
      << run.err;
  run = RunCli({"restore", log, "3", "-o", dir / "x.adx"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("aerodex-cli: " + log + ": There is no version 3", 0), 0u) << run.err;
  EXPECT_EQ(Run("csv log.adx - > /dev/full 2> err.txt"), 1);
  EXPECT_EQ(Slurp(dir / "err.txt"),
            "aerodex-cli: standard output: Failed to write the file. No space left on device.\n");
}

TEST_F(CliMannersTest, DatesThatDoNotExistAreUsageErrors) {
  for (const char* now : {"2024-02-31 12:00:00", "2023-02-29 12:00:00", "2024-2-3 12:00:00",
                          "2024-02-03 24:00:00", "2024-02-03 12:00:00 "}) {
    const CliRun run = RunCli({"currency", log, "--now", now});
    EXPECT_EQ(run.status, 2) << now;
    EXPECT_NE(run.err.find(std::string("'") + now + "'"), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunCli({"report", log, "totals", "--now", "2024-02-29 12:00:00"}).status, 0);
  EXPECT_EQ(RunCli({"status", log, "--now", "2024-04-31 12:00:00"}).status, 2);
  EXPECT_EQ(RunCli({"report", log, "totals", "--now", "2024-02-31"}).status, 2);
  EXPECT_EQ(RunCli({"report", log, "totals", "--to", "2024-06-31"}).status, 2);
}

TEST_F(CliMannersTest, CompletionKnowsEveryCommandAndOption) {
  const std::string bash = Slurp(AERODEX_SOURCE_DIR "/resources/completions/aerodex-cli.bash");
  const std::string zsh = Slurp(AERODEX_SOURCE_DIR "/resources/completions/_aerodex-cli");
  const std::regex option("--[a-z][a-z-]*|-o\\b");
  for (const aerodex::cli::Command& command : aerodex::cli::Commands()) {
    const std::regex word(std::string("\\b") + command.name + "\\b");
    EXPECT_TRUE(std::regex_search(bash, word)) << command.name;
    EXPECT_TRUE(std::regex_search(zsh, word)) << command.name;
    const std::string synopsis = command.synopsis;
    for (std::sregex_iterator it(synopsis.begin(), synopsis.end(), option), end; it != end; ++it) {
      EXPECT_NE(bash.find(it->str()), std::string::npos) << command.name << ' ' << it->str();
      EXPECT_NE(zsh.find(it->str()), std::string::npos) << command.name << ' ' << it->str();
    }
  }
}

}  // namespace
