// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_stamp.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "files/file_env.h"

namespace aerodex {
namespace {

FileStamp FromStat(const struct stat& info) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  stamp.size = static_cast<std::int64_t>(info.st_size);
  stamp.mtimeSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
  stamp.mtimeNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  return stamp;
}

}  // namespace

FileStamp StampOf(const std::string& path, CFileEnv& env) {
  struct stat info {};
  if (env.Stat(path, info) != 0) return {};
  return FromStat(info);
}

FileStamp StampOfOpenFile(int fd, CFileEnv& env) {
  struct stat info {};
  if (env.Fstat(fd, info) != 0) return {};
  return FromStat(info);
}

bool ChangedSince(const FileStamp& known, const std::string& path, CFileEnv& env) {
  const FileStamp now = StampOf(path, env);
  if (!now.exists) return false;
  return !known.exists || !(now == known);
}

std::string FileStamp::ToText() const {
  std::ostringstream out;
  out << (exists ? 1 : 0) << ' ' << device << ' ' << inode << ' ' << size << ' ' << mtimeSeconds
      << ' ' << mtimeNanoseconds;
  return out.str();
}

FileStamp FileStamp::FromText(const std::string& text) {
  std::istringstream in(text);
  FileStamp stamp;
  int exists = 0;
  in >> exists >> stamp.device >> stamp.inode >> stamp.size >> stamp.mtimeSeconds >>
      stamp.mtimeNanoseconds;
  if (in.fail() || exists != 1) return {};
  stamp.exists = true;
  return stamp;
}

// FNV-1a's step over 64-bit words in four independent lanes rather than one
// byte at a time: a whole log hashes in about a millisecond at every save.
// The text is the same in every build (on little-endian machines, which are
// all aerodex runs on).
std::string ContentHash(const std::string& bytes) {
  constexpr std::uint64_t kPrime = 1099511628211ull;
  std::uint64_t lanes[4] = {14695981039346656037ull, 1, 2, 3};
  std::size_t i = 0;
  for (; i + 32 <= bytes.size(); i += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i + 8 * lane, 8);
      lanes[lane] = (lanes[lane] ^ word) * kPrime;
      lanes[lane] ^= lanes[lane] >> 29;
    }
  }
  std::uint64_t hash = lanes[0];
  for (int lane = 1; lane < 4; ++lane) hash = (hash ^ lanes[lane]) * kPrime;
  for (; i < bytes.size(); ++i) hash = (hash ^ static_cast<unsigned char>(bytes[i])) * kPrime;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return std::to_string(bytes.size()) + '-' + text;
}

}  // namespace aerodex
