// SPDX-License-Identifier: GPL-3.0-or-later
// Earlier versions kept by saves, and recovery snapshots left by crashes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/backup_store.h"
#include "files/recovery_store.h"
#include "model/document_file.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

using aerodex::CBackupStore;

namespace {

constexpr std::time_t kDay = 24 * 3600;

std::size_t CountKept(const std::vector<std::time_t>& times) {
  const auto keep = aerodex::VersionsToKeep(times);
  return static_cast<std::size_t>(std::count(keep.begin(), keep.end(), true));
}

}  // namespace

TEST(KeptVersionsTest, TenNewestAndOnePerDayForAMonth) {
  const std::time_t now = 1'800'000'000;
  std::vector<std::time_t> sameHour, twoMonths;
  for (int i = 0; i < 25; ++i) sameHour.push_back(now - i * 60);
  EXPECT_EQ(CountKept(sameHour), 10u);
  // Three saves a day for 60 days: ten newest, then the newest of each of the
  // 30 days (the first 4 days are among the ten already).
  for (int day = 0; day < 60; ++day) {
    for (int save = 0; save < 3; ++save) twoMonths.push_back(now - day * kDay - save * 3600 - 1);
  }
  const auto keep = aerodex::VersionsToKeep(twoMonths);
  EXPECT_TRUE(keep.front());
  EXPECT_FALSE(keep.back());
  EXPECT_EQ(CountKept(twoMonths), 10u + 30u - 4u);
  // The last version is never lost, however old.
  EXPECT_EQ(CountKept({now - 400 * kDay}), 1u);
}

TEST(KeptVersionsTest, EachSaveKeepsTheVersionItReplaces) {
  ScratchFolder dir;
  const CBackupStore store(dir / "backups");
  const std::string log = dir / "log.adx";
  aerodex::SaveOptions options;
  options.backups = &store;
  std::vector<std::string> written;
  for (int flights = 0; flights < 13; ++flights) {
    CAerodexDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < flights; ++i) doc.AppendEntry(MakeFlight(2024, 1, 1 + i));
    const auto saved = aerodex::SaveDocumentFile(doc, log, options);
    ASSERT_TRUE(saved.ok && saved.backupProblem.empty()) << saved.message << saved.backupProblem;
    written.push_back(Slurp(log));
  }
  const auto versions = store.List(log);
  ASSERT_EQ(versions.size(), 10u);  // all from today: the ten newest
  EXPECT_EQ(Slurp(versions[0].path), written[11]);
  EXPECT_EQ(Slurp(versions[9].path), written[2]);
  // Two logs of the same name in different folders never share versions.
  EXPECT_NE(store.FolderFor(log), store.FolderFor(dir / "other/log.adx"));
}

TEST(KeptVersionsTest, AFailingBackupIsReportedButNeverBlocksTheSave) {
  ScratchFolder dir;
  Spit(dir / "not-a-folder", "");
  const CBackupStore store(dir / "not-a-folder/backups");
  const std::string log = dir / "log.adx";
  Spit(log, "old");
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::SaveOptions options;
  options.backups = &store;
  const auto saved = aerodex::SaveDocumentFile(doc, log, options);
  EXPECT_TRUE(saved.ok);
  EXPECT_NE(saved.backupProblem.find("could not be kept"), std::string::npos);
  EXPECT_NE(Slurp(log), "old");
}

TEST(RecoveryStoreTest, SnapshotsOfRunningWritersAreNotOrphans) {
  ScratchFolder dir;
  aerodex::CRecoveryStore store(dir / "recovery");
  {
    aerodex::CRecoveryWriter writer(store.Folder());
    aerodex::FileStamp base;
    base.exists = true;
    base.inode = 77;
    ASSERT_TRUE(writer.Write("bytes", "/logs/a\nlog.adx", base, "5-abc").ok);
    EXPECT_TRUE(store.FindOrphans().empty());  // this process is alive
    // What a writer that was killed leaves behind.
    const std::string dead = dir / ("recovery/" + std::to_string(EndedProcessId()) + "-1-1");
    std::filesystem::copy_file(writer.BytesPath(), dead + ".adx");
    std::filesystem::path info = writer.BytesPath();
    std::filesystem::copy_file(info.replace_extension(".info"), dead + ".info");
    const auto orphans = store.FindOrphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].logPath, "/logs/a\nlog.adx");  // any name comes back whole
    EXPECT_EQ(orphans[0].base, base);
    EXPECT_EQ(orphans[0].baseHash, "5-abc");
    EXPECT_EQ(Slurp(orphans[0].bytesPath), "bytes");
    store.Discard(orphans[0]);
  }
  EXPECT_TRUE(dir.Names() == std::vector<std::string>{"recovery"});
  EXPECT_TRUE(std::filesystem::is_empty(dir / "recovery"));  // a normal end removes it
}

namespace {

// Saves a log of `flights` flights at path as of `now`, keeping versions in store.
void SaveAt(const CBackupStore& store, const std::string& path, int flights, std::time_t now) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  for (int i = 0; i < flights; ++i) doc.AppendEntry(MakeFlight(2024, 1, 1 + i % 28, i));
  aerodex::SaveOptions options;
  options.backups = &store;
  options.now = now;
  const auto saved = aerodex::SaveDocumentFile(doc, path, options);
  ASSERT_TRUE(saved.ok && saved.backupProblem.empty()) << saved.message << saved.backupProblem;
}

}  // namespace

TEST(KeptVersionsTest, IdenticalSavesKeepNoNewVersionAndEvictNothing) {
  ScratchFolder dir;
  const CBackupStore store(dir / "backups");
  const std::string log = dir / "log.adx";
  const std::time_t now = 1'800'000'000;
  SaveAt(store, log, 1, now);
  const std::string beforeTheEdit = Slurp(log);
  for (int save = 0; save < 11; ++save) SaveAt(store, log, 2, now);  // one edit, eleven Ctrl+S
  const auto versions = store.List(log);
  ASSERT_EQ(versions.size(), 2u);
  EXPECT_EQ(Slurp(versions[1].path), beforeTheEdit);
  EXPECT_EQ(versions[0].sequence, versions[1].sequence + 1);
}

TEST(KeptVersionsTest, VersionsGoBySaveNotByTheFileOrTheClock) {
  ScratchFolder dir;
  const CBackupStore store(dir / "backups");
  const std::string log = dir / "log.adx";
  const std::time_t now = 1'800'000'000;
  // A log last changed years ago (copied with its times) keeps its version.
  SaveAt(store, log, 1, now);
  const struct timespec old[2] = {{1'500'000'000, 0}, {1'500'000'000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, log.c_str(), old, 0), 0);
  SaveAt(store, log, 2, now);
  ASSERT_EQ(store.List(log).size(), 1u);
  EXPECT_EQ(store.List(log)[0].time, now);
  // Six saves in one second: six versions, no name taken twice.
  for (int flights = 3; flights < 9; ++flights) SaveAt(store, log, flights, now);
  EXPECT_EQ(store.List(log).size(), 7u);
  // A save a day for 25 days, then the clock a year ahead, then back:
  // nothing beyond the ten newest and the thirty latest days goes.
  ScratchFolder other;
  const CBackupStore daily(other / "backups");
  const std::string second = other / "log.adx";
  for (int day = 0; day <= 25; ++day) SaveAt(daily, second, day, now + day * kDay);
  SaveAt(daily, second, 26, now + 400 * kDay);
  SaveAt(daily, second, 27, now - 100 * kDay);
  const auto versions = daily.List(second);
  EXPECT_EQ(versions.size(), 27u);
  EXPECT_EQ(versions[0].time, now - 100 * kDay);  // newest by save, whatever its date
}

TEST(KeptVersionsTest, EverySpellingOfThePathFindsTheSameVersions) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir / "logs/sub");
  std::filesystem::create_directory_symlink(dir / "logs", dir / "linked");
  const CBackupStore store(dir / "backups");
  const std::string folder = store.FolderFor(dir / "logs/log.adx");
  EXPECT_EQ(store.FolderFor(dir / "logs/sub/../log.adx"), folder);
  EXPECT_EQ(store.FolderFor(dir / "logs//./log.adx"), folder);
  EXPECT_EQ(store.FolderFor(dir / "linked/log.adx"), folder);
}

TEST(KeptVersionsTest, SnapshotsAndCopiesArePrivate) {
  ScratchFolder dir;
  const mode_t umask = ::umask(022);
  std::filesystem::create_directories(dir / "recovery");
  ::chmod((dir / "recovery").c_str(), 0755);  // left open by an earlier version
  aerodex::CRecoveryWriter writer(dir / "recovery");
  ASSERT_TRUE(writer.Write("bytes", "/logs/log.adx", {}, "").ok);
  struct stat info {};
  ASSERT_EQ(::stat((dir / "recovery").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat(writer.BytesPath().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  // Across file systems the version is a copy: private unless the log is more open.
  const std::string shm = "/dev/shm/aerodex-copy-test-" + std::to_string(::getpid());
  std::filesystem::remove_all(shm);
  struct stat here {
  }, there{};
  ::mkdir(shm.c_str(), 0700);
  if (::stat(dir.Path().c_str(), &here) == 0 && ::stat(shm.c_str(), &there) == 0 &&
      here.st_dev != there.st_dev) {
    const CBackupStore store(shm + "/backups");
    Spit(dir / "log.adx", "old");
    ::chmod((dir / "log.adx").c_str(), 0640);
    ASSERT_TRUE(store.Keep(dir / "log.adx", 1'800'000'000).ok);
    ASSERT_EQ(::stat(store.List(dir / "log.adx").at(0).path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
  }
  std::filesystem::remove_all(shm);
  ::umask(umask);
}
