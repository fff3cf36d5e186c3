// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "model/document_file.h"
#include "support/cli_runner.h"
#include "support/log_builders.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* kMyFlightbook =
    "Date,Tail Number,Model,Category/Class,Total Flight Time,PIC,Landings,Route,Comments\n"
    "2024-04-01,N738CP,PA-28-181,ASEL,1.3,1.3,1,KPAO KSQL,Touch and goes\n"
    "2024-04-02,N738CP,PA-28-181,ASEL,0:48,0.8,x,KPAO KHAF,\n";

class CliLogbookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-cli-logbook-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    log = (dir / "log.adx").string();
    file = Write("flights.csv", kMyFlightbook);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  static std::unique_ptr<CAerodexDoc> Load(const std::string& path) {
    auto doc = std::make_unique<CAerodexDoc>();
    EXPECT_TRUE(aerodex::OpenDocumentFile(*doc, path).ok) << path;
    return doc;
  }

  fs::path dir;
  std::string log;
  std::string file;
};

TEST_F(CliLogbookTest, ImportsWhatItCanReadAndNamesTheRest) {
  const CliRun run = RunCli({"import", log, file});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* said : {"Read as: MyFlightbook, comma-separated, UTF-8\nFlights read: 1\n"
                           "Flights added to the log: 1\nAircraft created: 1 (N738CP)\n",
                           "Rows that could not be read (skipped): 1\n"
                           "  line 3: Landings 'x' is not a count\n"}) {
    EXPECT_NE(run.err.find(said), std::string::npos) << said << "\nin\n" << run.err;
  }
  const auto doc = Load(log);
  ASSERT_EQ(doc->EntryCount(), 1u);
  EXPECT_EQ(doc->Entry(0).arrival, "KSQL");
  EXPECT_EQ(doc->Aircraft(0).model, "PA-28-181");
}

TEST_F(CliLogbookTest, ASecondImportAddsNothingAndSucceedsWithoutWriting) {
  ASSERT_EQ(RunCli({"import", log, file}).status, 0);
  const std::string before = Slurp(log);
  const CliRun again = RunCli({"import", log, file});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.err.find("Flights already in the log (skipped): 1\n"), std::string::npos);
  EXPECT_NE(again.err.find("Nothing was written.\n"), std::string::npos);
  EXPECT_EQ(Slurp(log), before);
  ASSERT_EQ(RunCli({"import", log, file, "--include-duplicates"}).status, 0);
  EXPECT_EQ(Load(log)->EntryCount(), 2u);
}

TEST_F(CliLogbookTest, UnknownLayoutWritesNothingUntilMapped) {
  const std::string odd = Write("odd.csv", "When;Plane;Hours\n2024-01-01;N1;1,5\n");
  const CliRun run = RunCli({"import", log, odd});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Columns that could not be placed: When, Plane, Hours."),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(run.err.ends_with("Nothing was written.\n")) << run.err;
  EXPECT_FALSE(fs::exists(log));
  const CliRun dry =
      RunCli({"import", log, odd, "--map", "When=date,Plane=tail,Hours=total", "--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_NE(dry.err.find("the import would add 1 flights."), std::string::npos);
  EXPECT_FALSE(fs::exists(log));
  ASSERT_EQ(RunCli({"import", log, odd, "--map", "When=date,Plane=tail,Hours=total"}).status, 0);
  EXPECT_DOUBLE_EQ(Load(log)->Entry(0).dayHours, 1.5);
}

TEST_F(CliLogbookTest, ExportAndImportGiveTheLogBack) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  doc.AppendAircraft(MakeAirplane("1234X"));
  doc.AppendEntry(MakeFlight(2000, 1, 1, 0, "1234X"));
  ASSERT_TRUE(aerodex::SaveDocumentFile(doc, log).ok);
  const std::string out = (dir / "out.csv").string();
  for (const char* format : {"foreflight", "myflightbook", "csv"}) {
    ASSERT_EQ(RunCli({"export", log, out, "--format", format}).status, 0) << format;
    const std::string back = (dir / (std::string(format) + ".adx")).string();
    ASSERT_EQ(RunCli({"import", back, out}).status, 0) << format;
    EXPECT_EQ(RunCli({"csv", back}).out, RunCli({"csv", log}).out) << format;
  }
  // "aerodex" names aerodex's own files: the csv export as well as the older text log.
  const std::string named = (dir / "named.adx").string();
  ASSERT_EQ(RunCli({"import", named, out, "--format", "aerodex"}).status, 0);
  EXPECT_EQ(RunCli({"csv", named}).out, RunCli({"csv", log}).out);
  EXPECT_NE(Slurp(out).find(",1.2,"), std::string::npos);
}

TEST_F(CliLogbookTest, UsageErrors) {
  EXPECT_EQ(RunCli({"import", log, file, "--format", "excel"}).status, 2);
  EXPECT_EQ(RunCli({"import", log, file, "--map", "Hours=lots"}).status, 2);
  EXPECT_EQ(RunCli({"import", log, file, "--map", "Hours"}).status, 2);
  EXPECT_EQ(RunCli({"import", log, file, "--keep-extra", "some"}).status, 2);
  EXPECT_EQ(RunCli({"import", log, file, "--format"}).status, 2);
  EXPECT_EQ(RunCli({"export", log, "out.csv"}).status, 2);
  EXPECT_EQ(RunCli({"export", log, "out.csv", "--format", "pdf"}).status, 2);
  EXPECT_EQ(RunCli({"import", log, file, "--format", "foreflight"}).status, 1);
  EXPECT_FALSE(fs::exists(log));
}

}  // namespace
