#include "model/file_layer.h"

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

CFileLayer& DefaultFileLayer() {
  static CFileLayer layer;
  return layer;
}

namespace {

bool WriteAll(CFileLayer& files, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = files.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The new file keeps the permissions of the one it replaces.
mode_t ModeFor(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
  return 0644;
}

// Makes the rename itself durable. Some file systems refuse to sync a
// folder; the new file is complete and in place by then, so that is not a failure.
void SyncFolder(CFileLayer& files, const std::string& folder) {
  const int fd = files.Open(folder, O_RDONLY | O_DIRECTORY, 0);
  if (fd < 0) return;
  files.Fsync(fd);
  files.Close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, CFileLayer& files) {
  const std::string temp = path + ".saving-" + std::to_string(::getpid());
  const int fd = files.Open(temp, O_WRONLY | O_CREAT | O_TRUNC, ModeFor(path));
  if (fd < 0) return false;
  bool ok = WriteAll(files, fd, bytes) && files.Fsync(fd) == 0;
  ok = (files.Close(fd) == 0) && ok;
  ok = ok && files.Rename(temp, path) == 0;
  if (!ok) {
    files.Unlink(temp);
    return false;
  }
  SyncFolder(files, FolderOf(path));
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  // A folder or a device is not a log, even though it can be opened.
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  bytes.clear();
  if (ok) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ok;
}

}  // namespace aerodex
