// SPDX-License-Identifier: GPL-3.0-or-later
// Every step of keeping a log failing in turn: the 1st, 2nd, ... call of each
// kind fails until the operation no longer meets the failure, and after each
// the log on disk is the old or the new one byte for byte, a failure says
// why, nothing stray is left and the session can save again.
#include "model/log_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "files/file_result.h"
#include "model/document_archive.h"
#include "support/faulty_env.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using aerodex::FileCode;
using aerodex::FileResult;

class Answers final : public aerodex::CSessionPort {
 public:
  bool ProceedDespiteHolder(const std::string&, const aerodex::LockHolder&, bool) override {
    return false;
  }
  bool ProceedUnlocked(const std::string&, const FileResult&) override { return true; }
  bool OverwriteChanged(const std::string&) override { return false; }
  bool MayReplaceDocument() override { return replace; }
  bool replace = true;
};

class LogSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir / "logs");
    doc.OnNewDocument();
    for (int i = 0; i < 5; ++i) doc.AppendEntry(MakeFlight(2024, 3, 1 + i, i));
    oldBytes = aerodex::SaveDocument(doc);
    doc.AppendEntry(MakeFlight(2024, 4, 1, 9));
    newBytes = aerodex::SaveDocument(doc);
  }

  // A fresh log on disk, and a session that opened it and has one flight more.
  std::unique_ptr<aerodex::CLogSession> Reset(CAerodexDoc& work) {
    for (const char* folder : {"logs", "backups", "recovery"}) fs::remove_all(dir / folder);
    fs::create_directories(dir / "logs");
    Spit(log, oldBytes);
    auto session = std::make_unique<aerodex::CLogSession>(work, answers, env, folders);
    EXPECT_TRUE(session->Open(log).ok);
    work.AppendEntry(MakeFlight(2024, 4, 1, 9));
    return session;
  }

  void Sweep(const std::function<void(Kind, int)>& scenario) { SweepFaults(env, scenario); }

  // The outcome of an operation that failed or not, and what is on disk.
  void ExpectOldOrNew(const FileResult& result, const std::string& path) {
    const std::string onDisk = Slurp(path);
    if (result.ok) {
      EXPECT_EQ(onDisk, newBytes);
    } else {
      EXPECT_EQ(onDisk, oldBytes);
      EXPECT_NE(result.message.find(aerodex::ReasonFor(ErrorOf(result))), std::string::npos)
          << result.message;
    }
  }

  static int ErrorOf(const FileResult& result) { return ErrorNamedIn(result.message); }

  // Nothing but logs, locks held now, versions and snapshots anywhere.
  void ExpectNoStrays() {
    for (const auto& item : fs::recursive_directory_iterator(dir.Path())) {
      const std::string name = item.path().filename().string();
      EXPECT_EQ(name.find(".saving-"), std::string::npos) << item.path();
      if (name.ends_with(".lock")) ADD_FAILURE() << "lock left: " << item.path();
    }
    EXPECT_TRUE(!fs::exists(dir / "recovery") || fs::is_empty(dir / "recovery"));
  }

  ScratchFolder dir;
  std::string log = dir / "logs/log.adx";
  aerodex::SessionFolders folders{dir / "backups", dir / "recovery"};
  FaultyEnv env;
  Answers answers;
  CAerodexDoc doc;
  std::string oldBytes, newBytes;
};

TEST_F(LogSessionTest, ASaveFailingAtAnyStepKeepsTheOldLogAndSavesAgain) {
  Sweep([&](Kind kind, int nth) {
    CAerodexDoc work;
    auto session = Reset(work);
    env.Arm(kind, nth);
    const FileResult saved = session->Save();
    env.Disarm();
    ExpectOldOrNew(saved, log);
    EXPECT_EQ(work.IsModified(), !saved.ok);
    EXPECT_TRUE(session->Save().ok);  // the work is still there to save
    EXPECT_EQ(Slurp(log), newBytes);
    session->Close();
    ExpectNoStrays();
  });
}

TEST_F(LogSessionTest, ASaveAsFailingAtAnyStepKeepsTheLogItHad) {
  const std::string other = dir / "logs/other.adx";
  Sweep([&](Kind kind, int nth) {
    CAerodexDoc work;
    auto session = Reset(work);
    Spit(other, oldBytes);
    env.Arm(kind, nth);
    const FileResult saved = session->SaveAs(other);
    env.Disarm();
    ExpectOldOrNew(saved, other);
    EXPECT_EQ(Slurp(log), oldBytes);
    EXPECT_EQ(session->Path(), saved.ok ? other : log);
    EXPECT_TRUE(session->Save().ok);
    session->Close();
    ExpectNoStrays();
  });
}

TEST_F(LogSessionTest, AnOpenFailingAtAnyStepLoadsAllOrSaysWhy) {
  Sweep([&](Kind kind, int nth) {
    CAerodexDoc work;
    auto session = Reset(work);
    session->Close();
    Spit(log, newBytes);
    env.Arm(kind, nth);
    const FileResult opened = session->Open(log);
    env.Disarm();
    if (opened.ok) {
      EXPECT_EQ(aerodex::SaveDocument(work), newBytes);
    } else {
      EXPECT_EQ(opened.message.rfind("Failed to open document. ", 0), 0u) << opened.message;
    }
    session->Close();
    ExpectNoStrays();
  });
}

// aerodex-cli's way: claim the log, then write bytes it made elsewhere.
TEST_F(LogSessionTest, AClaimedLogWrittenAtAnyFailingStepIsOldOrNew) {
  Sweep([&](Kind kind, int nth) {
    CAerodexDoc work;
    Reset(work)->Close();
    aerodex::CLogSession session(work, answers, env, folders);
    env.Arm(kind, nth);
    FileResult written = session.Claim(log);
    if (written.ok) written = session.SaveBytes(newBytes);
    env.Disarm();
    ExpectOldOrNew(written, log);
    session.Close();
    ExpectNoStrays();
  });
}

TEST_F(LogSessionTest, ASnapshotFailingAtAnyStepLeavesNoHalfOfIt) {
  Sweep([&](Kind kind, int nth) {
    CAerodexDoc work;
    auto session = Reset(work);
    env.Arm(kind, nth);
    const FileResult written = session->WriteSnapshot();
    env.Disarm();
    // Whole or not there at all; a failure says why.
    EXPECT_EQ(Slurp(session->Recovery().BytesPath()), written.ok ? newBytes : "");
    if (!written.ok) {
      EXPECT_NE(ErrorOf(written), 0) << written.message;
    }
    session->Close();
    ExpectNoStrays();
  });
}

// The snapshot a crashed window left of the work on the log: one flight more.
aerodex::RecoverySnapshot LeftByACrash(const std::string& folder, const std::string& log,
                                       const std::string& bytes, const std::string& logBytes) {
  fs::create_directories(folder);
  aerodex::RecoverySnapshot snapshot;
  snapshot.bytesPath = folder + "/crashed.adx";
  snapshot.infoPath = folder + "/crashed.info";
  snapshot.logPath = log;
  snapshot.base = aerodex::StampOf(log);
  snapshot.baseHash = aerodex::ContentHash(logBytes);
  Spit(snapshot.bytesPath, bytes);
  Spit(snapshot.infoPath, "info");
  return snapshot;
}

TEST_F(LogSessionTest, ARecoveryFailingAtAnyStepTakesAllTheWorkOrLeavesAllAsItWas) {
  Sweep([&](Kind kind, int nth) {
    CAerodexDoc work;
    Reset(work)->Close();
    const auto snapshot = LeftByACrash(dir / "recovery", log, newBytes, oldBytes);
    aerodex::CLogSession session(work, answers, env, folders);
    env.Arm(kind, nth);
    const FileResult recovered = session.Recover(snapshot);
    env.Disarm();
    EXPECT_EQ(Slurp(log), oldBytes);
    if (recovered.ok) {
      EXPECT_EQ(aerodex::SaveDocument(work), newBytes);
      EXPECT_TRUE(work.IsModified());
      EXPECT_EQ(session.Path(), log);
      EXPECT_FALSE(fs::exists(snapshot.bytesPath));
      EXPECT_TRUE(session.Save().ok);  // the file is the one the work began from
      EXPECT_EQ(Slurp(log), newBytes);
    } else {
      EXPECT_NE(ErrorOf(recovered), 0) << recovered.message;
      EXPECT_TRUE(session.Path().empty());
      EXPECT_EQ(Slurp(snapshot.bytesPath), newBytes);  // offered again at the next start
      fs::remove_all(dir / "recovery");
    }
    session.Close();
    ExpectNoStrays();
  });
}

TEST_F(LogSessionTest, RecoveredWorkKeepsTheOwnLockAndTheVersionItBeganFrom) {
  CAerodexDoc work;
  auto session = Reset(work);
  const auto snapshot = LeftByACrash(dir / "recovery", log, newBytes, oldBytes);
  Spit(log, "changed elsewhere");
  // The port refuses any other holder: the session must not ask about itself.
  ASSERT_TRUE(session->Recover(snapshot).ok);
  EXPECT_TRUE(session->HoldsLock());
  EXPECT_EQ(session->Save().code, FileCode::kChangedOnDisk);
  EXPECT_EQ(Slurp(log), "changed elsewhere");
  EXPECT_TRUE(session->WriteSnapshot().ok);
  EXPECT_EQ(Slurp(session->Recovery().BytesPath()), newBytes);
}

TEST_F(LogSessionTest, AFileChangedMeanwhileIsReplacedOnlyOnTheWordOfThePort) {
  CAerodexDoc work;
  auto session = Reset(work);
  Spit(log, "changed elsewhere");
  const FileResult saved = session->Save();
  EXPECT_EQ(saved.code, FileCode::kChangedOnDisk);
  EXPECT_EQ(Slurp(log), "changed elsewhere");
  EXPECT_TRUE(work.IsModified());
}

TEST_F(LogSessionTest, AnOpenThePortStopsKeepsTheLogAndTheWorkItHad) {
  CAerodexDoc work;
  auto session = Reset(work);
  const std::string other = dir / "logs/other.adx";
  Spit(other, newBytes);
  answers.replace = false;
  EXPECT_FALSE(session->Open(other).ok);
  EXPECT_EQ(session->Path(), log);
  EXPECT_TRUE(session->HoldsLock());
  EXPECT_TRUE(work.IsModified());
  // The other log's lock went with the refusal: another session may take it.
  CAerodexDoc second;
  aerodex::CLogSession next(second, answers, env, folders);
  answers.replace = true;
  EXPECT_TRUE(next.Open(other).ok);
}

TEST_F(LogSessionTest, AHeldLogIsLeftToItsHolderWhenThePortSaysSo) {
  CAerodexDoc first, second;
  auto holder = Reset(first);
  aerodex::CLogSession other(second, answers, env, folders);
  EXPECT_EQ(other.Open(log).code, FileCode::kLockedByAnother);
  EXPECT_EQ(other.LastHolder().process.pid, ::getpid());
  EXPECT_TRUE(other.Path().empty());
}

}  // namespace
