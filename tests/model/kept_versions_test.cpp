// Earlier versions kept by saves, and recovery snapshots left by crashes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "model/backup_store.h"
#include "model/document_file.h"
#include "model/recovery_store.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

using aerodex::CBackupStore;

namespace {

constexpr std::time_t kDay = 24 * 3600;

std::size_t CountKept(const std::vector<std::time_t>& times, std::time_t now) {
  const auto keep = aerodex::VersionsToKeep(times, now);
  return static_cast<std::size_t>(std::count(keep.begin(), keep.end(), true));
}

}  // namespace

TEST(KeptVersionsTest, TenNewestAndOnePerDayForAMonth) {
  const std::time_t now = 1'800'000'000;
  std::vector<std::time_t> sameHour, twoMonths;
  for (int i = 0; i < 25; ++i) sameHour.push_back(now - i * 60);
  EXPECT_EQ(CountKept(sameHour, now), 10u);
  // Three saves a day for 60 days: ten newest, then the newest of each of the
  // 30 days (the first 4 days are among the ten already).
  for (int day = 0; day < 60; ++day) {
    for (int save = 0; save < 3; ++save) twoMonths.push_back(now - day * kDay - save * 3600 - 1);
  }
  const auto keep = aerodex::VersionsToKeep(twoMonths, now);
  EXPECT_TRUE(keep.front());
  EXPECT_FALSE(keep.back());
  EXPECT_EQ(CountKept(twoMonths, now), 10u + 30u - 4u);
  // The last version is never lost, however old.
  EXPECT_EQ(CountKept({now - 400 * kDay}, now), 1u);
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
    ASSERT_TRUE(writer.Write("bytes", "/logs/log.adx", base).ok);
    EXPECT_TRUE(store.FindOrphans().empty());  // this process is alive
    // What a writer that was killed leaves behind.
    const std::string dead = dir / ("recovery/" + std::to_string(EndedProcessId()) + "-1-1");
    std::filesystem::copy_file(writer.BytesPath(), dead + ".adx");
    std::filesystem::path info = writer.BytesPath();
    std::filesystem::copy_file(info.replace_extension(".info"), dead + ".info");
    const auto orphans = store.FindOrphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].logPath, "/logs/log.adx");
    EXPECT_EQ(orphans[0].base, base);
    EXPECT_EQ(Slurp(orphans[0].bytesPath), "bytes");
    aerodex::CRecoveryStore::Discard(orphans[0]);
  }
  EXPECT_TRUE(dir.Names() == std::vector<std::string>{"recovery"});
  EXPECT_TRUE(std::filesystem::is_empty(dir / "recovery"));  // a normal end removes it
}
