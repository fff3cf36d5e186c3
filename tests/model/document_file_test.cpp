// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/document_archive.h"
#include "support/log_builders.h"
#include "support/recording_port.h"

namespace fs = std::filesystem;
using aerodex::CFileEnv;

namespace {

// Fails the Nth call of one operation, the way a full disk or a yanked
// medium would.
class FaultyFiles : public CFileEnv {
 public:
  enum class Op { kWrite, kFsync, kClose, kRename, kOpen };
  FaultyFiles(Op op, int nth) : op_(op), nth_(nth) {}

  int Open(const std::string& path, int flags, mode_t mode) override {
    return Fail(Op::kOpen) ? -1 : CFileEnv::Open(path, flags, mode);
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    // Short writes first, so the retry loop is exercised too.
    return Fail(Op::kWrite) ? -1 : CFileEnv::Write(fd, data, size > 7 ? 7 : size);
  }
  int Fsync(int fd) override { return Fail(Op::kFsync) ? -1 : CFileEnv::Fsync(fd); }
  int Close(int fd) override {
    const int result = CFileEnv::Close(fd);
    return Fail(Op::kClose) ? -1 : result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return Fail(Op::kRename) ? -1 : CFileEnv::Rename(from, to);
  }

 private:
  bool Fail(Op op) {
    if (op != op_) return false;
    if (--nth_ != 0) return false;
    errno = ENOSPC;
    return true;
  }
  Op op_;
  int nth_;
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DocumentFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    dir = fs::temp_directory_path() /
          ("aerodex-file-test-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (int i = 0; i < 40; ++i) doc.AppendEntry(MakeFlight(2024, 1, 1 + i % 28, i));
  }
  void TearDown() override { fs::remove_all(dir); }

  bool OnlyTheLogIsInTheFolder() const {
    int count = 0;
    for ([[maybe_unused]] const auto& item : fs::directory_iterator(dir)) ++count;
    return count == 1;
  }

  RecordingPromptPort port;
  CAerodexDoc doc{&port};
  fs::path dir;
};

}  // namespace

TEST_F(DocumentFileTest, SavesAndOpensThroughTheFileSystem) {
  const std::string path = (dir / "log.adx").string();
  ASSERT_TRUE(aerodex::SaveDocumentFile(doc, path).ok);
  CAerodexDoc loaded(&port);
  const auto result = aerodex::OpenDocumentFile(loaded, path);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(loaded.EntryCount(), 40u);
  EXPECT_TRUE(OnlyTheLogIsInTheFolder());
}

TEST_F(DocumentFileTest, AnyFailingStepLeavesTheOldFileAndNoTemporary) {
  const std::string path = (dir / "log.adx").string();
  ASSERT_TRUE(aerodex::SaveDocumentFile(doc, path).ok);
  const std::string before = Slurp(path);
  doc.AppendEntry(MakeFlight(2025, 6, 6));

  using Op = FaultyFiles::Op;
  const std::pair<Op, int> faults[] = {{Op::kOpen, 1},    {Op::kWrite, 1}, {Op::kWrite, 3},
                                       {Op::kWrite, 200}, {Op::kFsync, 1}, {Op::kClose, 1},
                                       {Op::kRename, 1}};
  for (auto [op, nth] : faults) {
    FaultyFiles files(op, nth);
    const auto result = aerodex::SaveDocumentFile(doc, path, {&files});
    EXPECT_FALSE(result.ok) << static_cast<int>(op) << " #" << nth;
    EXPECT_EQ(result.message, "Failed to save document. No space left on device.");
    EXPECT_EQ(Slurp(path), before);
    EXPECT_TRUE(OnlyTheLogIsInTheFolder());
  }
}

TEST_F(DocumentFileTest, ATooLargeLogIsRefusedAndNothingIsWritten) {
  const std::string path = (dir / "big.adx").string();
  while (doc.EntryCount() <= aerodex::kMaxRecordCount) {
    doc.AppendEntry(std::make_unique<CAerodexEntry>());
  }
  const auto result = aerodex::SaveDocumentFile(doc, path);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("65535"), std::string::npos);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(DocumentFileTest, OpenReportsTheFrameworkMessagesWithTheirReasons) {
  CAerodexDoc loaded(&port);
  EXPECT_EQ(aerodex::OpenDocumentFile(loaded, (dir / "missing.adx").string()).message,
            "Failed to open document. No such file or directory.");
  EXPECT_EQ(aerodex::OpenDocumentFile(loaded, dir.string()).message,
            "Failed to open document. Is a directory.");
  const std::string truncated = (dir / "short.adx").string();
  std::ofstream(truncated, std::ios::binary) << std::string(20, '\0');
  EXPECT_EQ(aerodex::OpenDocumentFile(loaded, truncated).message, "Unexpected file format.");
  const std::string empty = (dir / "empty.adx").string();
  std::ofstream(empty, std::ios::binary).flush();
  EXPECT_TRUE(aerodex::OpenDocumentFile(loaded, empty).ok);
  EXPECT_EQ(loaded.EntryCount(), 0u);
}
