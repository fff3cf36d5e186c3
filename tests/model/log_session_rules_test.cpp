// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of keeping a log, asked of the session alone: who is asked what
// and when (a file changed elsewhere, another holder, a lock that cannot be
// made), what a failed open or save leaves, and what becomes of the work a
// crash left behind. The window's own texts and captions are tested with it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "files/file_result.h"
#include "files/log_lock.h"
#include "model/document_archive.h"
#include "model/document_file.h"
#include "model/log_session.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using aerodex::CLogLock;
using aerodex::CLogSession;
using aerodex::FileCode;
using aerodex::FileResult;

// Answers as scripted and remembers what it was asked.
class CountingPort final : public aerodex::CSessionPort {
 public:
  bool ProceedDespiteHolder(const std::string&, const aerodex::LockHolder& holder,
                            bool saving) override {
    holders.push_back(holder.process.pid);
    savingAsked = saving;
    return despiteHolder;
  }
  bool ProceedUnlocked(const std::string&, const FileResult& why) override {
    unlockedReasons.push_back(why.message);
    return true;
  }
  bool OverwriteChanged(const std::string&) override {
    ++overwriteQuestions;
    return overwrite;
  }
  bool despiteHolder = false;
  bool overwrite = false;
  std::vector<pid_t> holders;
  bool savingAsked = false;
  std::vector<std::string> unlockedReasons;
  int overwriteQuestions = 0;
};

class LogSessionRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir / "logs");
    Spit(log, LogOf(3));
  }

  static std::string LogOf(int flights) {
    CAerodexDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < flights; ++i) doc.AppendEntry(MakeFlight(2024, 3, 1 + i, i));
    return aerodex::SaveDocument(doc);
  }

  std::unique_ptr<CLogSession> SessionOn(CAerodexDoc& doc) {
    return std::make_unique<CLogSession>(doc, port, aerodex::DefaultFileEnv(), folders);
  }

  static std::size_t FlightsIn(const std::string& path) {
    CAerodexDoc doc;
    return aerodex::LoadDocumentBytes(doc, Slurp(path)).ok ? doc.EntryCount() : 0;
  }

  ScratchFolder dir;
  std::string log = dir / "logs/log.adx";
  aerodex::SessionFolders folders{dir / "backups", dir / "recovery"};
  CountingPort port;
  CAerodexDoc doc;
};

TEST_F(LogSessionRulesTest, AFileChangedElsewhereIsAskedAboutOnceThenSavedOver) {
  auto session = SessionOn(doc);
  ASSERT_TRUE(session->Open(log).ok);
  Spit(log, LogOf(5));  // another program saves it
  EXPECT_TRUE(session->FileChanged());
  doc.AppendEntry(MakeFlight(2025, 1, 1));

  EXPECT_EQ(session->Save().code, FileCode::kChangedOnDisk);
  EXPECT_EQ(FlightsIn(log), 5u);
  EXPECT_TRUE(doc.IsModified());

  port.overwrite = true;
  ASSERT_TRUE(session->Save().ok);
  EXPECT_EQ(FlightsIn(log), 4u);
  // Saved here: the file is the session's again and the next save asks nothing.
  EXPECT_FALSE(session->FileChanged());
  doc.AppendEntry(MakeFlight(2025, 1, 2));
  EXPECT_TRUE(session->Save().ok);
  EXPECT_EQ(port.overwriteQuestions, 2);
  // The version each save replaced is kept: the other program's among them.
  EXPECT_EQ(session->Backups().List(log).size(), 2u);

  // A reload takes the file as it is now.
  Spit(log, LogOf(1));
  ASSERT_TRUE(session->Reload().ok);
  EXPECT_EQ(doc.EntryCount(), 1u);
  EXPECT_TRUE(session->HoldsLock());
}

TEST_F(LogSessionRulesTest, ASecondSessionGoesOnUnlockedOnlyOnTheWordOfThePort) {
  CAerodexDoc second;
  auto holder = SessionOn(doc);
  ASSERT_TRUE(holder->Open(log).ok);
  auto other = SessionOn(second);
  EXPECT_EQ(other->Open(log).code, FileCode::kLockedByAnother);

  port.despiteHolder = true;
  ASSERT_TRUE(other->Open(log).ok);
  EXPECT_EQ(port.holders, (std::vector<pid_t>{::getpid(), ::getpid()}));
  EXPECT_FALSE(port.savingAsked);
  EXPECT_FALSE(other->HoldsLock());
  EXPECT_EQ(second.EntryCount(), 3u);
  // Saving an untitled log over it asks as a save, and a no writes nothing.
  CAerodexDoc untitled;
  untitled.OnNewDocument();
  auto third = SessionOn(untitled);
  port.despiteHolder = false;
  EXPECT_EQ(third->SaveAs(dir / "logs/../logs/log.adx").code, FileCode::kLockedByAnother);
  EXPECT_TRUE(port.savingAsked);
  EXPECT_EQ(FlightsIn(log), 3u);
  // The holder keeps its lock throughout.
  other.reset();
  third.reset();
  EXPECT_TRUE(holder->HoldsLock());
  EXPECT_TRUE(fs::exists(CLogLock::LockPathFor(log)));
}

TEST_F(LogSessionRulesTest, ALockLeftByAnEndedProcessIsTakenOverWithoutAsking) {
  const std::string lockPath = CLogLock::LockPathFor(log);
  Spit(lockPath, "aerodex lock\nuser=pilot\npid=" + std::to_string(EndedProcessId()));
  auto session = SessionOn(doc);
  ASSERT_TRUE(session->Open(log).ok);
  EXPECT_TRUE(port.holders.empty());
  EXPECT_TRUE(session->HoldsLock());
  session->Close();
  EXPECT_FALSE(session->HoldsLock());
  EXPECT_FALSE(fs::exists(lockPath));
}

TEST_F(LogSessionRulesTest, ALockThatCannotBeMadeIsReportedAndTheLogOpensUnlocked) {
  fs::create_directory(CLogLock::LockPathFor(log));
  auto session = SessionOn(doc);
  ASSERT_TRUE(session->Open(log).ok);
  ASSERT_EQ(port.unlockedReasons.size(), 1u);
  EXPECT_NE(port.unlockedReasons[0].find("is a folder."), std::string::npos);
  EXPECT_FALSE(session->HoldsLock());
  ASSERT_NE(session->Lock(), nullptr);
  EXPECT_FALSE(session->Lock()->Problem().empty());
  // Still saved, and locked as soon as the lock can be made.
  fs::remove(CLogLock::LockPathFor(log));
  doc.AppendEntry(MakeFlight(2025, 1, 1));
  ASSERT_TRUE(session->Save().ok);
  EXPECT_TRUE(session->HoldsLock());
}

TEST_F(LogSessionRulesTest, WhatCannotBeOpenedSaysWhyAndLeavesTheLogItHad) {
  auto session = SessionOn(doc);
  ASSERT_TRUE(session->Open(log).ok);
  doc.AppendEntry(MakeFlight(2025, 1, 1));

  const std::string pipe = dir / "logs/x.adx";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  const FileResult piped = session->Open(pipe);
  EXPECT_EQ(piped.code, FileCode::kNotRegularFile);
  EXPECT_EQ(piped.message, "Failed to open document. It is not a regular file.");
  const FileResult missing = session->Open(dir / "logs/missing.adx");
  EXPECT_EQ(missing.code, FileCode::kNotFound);
  EXPECT_FALSE(session->DocumentLost());
  EXPECT_EQ(session->Path(), log);
  EXPECT_TRUE(session->HoldsLock());
  EXPECT_EQ(doc.EntryCount(), 4u);
  EXPECT_TRUE(doc.IsModified());

  // A damaged file is read, so the document is lost; the file stays the session's.
  const std::string damaged = dir / "logs/damaged.adx";
  const std::string bytes = LogOf(4);
  Spit(damaged, bytes.substr(0, bytes.size() - 30));
  EXPECT_FALSE(session->Open(damaged).ok);
  EXPECT_TRUE(session->DocumentLost());
  EXPECT_EQ(session->Path(), log);
  EXPECT_EQ(Slurp(damaged), bytes.substr(0, bytes.size() - 30));
}

TEST_F(LogSessionRulesTest, WhatCannotBeSavedSaysWhyAndKeepsTheWork) {
  auto session = SessionOn(doc);
  ASSERT_TRUE(session->Open(log).ok);
  doc.AppendEntry(MakeFlight(2025, 1, 1));

  ASSERT_EQ(::chmod(log.c_str(), 0444), 0);
  const FileResult readOnly = session->Save();
  EXPECT_EQ(readOnly.code, FileCode::kReadOnly);
  EXPECT_EQ(readOnly.message, "Failed to save document. The file is read-only.");
  EXPECT_EQ(FlightsIn(log), 3u);

  const FileResult nowhere = session->SaveAs(dir / "no/such/folder/log.adx");
  EXPECT_EQ(nowhere.code, FileCode::kNotFound);
  EXPECT_EQ(nowhere.message, "Failed to save document. No such file or directory.");
  EXPECT_EQ(session->Path(), log);
  EXPECT_TRUE(session->HoldsLock());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(fs::exists(dir / "no"));
}

// The snapshot a killed window left, holding the given bytes, of work begun
// on the log as it is now.
aerodex::RecoverySnapshot LeftByACrash(const std::string& folder, const std::string& name,
                                       const std::string& log, const std::string& bytes) {
  fs::create_directories(folder);
  aerodex::RecoverySnapshot snapshot;
  snapshot.bytesPath = folder + '/' + name + ".adx";
  snapshot.infoPath = folder + '/' + name + ".info";
  snapshot.logPath = log;
  snapshot.base = aerodex::StampOf(log);
  snapshot.baseHash = aerodex::ContentHash(Slurp(log));
  Spit(snapshot.bytesPath, bytes);
  Spit(snapshot.infoPath, "info");
  return snapshot;
}

TEST_F(LogSessionRulesTest, WorkLeftByACrashHasLeftItsBaseOnlyWhenTheContentChanged) {
  auto snapshot = LeftByACrash(folders.recovery, "a", log, LogOf(4));
  const std::string same = Slurp(log);
  aerodex::FileStamp touched = snapshot.base;
  touched.mtimeNanoseconds += 1;  // a touch, or the same bytes saved again
  EXPECT_FALSE(aerodex::LeftItsBase(snapshot, same, touched));
  EXPECT_TRUE(aerodex::LeftItsBase(snapshot, LogOf(6), snapshot.base));
  // Snapshots from before the hash was recorded can only go by the stamp.
  snapshot.baseHash.clear();
  EXPECT_TRUE(aerodex::LeftItsBase(snapshot, same, touched));
  EXPECT_FALSE(aerodex::LeftItsBase(snapshot, same, snapshot.base));
}

TEST_F(LogSessionRulesTest, TwoSnapshotsOfTheSameWorkAreFiledAwayOnce) {
  const auto first = LeftByACrash(folders.recovery, "1-1-1", log, LogOf(4));
  const auto twin = LeftByACrash(folders.recovery, "2-1-1", log, LogOf(4));
  auto session = SessionOn(doc);
  EXPECT_TRUE(session->FileAway(first).ok);
  EXPECT_TRUE(session->FileAway(twin).ok);
  EXPECT_TRUE(fs::is_empty(folders.recovery));
  const auto kept = session->Backups().List(log);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(FlightsIn(kept[0].path), 4u);
}

TEST_F(LogSessionRulesTest, ADamagedSnapshotIsRefusedAndTheOpenLogStays) {
  auto session = SessionOn(doc);
  ASSERT_TRUE(session->Open(log).ok);
  const auto snapshot =
      LeftByACrash(folders.recovery, "1-1-1", dir / "logs/other.adx", "\x05garbage");
  const FileResult recovered = session->Recover(snapshot);
  EXPECT_EQ(recovered.code, FileCode::kBadFormat);
  EXPECT_EQ(session->Path(), log);
  EXPECT_EQ(doc.EntryCount(), 3u);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(fs::exists(snapshot.bytesPath));  // kept, to be filed away by the caller
}

}  // namespace
