// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sample_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/document_file.h"

namespace fs = std::filesystem;

namespace {
std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

TEST(SampleLog, TheBundledFileIsWhatTheGeneratorMakes) {
  const char* source = AERODEX_SOURCE_DIR;
  const fs::path out = fs::temp_directory_path() / ("aerodex-sample-" + std::to_string(::getpid()));
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildSampleLog(doc);
  ASSERT_TRUE(aerodex::SaveDocumentFile(doc, out.string()).ok);
  EXPECT_EQ(Slurp(out), Slurp(fs::path(source) / "examples" / "sample.adx"));
  fs::remove(out);
  EXPECT_GE(doc.EntryCount(), 190u);
  EXPECT_LE(doc.EntryCount(), 210u);
  EXPECT_GE(doc.Entry(doc.EntryCount() - 1).year - doc.Entry(0).year, 3);
}
