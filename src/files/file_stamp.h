// SPDX-License-Identifier: GPL-3.0-or-later
// FileStamp: a file's identity and state as the system reports them (device,
// inode, size, modification time). A log remembers the stamp of the file it
// was read from or last saved to; a different stamp before the next save
// means another program changed or replaced the file in the meantime.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <string>

namespace aerodex {

class CFileEnv;
CFileEnv& DefaultFileEnv();

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t mtimeSeconds = 0;
  std::int64_t mtimeNanoseconds = 0;

  bool operator==(const FileStamp&) const = default;
  // "exists device inode size seconds nanoseconds", and back (a malformed
  // text gives a stamp of no file).
  std::string ToText() const;
  static FileStamp FromText(const std::string& text);
};

// The stamp of the file path names, links followed; exists is false when it
// cannot be read.
FileStamp StampOf(const std::string& path, CFileEnv& env = DefaultFileEnv());
FileStamp StampOfOpenFile(int fd, CFileEnv& env = DefaultFileEnv());

// What a file holds, as a short text ("SIZE-HASH"), to tell later whether it
// has been changed since (a touch or a copy changes the stamp, not this) and
// whether two files hold the same. The same in every build.
std::string ContentHash(const std::string& bytes);

// True when the file at path is no longer the one the stamp describes. A file
// that is gone counts as unchanged: saving can only bring it back.
bool ChangedSince(const FileStamp& known, const std::string& path,
                  CFileEnv& env = DefaultFileEnv());

}  // namespace aerodex
