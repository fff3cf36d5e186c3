// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recovery_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <sstream>

#include "files/atomic_write.h"
#include "files/file_env.h"
#include "files/file_paths.h"
#include "files/process_identity.h"

namespace aerodex {
namespace {

constexpr const char* kInfoHeader = "aerodex recovery";
constexpr const char* kInfoSuffix = ".info";
constexpr const char* kBytesSuffix = ".adx";

// A snapshot's name says who wrote it: PID-STARTTICKS-N, N counting the
// windows of that process.
std::string SnapshotName() {
  static std::atomic<int> windows{0};
  const ProcessIdentity& self = ThisProcess();
  return std::to_string(self.pid) + '-' + std::to_string(self.startTicks) + '-' +
         std::to_string(++windows);
}

bool WriterIsAlive(const std::string& name, CFileEnv& env) {
  unsigned long long pid = 0, ticks = 0;
  int window = 0;
  if (std::sscanf(name.c_str(), "%llu-%llu-%d", &pid, &ticks, &window) != 3) return false;
  return IsProcessAlive(static_cast<pid_t>(pid), ticks, env);
}

// A name may hold any byte but NUL, a line break too: one line, reversibly.
std::string EscapeLine(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\\')
      escaped += "\\\\";
    else if (c == '\n')
      escaped += "\\n";
    else
      escaped += c;
  }
  return escaped;
}

std::string UnescapeLine(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      plain += text[++i] == 'n' ? '\n' : text[i];
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::string InfoText(const std::string& logPath, const FileStamp& base,
                     const std::string& baseHash) {
  return std::string(kInfoHeader) + "\nlog-path=" + EscapeLine(logPath) +
         "\nbase=" + base.ToText() + "\nbase-hash=" + baseHash + '\n';
}

FileResult WritePrivately(CFileEnv& env, const std::string& path, const std::string& bytes) {
  AtomicWriteOptions options;
  options.env = &env;
  options.mode = 0600;
  return WriteFileAtomically(path, bytes, options);
}

bool ReadInfo(CFileEnv& env, const std::string& infoPath, RecoverySnapshot& snapshot) {
  std::string text;
  if (!ReadWholeFile(infoPath, text, nullptr, env).ok || text.rfind(kInfoHeader, 0) != 0)
    return false;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("log=", 0) == 0) snapshot.logPath = line.substr(4);  // written before escaping
    if (line.rfind("log-path=", 0) == 0) snapshot.logPath = UnescapeLine(line.substr(9));
    if (line.rfind("base=", 0) == 0) snapshot.base = FileStamp::FromText(line.substr(5));
    if (line.rfind("base-hash=", 0) == 0) snapshot.baseHash = line.substr(10);
  }
  return true;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

CRecoveryStore::CRecoveryStore(std::string folder, CFileEnv& env)
    : folder_(std::move(folder)), env_(env) {}

std::string CRecoveryStore::DefaultFolder() { return UserStateFolder() + "/aerodex/recovery"; }

std::vector<RecoverySnapshot> CRecoveryStore::FindOrphans() const {
  std::vector<RecoverySnapshot> found;
  std::vector<std::string> files;
  if (env_.ListFolder(folder_, files) != 0) return found;  // no folder: nothing was left
  for (const std::string& file : files) {
    if (!EndsWith(file, kInfoSuffix)) continue;
    const std::string name = file.substr(0, file.size() - std::string(kInfoSuffix).size());
    if (WriterIsAlive(name, env_)) continue;
    RecoverySnapshot snapshot;
    snapshot.infoPath = folder_ + '/' + file;
    snapshot.bytesPath = folder_ + '/' + name + kBytesSuffix;
    struct stat info {};
    if (!ReadInfo(env_, snapshot.infoPath, snapshot) || env_.Stat(snapshot.bytesPath, info) != 0) {
      Discard(snapshot);  // written no further than its first half: nothing to recover
      continue;
    }
    snapshot.time = info.st_mtim.tv_sec;
    snapshot.timeNanoseconds = info.st_mtim.tv_nsec;
    found.push_back(snapshot);
  }
  std::sort(found.begin(), found.end(),
            [](const RecoverySnapshot& a, const RecoverySnapshot& b) { return a.time > b.time; });
  return found;
}

// The bytes go first: an info file without them is discarded when found, bytes
// without their info are never offered. What cannot be removed stays to be
// found again.
void CRecoveryStore::Discard(const RecoverySnapshot& snapshot) const {
  [[maybe_unused]] const int bytes = env_.Unlink(snapshot.bytesPath);
  [[maybe_unused]] const int info = env_.Unlink(snapshot.infoPath);
}

CRecoveryWriter::CRecoveryWriter(std::string folder, CFileEnv& env)
    : folder_(std::move(folder)), env_(env) {
  const std::string name = SnapshotName();
  infoPath_ = folder_ + '/' + name + kInfoSuffix;
  bytesPath_ = folder_ + '/' + name + kBytesSuffix;
}

CRecoveryWriter::~CRecoveryWriter() { Remove(); }

FileResult CRecoveryWriter::Write(const std::string& bytes, const std::string& logPath,
                                  const FileStamp& base, const std::string& baseHash) {
  if (FileResult made = MakePrivateFolder(folder_, env_); !made.ok) return made;
  // The description first: bytes without it could not be placed.
  const std::string info = InfoText(logPath, base, baseHash);
  if (info != writtenInfo_) {
    if (FileResult written = WritePrivately(env_, infoPath_, info); !written.ok) return written;
    writtenInfo_ = info;
  }
  written_ = true;
  return WritePrivately(env_, bytesPath_, bytes);
}

void CRecoveryWriter::Remove() {
  if (!written_) return;
  // As Discard: bytes first, and what stays is found as an orphan later.
  [[maybe_unused]] const int bytes = env_.Unlink(bytesPath_);
  [[maybe_unused]] const int info = env_.Unlink(infoPath_);
  written_ = false;
  writtenInfo_.clear();
}

}  // namespace aerodex
