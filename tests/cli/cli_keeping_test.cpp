// SPDX-License-Identifier: GPL-3.0-or-later
// aerodex-cli's import with each step of reading and keeping the log failing
// in turn: the log is the old one byte for byte or the whole new one, a
// failure names its reason and nothing stray is left.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "model/document_archive.h"
#include "model/document_file.h"
#include "support/faulty_env.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const char* kTextLog =
    "2\n^Jane Doe^\n^12 Main St^\n1 2 3\n"
    "^N1234X^\n14 6 1996\n^AAA^\n^BBB^\n^AAA BBB^\n2 0 1.5 0 0 0 1.5 1.5 0 0 0\n"
    "0 0 0 0 0 0 0\n^pattern work^\n"
    "^N77Z^\n1 3 1995\n^CCC^\n^DDD^\n^^\n1 0 1.0 0 0 0 1.0 1.0 0 0 0\n0 0 0 0 0 0 0\n^^\n";

TEST(CliKeepingTest, AnImportFailingAtAnyStepWritesTheWholeLogOrNothing) {
  ScratchFolder dir;
  FaultyEnv env;
  const aerodex::cli::LogKeeping keeping{&env, {dir / "backups", dir / "recovery"}};
  const std::string log = dir / "log.adx";
  const std::string source = dir / "old.aerodex";
  Spit(source, kTextLog);
  CAerodexDoc doc;
  doc.OnNewDocument();
  for (int i = 0; i < 5; ++i) doc.AppendEntry(MakeFlight(2024, 3, 1 + i, i));
  const std::string oldBytes = aerodex::SaveDocument(doc);
  const std::vector<std::string> args{log, source};

  SweepFaults(env, [&](Kind kind, int nth) {
    fs::remove_all(dir / "backups");
    Spit(log, oldBytes);
    ::testing::internal::CaptureStderr();
    env.Arm(kind, nth);
    const int status = aerodex::cli::RunImport(args, stdout, keeping);
    env.Disarm();
    const std::string err = ::testing::internal::GetCapturedStderr();
    if (status == aerodex::cli::kOk) {
      CAerodexDoc saved;
      ASSERT_TRUE(aerodex::LoadDocumentBytes(saved, Slurp(log)).ok);
      EXPECT_EQ(saved.EntryCount(), 7u);
    } else {
      EXPECT_EQ(Slurp(log), oldBytes);
      // A source that cannot be read is named with no reason; every other step says why.
      if (kind != Kind::kRead) {
        EXPECT_NE(ErrorNamedIn(err), 0) << err;
      }
    }
    for (const auto& item : fs::recursive_directory_iterator(dir.Path())) {
      const std::string name = item.path().filename().string();
      EXPECT_EQ(name.find(".saving-"), std::string::npos) << item.path();
      EXPECT_FALSE(name.ends_with(".lock")) << item.path();
    }
  });
}

}  // namespace
