// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening files the careful way: links followed, permissions
// kept, read-only logs refused, long names, planted links, stale
// temporaries, files that are not logs refused at once, and the system's
// answers about names and processes taken from the file environment.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/atomic_write.h"
#include "files/file_env.h"
#include "files/file_paths.h"
#include "files/log_lock.h"
#include "support/scratch_folder.h"

using aerodex::WriteFileAtomically;

TEST(CarefulFilesTest, SavingThroughALinkWritesItsTargetAndKeepsTheLink) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir / "synced");
  Spit(dir / "synced/log.adx", "old");
  ::chmod((dir / "synced/log.adx").c_str(), 0640);
  std::filesystem::create_symlink("synced/log.adx", dir / "log.adx");

  ASSERT_TRUE(WriteFileAtomically(dir / "log.adx", "new").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "log.adx"));
  EXPECT_EQ(Slurp(dir / "synced/log.adx"), "new");
  struct stat info {};
  ::stat((dir / "synced/log.adx").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // A dangling link gets its target created.
  std::filesystem::create_symlink("synced/later.adx", dir / "later.adx");
  ASSERT_TRUE(WriteFileAtomically(dir / "later.adx", "first").ok);
  EXPECT_EQ(Slurp(dir / "synced/later.adx"), "first");
}

TEST(CarefulFilesTest, AReadOnlyLogIsRefusedWithItsReason) {
  ScratchFolder dir;
  Spit(dir / "log.adx", "kept");
  ::chmod((dir / "log.adx").c_str(), 0444);
  const auto result = WriteFileAtomically(dir / "log.adx", "lost");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "The file is read-only.");
  EXPECT_EQ(Slurp(dir / "log.adx"), "kept");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"log.adx"});
}

TEST(CarefulFilesTest, ALongNameIsSavedAndItsTemporaryFits) {
  ScratchFolder dir;
  const std::string name = std::string(246, 'n') + ".adx";  // 250 characters
  ASSERT_TRUE(WriteFileAtomically(dir / name, "one").ok);
  ASSERT_TRUE(WriteFileAtomically(dir / name, "two").ok);
  EXPECT_EQ(Slurp(dir / name), "two");
  EXPECT_LE(aerodex::TemporaryPrefix(dir / name).size() + 20, 255u);
}

TEST(CarefulFilesTest, LinksPlantedAtTemporaryNamesAreNotFollowed) {
  ScratchFolder dir;
  Spit(dir / "log.adx", "old");
  Spit(dir / "victim", "untouched");
  // The name the older saves used, predictable from the process id.
  std::filesystem::create_symlink(dir / "victim",
                                  dir / ("log.adx.saving-" + std::to_string(::getpid())));
  ASSERT_TRUE(WriteFileAtomically(dir / "log.adx", "new").ok);
  EXPECT_EQ(Slurp(dir / "victim"), "untouched");
  EXPECT_EQ(Slurp(dir / "log.adx"), "new");
}

TEST(CarefulFilesTest, TemporariesOfEndedProcessesAreRemovedOthersKept) {
  ScratchFolder dir;
  const std::string log = dir / "log.adx";
  const std::string dead = std::to_string(EndedProcessId());
  const std::string prefix = aerodex::TemporaryPrefix(log);
  Spit(dir / (prefix + dead + "-0badf00d"), "half");
  Spit(dir / ("log.adx.saving-" + dead), "half, older kind");
  Spit(dir / (prefix + "1-0badf00d"), "init is alive");
  Spit(dir / "log.adx.saving-notes", "not ours");
  ASSERT_TRUE(WriteFileAtomically(log, "new").ok);
  EXPECT_EQ(dir.Names(),
            (std::vector<std::string>{prefix + "1-0badf00d", "log.adx", "log.adx.saving-notes"}));
}

TEST(CarefulFilesTest, OnlyRegularFilesAreRead) {
  ScratchFolder dir;
  ASSERT_EQ(::mkfifo((dir / "pipe.adx").c_str(), 0644), 0);
  std::string bytes;
  // Would wait for a writer for ever if opened the ordinary way.
  EXPECT_EQ(aerodex::ReadWholeFile(dir / "pipe.adx", bytes).message, "It is not a regular file.");
  EXPECT_EQ(aerodex::ReadWholeFile("/dev/null", bytes).message, "It is not a regular file.");
  EXPECT_EQ(aerodex::ReadWholeFile(dir.Path().string(), bytes).message, "Is a directory.");
  EXPECT_FALSE(WriteFileAtomically(dir / "pipe.adx", "x").ok);
}

// Short names, no process alive but this one, another working folder.
class ElsewhereEnv final : public aerodex::CFileEnv {
 public:
  long NameMax(const std::string&) override { return 40; }
  int Kill(pid_t pid, int) override {
    if (pid == ::getpid()) return 0;
    errno = ESRCH;
    return -1;
  }
  int CurrentFolder(std::string& folder) override {
    folder = cwd;
    return 0;
  }
  std::string cwd;
};

TEST(CarefulFilesTest, NamesWorkingFolderAndLivenessComeFromTheEnvironment) {
  ScratchFolder dir;
  ElsewhereEnv env;
  env.cwd = dir.Path().string();
  const std::string log = std::string(60, 'n') + ".adx";
  EXPECT_EQ(aerodex::AbsolutePath(log, env), dir / log);
  const std::string lockPath = aerodex::CLogLock::LockPathFor(log, env);
  EXPECT_EQ(aerodex::FolderOf(lockPath), dir.Path().string());
  EXPECT_LE(aerodex::NameOf(lockPath).size(), 40u);
  // init has "ended" here, so its temporary is tidied away.
  const std::string prefix = aerodex::TemporaryPrefix(dir / "log.adx", env);
  Spit(dir / (prefix + "1-0badf00d"), "half");
  aerodex::RemoveStaleTemporaries(dir / "log.adx", env);
  EXPECT_TRUE(dir.Names().empty());
}
