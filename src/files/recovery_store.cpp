// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recovery_store.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <sstream>

#include "files/atomic_write.h"
#include "files/file_layer.h"
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

bool WriterIsAlive(const std::string& name) {
  unsigned long long pid = 0, ticks = 0;
  int window = 0;
  if (std::sscanf(name.c_str(), "%llu-%llu-%d", &pid, &ticks, &window) != 3) return false;
  return IsProcessAlive(static_cast<pid_t>(pid), ticks);
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

FileResult WritePrivately(const std::string& path, const std::string& bytes) {
  AtomicWriteOptions options;
  options.mode = 0600;
  return WriteFileAtomically(path, bytes, options);
}

bool ReadInfo(const std::string& infoPath, RecoverySnapshot& snapshot) {
  std::string text;
  if (!ReadWholeFile(infoPath, text).ok || text.rfind(kInfoHeader, 0) != 0) return false;
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

CRecoveryStore::CRecoveryStore(std::string folder) : folder_(std::move(folder)) {}

std::string CRecoveryStore::DefaultFolder() { return UserStateFolder() + "/aerodex/recovery"; }

std::vector<RecoverySnapshot> CRecoveryStore::FindOrphans() const {
  std::vector<RecoverySnapshot> found;
  DIR* dir = ::opendir(folder_.c_str());
  if (!dir) return found;
  while (const dirent* item = ::readdir(dir)) {
    const std::string file = item->d_name;
    if (!EndsWith(file, kInfoSuffix)) continue;
    const std::string name = file.substr(0, file.size() - std::string(kInfoSuffix).size());
    if (WriterIsAlive(name)) continue;
    RecoverySnapshot snapshot;
    snapshot.infoPath = folder_ + '/' + file;
    snapshot.bytesPath = folder_ + '/' + name + kBytesSuffix;
    struct stat info {};
    if (!ReadInfo(snapshot.infoPath, snapshot) || ::stat(snapshot.bytesPath.c_str(), &info) != 0) {
      Discard(snapshot);  // written no further than its first half: nothing to recover
      continue;
    }
    snapshot.time = info.st_mtim.tv_sec;
    snapshot.timeNanoseconds = info.st_mtim.tv_nsec;
    found.push_back(snapshot);
  }
  ::closedir(dir);
  std::sort(found.begin(), found.end(),
            [](const RecoverySnapshot& a, const RecoverySnapshot& b) { return a.time > b.time; });
  return found;
}

void CRecoveryStore::Discard(const RecoverySnapshot& snapshot) {
  ::unlink(snapshot.bytesPath.c_str());
  ::unlink(snapshot.infoPath.c_str());
}

CRecoveryWriter::CRecoveryWriter(std::string folder) : folder_(std::move(folder)) {
  const std::string name = SnapshotName();
  infoPath_ = folder_ + '/' + name + kInfoSuffix;
  bytesPath_ = folder_ + '/' + name + kBytesSuffix;
}

CRecoveryWriter::~CRecoveryWriter() { Remove(); }

FileResult CRecoveryWriter::Write(const std::string& bytes, const std::string& logPath,
                                  const FileStamp& base, const std::string& baseHash) {
  if (FileResult made = MakePrivateFolder(folder_); !made.ok) return made;
  // The description first: bytes without it could not be placed.
  const std::string info = InfoText(logPath, base, baseHash);
  if (info != writtenInfo_) {
    if (FileResult written = WritePrivately(infoPath_, info); !written.ok) return written;
    writtenInfo_ = info;
  }
  written_ = true;
  return WritePrivately(bytesPath_, bytes);
}

void CRecoveryWriter::Remove() {
  if (!written_) return;
  ::unlink(bytesPath_.c_str());
  ::unlink(infoPath_.c_str());
  written_ = false;
  writtenInfo_.clear();
}

}  // namespace aerodex
