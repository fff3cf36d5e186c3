// SPDX-License-Identifier: GPL-3.0-or-later
// CFileEnv: every call the keeping of logs makes to the system, and the time
// it asks, as virtual calls with the system's own conventions (-1 and errno).
// The program uses DefaultFileEnv(); tests replace it with one that fails the
// Nth call of a kind on purpose or that stops the clock, and so reach the
// lock, the kept versions, the recovery snapshots and every read as well as
// the save.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "files/file_result.h"
#include "files/file_stamp.h"

namespace aerodex {

class CFileEnv {
 public:
  virtual ~CFileEnv() = default;
  virtual int Open(const std::string& path, int flags, mode_t mode);
  virtual ssize_t Read(int fd, void* data, std::size_t size);
  virtual ssize_t Write(int fd, const void* data, std::size_t size);
  virtual int Fsync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Unlink(const std::string& path);
  virtual int Link(const std::string& from, const std::string& to);
  virtual int Stat(const std::string& path, struct stat& info);
  virtual int Lstat(const std::string& path, struct stat& info);
  virtual int Fstat(int fd, struct stat& info);
  // The link's text in target; its length, or -1.
  virtual ssize_t Readlink(const std::string& path, std::string& target);
  virtual int Mkdir(const std::string& path, mode_t mode);
  // The names in a folder, without "." and "..".
  virtual int ListFolder(const std::string& path, std::vector<std::string>& names);
  virtual int Flock(int fd, int operation);
  virtual int Chmod(const std::string& path, mode_t mode);
  virtual int Fchmod(int fd, mode_t mode);
  virtual int Fchown(int fd, uid_t owner, gid_t group);
  virtual int Access(const std::string& path, int mode);
  // The working folder.
  virtual int CurrentFolder(std::string& folder);
  // path with every link, "." and ".." resolved; it must exist.
  virtual int RealPath(const std::string& path, std::string& resolved);
  // The longest file name the folder's file system takes; -1 when unknown.
  virtual long NameMax(const std::string& folder);
  // kill(2); signal 0 only asks whether the process exists.
  virtual int Kill(pid_t pid, int signal);
  virtual std::time_t Now() const;
};

CFileEnv& DefaultFileEnv();

// Writes every byte, retrying short writes and interruptions.
bool WriteAll(CFileEnv& env, int fd, const std::string& bytes);

// The whole content of a regular file. A folder, a device or a named pipe is
// refused at once (a pipe is opened without waiting for a writer), with the
// reason in the result. stamp, when given, receives the stamp of the file read.
FileResult ReadWholeFile(const std::string& path, std::string& bytes, FileStamp* stamp = nullptr,
                         CFileEnv& env = DefaultFileEnv());

}  // namespace aerodex
