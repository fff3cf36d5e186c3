// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/logbook_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/log_builders.h"
#include "support/scripted_port.h"

namespace fs = std::filesystem;

namespace aerodex::import {
namespace {

// Plays the user of the file dialogs and the preview.
class FakeLogbookPort : public CLogbookPort {
 public:
  bool ChooseLogbookFile(std::string& path) override {
    path = file;
    return !file.empty();
  }
  bool ShowImportPreview(CImportPlan& plan, CImportOptions& options,
                         const Replan& replan) override {
    ++previews;
    if (remap) {
      options.map = *remap;
      plan = replan(options);
    }
    shown = plan;
    return import;
  }
  void ShowPlanningProgress(std::size_t done, std::size_t all) override {
    progress.emplace_back(done, all);
  }
  bool ChooseExportFile(std::string& path, ExportFormat& format) override {
    path = file;
    format = ExportFormat::kMyFlightbook;
    return !file.empty();
  }

  std::string file;
  bool import = true;
  std::optional<std::vector<std::pair<std::string, Meaning>>> remap;
  int previews = 0;
  CImportPlan shown;
  std::vector<std::pair<std::size_t, std::size_t>> progress;
};

class LogbookCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("aerodex-logbook-commands-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    doc.OnNewDocument();
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  fs::path dir;
  CAerodexDoc doc;
  ScriptedPort port;
  FakeLogbookPort logbook;
};

TEST_F(LogbookCommandsTest, PreviewedColumnChoiceIsWhatComesIn) {
  logbook.file = Write("odd.csv", "When,Plane,Hours\n2024-01-01,N1,1.0\n");
  logbook.remap = {
      {{"When", Meaning::kDate}, {"Plane", Meaning::kTail}, {"Hours", Meaning::kTotal}}};
  OnImportFromLogbook(doc, port, logbook);
  EXPECT_EQ(logbook.previews, 1);
  ASSERT_EQ(doc.EntryCount(), 1u);
  EXPECT_EQ(doc.Entry(0).nNumber, "1");
  ASSERT_EQ(port.importReports.size(), 1u);
  EXPECT_NE(port.importReports[0].find("Flights added to the log: 1\n"), std::string::npos);
}

TEST_F(LogbookCommandsTest, PlanningOfALongFileReportsItsProgress) {
  std::string text = "Date,Tail,Total\n";
  for (int i = 0; i < 2500; ++i) text += "2024-01-01,N1,1.0\n";
  logbook.file = Write("long.csv", text);
  logbook.import = false;
  OnImportFromLogbook(doc, port, logbook);
  using Step = std::pair<std::size_t, std::size_t>;
  EXPECT_EQ(logbook.progress,
            (std::vector<Step>{{0, 2500}, {1000, 2500}, {2000, 2500}, {2500, 2500}}));
}

TEST_F(LogbookCommandsTest, CancelledPreviewOrDialogChangesNothing) {
  logbook.file = Write("f.csv", "Date,Tail,Total\n2024-01-01,N1,1.0\n");
  logbook.import = false;
  OnImportFromLogbook(doc, port, logbook);
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(port.importReports.empty());
  logbook.file.clear();
  OnImportFromLogbook(doc, port, logbook);
  EXPECT_EQ(logbook.previews, 1);
}

TEST_F(LogbookCommandsTest, OlderTextLogGoesThroughItsOwnImport) {
  logbook.file = Write("old.txt",
                       "1\n^Jane^\n^Main St^\n1 2 3\n^N1234X^\n14 6 1996\n^AAA^\n^BBB^\n^^\n"
                       "1 0 1.2 0 0 0 1.2 1.2 0 0 0\n0 0 0 0 0 0 0\n^x^\n");
  OnImportFromLogbook(doc, port, logbook);
  EXPECT_EQ(logbook.previews, 0);
  EXPECT_EQ(doc.EntryCount(), 1u);
  EXPECT_NE(port.importReports.at(0).find("Records read: 1 (as the header says)"),
            std::string::npos);
}

TEST_F(LogbookCommandsTest, ExportWritesTheChosenFormatAndSaysWhenItCannot) {
  doc.AppendEntry(MakeFlight(2024, 1, 2));
  doc.SortEntries();
  logbook.file = (dir / "out.csv").string();
  OnExportToLogbook(doc, port, logbook);
  std::ifstream in(logbook.file);
  std::string header;
  std::getline(in, header);
  EXPECT_TRUE(header.starts_with("Date,Flight ID,Model")) << header;
  logbook.file = (dir / "none" / "out.csv").string();
  OnExportToLogbook(doc, port, logbook);
  ASSERT_EQ(port.transcript.size(), 1u);
  EXPECT_TRUE(port.transcript[0].starts_with("error: Failed to write ")) << port.transcript[0];
}

}  // namespace
}  // namespace aerodex::import
