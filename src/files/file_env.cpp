// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_env.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace aerodex {

int CFileEnv::Open(const std::string& path, int flags, mode_t mode) {
  return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
ssize_t CFileEnv::Read(int fd, void* data, std::size_t size) { return ::read(fd, data, size); }
ssize_t CFileEnv::Write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}
int CFileEnv::Fsync(int fd) { return ::fsync(fd); }
int CFileEnv::Close(int fd) { return ::close(fd); }
int CFileEnv::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}
int CFileEnv::Unlink(const std::string& path) { return ::unlink(path.c_str()); }
int CFileEnv::Link(const std::string& from, const std::string& to) {
  return ::link(from.c_str(), to.c_str());
}
int CFileEnv::Stat(const std::string& path, struct stat& info) {
  return ::stat(path.c_str(), &info);
}
int CFileEnv::Lstat(const std::string& path, struct stat& info) {
  return ::lstat(path.c_str(), &info);
}
int CFileEnv::Fstat(int fd, struct stat& info) { return ::fstat(fd, &info); }
ssize_t CFileEnv::Readlink(const std::string& path, std::string& target) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer - 1);
  target.assign(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
  return n;
}
int CFileEnv::Mkdir(const std::string& path, mode_t mode) { return ::mkdir(path.c_str(), mode); }
int CFileEnv::ListFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  DIR* dir = ::opendir(path.c_str());
  if (!dir) return -1;
  while (const dirent* item = ::readdir(dir)) {
    const std::string name = item->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return 0;
}
int CFileEnv::Flock(int fd, int operation) { return ::flock(fd, operation); }
int CFileEnv::Chmod(const std::string& path, mode_t mode) { return ::chmod(path.c_str(), mode); }
int CFileEnv::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int CFileEnv::Fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
int CFileEnv::Access(const std::string& path, int mode) { return ::access(path.c_str(), mode); }
int CFileEnv::CurrentFolder(std::string& folder) {
  char buffer[PATH_MAX];
  if (!::getcwd(buffer, sizeof buffer)) return -1;
  folder = buffer;
  return 0;
}
int CFileEnv::RealPath(const std::string& path, std::string& resolved) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return -1;
  resolved = real;
  std::free(real);
  return 0;
}
long CFileEnv::NameMax(const std::string& folder) {
  return ::pathconf(folder.c_str(), _PC_NAME_MAX);
}
int CFileEnv::Kill(pid_t pid, int signal) { return ::kill(pid, signal); }
std::time_t CFileEnv::Now() const { return std::time(nullptr); }

CFileEnv& DefaultFileEnv() {
  static CFileEnv env;
  return env;
}

bool WriteAll(CFileEnv& env, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = env.Write(fd, bytes.data() + done, bytes.size() - done);
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
  return FileResult::Failure("It is not a regular file.", FileCode::kNotRegularFile);
}

FileResult ReadOpenFile(CFileEnv& env, int fd, std::string& bytes) {
  struct stat info {};
  if (env.Fstat(fd, info) != 0) return FileResult::FromErrno();
  if (!S_ISREG(info.st_mode)) return NotARegularFile(info);
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = env.Read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileResult::FromErrno();
    if (n == 0) return {};
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::string& bytes, FileStamp* stamp,
                         CFileEnv& env) {
  bytes.clear();
  // Without O_NONBLOCK, opening a named pipe waits for a writer for ever.
  const int fd = env.Open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY, 0);
  if (fd < 0) return FileResult::FromErrno();
  FileResult result = ReadOpenFile(env, fd, bytes);
  if (stamp) *stamp = StampOfOpenFile(fd, env);
  env.Close(fd);  // read-only: closing can lose nothing
  if (!result.ok) bytes.clear();
  return result;
}

}  // namespace aerodex
