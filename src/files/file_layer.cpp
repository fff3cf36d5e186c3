// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_layer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace aerodex {

int CFileLayer::Open(const std::string& path, int flags, mode_t mode) {
  return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
ssize_t CFileLayer::Write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}
int CFileLayer::Fsync(int fd) { return ::fsync(fd); }
int CFileLayer::Close(int fd) { return ::close(fd); }
int CFileLayer::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}
int CFileLayer::Unlink(const std::string& path) { return ::unlink(path.c_str()); }
int CFileLayer::Link(const std::string& from, const std::string& to) {
  return ::link(from.c_str(), to.c_str());
}

CFileLayer& DefaultFileLayer() {
  static CFileLayer layer;
  return layer;
}

bool WriteAll(CFileLayer& files, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = files.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

namespace {

FileResult NotARegularFile(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return FileResult::FromErrno(EISDIR);
  return FileResult::Failure("It is not a regular file.");
}

FileResult ReadOpenFile(int fd, std::string& bytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return FileResult::FromErrno();
  if (!S_ISREG(info.st_mode)) return NotARegularFile(info);
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileResult::FromErrno();
    if (n == 0) return {};
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::string& bytes, FileStamp* stamp) {
  bytes.clear();
  // Without O_NONBLOCK, opening a named pipe waits for a writer for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return FileResult::FromErrno();
  FileResult result = ReadOpenFile(fd, bytes);
  if (stamp) *stamp = StampOfOpenFile(fd);
  ::close(fd);
  if (!result.ok) bytes.clear();
  return result;
}

}  // namespace aerodex
