// SPDX-License-Identifier: GPL-3.0-or-later
// Every step of keeping a log failing in turn: the 1st, 2nd, ... call of each
// kind fails until the operation no longer meets the failure, and after each
// the log on disk is the old or the new one byte for byte, a failure says
// why, nothing stray is left and the session can save again.
#include "model/log_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>

#include "files/file_result.h"
#include "model/document_archive.h"
#include "support/log_builders.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using aerodex::FileCode;
using aerodex::FileResult;

enum class Kind { kWrite, kFsync, kRename, kLink, kFlock, kMkdir, kRead };
constexpr Kind kKinds[] = {Kind::kWrite, Kind::kFsync, Kind::kRename, Kind::kLink,
                           Kind::kFlock, Kind::kMkdir, Kind::kRead};

class FaultyEnv final : public aerodex::CFileEnv {
 public:
  void Arm(Kind kind, int nth) {
    kind_ = kind;
    left_ = nth;
    hit_ = false;
  }
  void Disarm() { left_ = 0; }
  bool Hit() const { return hit_; }

  ssize_t Read(int fd, void* data, std::size_t size) override {
    return Fail(Kind::kRead, EIO) ? -1 : CFileEnv::Read(fd, data, size);
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return Fail(Kind::kWrite, ENOSPC) ? -1 : CFileEnv::Write(fd, data, size);
  }
  int Fsync(int fd) override { return Fail(Kind::kFsync, EIO) ? -1 : CFileEnv::Fsync(fd); }
  int Rename(const std::string& from, const std::string& to) override {
    return Fail(Kind::kRename, EACCES) ? -1 : CFileEnv::Rename(from, to);
  }
  int Link(const std::string& from, const std::string& to) override {
    return Fail(Kind::kLink, EPERM) ? -1 : CFileEnv::Link(from, to);
  }
  int Flock(int fd, int operation) override {
    return Fail(Kind::kFlock, ENOLCK) ? -1 : CFileEnv::Flock(fd, operation);
  }
  int Mkdir(const std::string& path, mode_t mode) override {
    return Fail(Kind::kMkdir, ENOSPC) ? -1 : CFileEnv::Mkdir(path, mode);
  }

 private:
  bool Fail(Kind kind, int error) {
    if (left_ == 0 || kind != kind_ || --left_ != 0) return false;
    hit_ = true;
    errno = error;
    return true;
  }
  Kind kind_ = Kind::kRead;
  int left_ = 0;
  bool hit_ = false;
};

class Answers final : public aerodex::CSessionPort {
 public:
  bool ProceedDespiteHolder(const std::string&, const aerodex::LockHolder&, bool) override {
    return false;
  }
  bool ProceedUnlocked(const std::string&, const FileResult&) override { return true; }
  bool OverwriteChanged(const std::string&) override { return false; }
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

  // Runs scenario with the nth call of each kind failing, n = 1, 2, ..., until
  // the scenario no longer meets the failure.
  void Sweep(const std::function<void(Kind, int)>& scenario) {
    int met[std::size(kKinds)] = {};
    for (Kind kind : kKinds) {
      for (int nth = 1; nth < 500; ++nth) {
        SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + ", call " +
                     std::to_string(nth));
        scenario(kind, nth);
        if (!env.Hit()) break;
        ++met[static_cast<int>(kind)];
      }
    }
    // A sweep that meets no failure proves nothing.
    EXPECT_GE(std::count_if(std::begin(met), std::end(met), [](int n) { return n > 0; }), 3);
  }

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

  // The system reason a failed result must name, from the errno its kind fails with.
  static int ErrorOf(const FileResult& result) {
    for (int error : {ENOSPC, EIO, EACCES, EPERM, ENOLCK}) {
      if (result.message.find(aerodex::ReasonFor(error)) != std::string::npos) return error;
    }
    return 0;
  }

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

TEST_F(LogSessionTest, AFileChangedMeanwhileIsReplacedOnlyOnTheWordOfThePort) {
  CAerodexDoc work;
  auto session = Reset(work);
  Spit(log, "changed elsewhere");
  const FileResult saved = session->Save();
  EXPECT_EQ(saved.code, FileCode::kChangedOnDisk);
  EXPECT_EQ(Slurp(log), "changed elsewhere");
  EXPECT_TRUE(work.IsModified());
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
