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

class CliCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-check-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    doc.OnNewDocument();
    doc.AppendAircraft(MakeAirplane("12345"));
    doc.AppendEntry(MakeFlight(2000, 5, 1));
    doc.AppendEntry(MakeFlight(2000, 5, 2));
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

TEST_F(CliCheckTest, CleanLogExitsZeroAndFindingsPrintOneALine) {
  const CliRun clean = RunCli({"check", Save()});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_EQ(clean.out, "");
  EXPECT_EQ(clean.err, "2 flights checked: 0 findings\n");

  doc.Entry(1).arrival.clear();
  doc.Entry(1).nightHours = 0.5;
  doc.Entry(1).picHours = 1.7;
  const std::string path = Save();
  const auto before = fs::last_write_time(path);
  const CliRun run = RunCli({"check", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "5/2/2000 #0 N12345: no arrival airport\n"
            "5/2/2000 #0 N12345: night flight (0.5 h) without a night landing\n");
  EXPECT_EQ(run.err, "2 flights checked: 2 findings\n");
  EXPECT_EQ(fs::last_write_time(path), before);  // read only

  EXPECT_EQ(RunCli({"check"}).status, 2);
  const CliRun missing = RunCli({"check", (dir / "none.adx").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "aerodex-cli: " + (dir / "none.adx").string() +
                             ": Failed to open document. No such file or directory.\n");
}

}  // namespace
