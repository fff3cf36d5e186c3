#include "model/file_stamp.h"

#include <sys/stat.h>

#include <sstream>

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

FileStamp StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return FromStat(info);
}

FileStamp StampOfOpenFile(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return {};
  return FromStat(info);
}

bool ChangedSince(const FileStamp& known, const std::string& path) {
  const FileStamp now = StampOf(path);
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

}  // namespace aerodex
