// SPDX-License-Identifier: GPL-3.0-or-later
// The thin POSIX file layer under opening and saving logs. Tests replace it
// with one that fails the Nth open, write, sync, rename or link on purpose.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

#include "files/file_result.h"
#include "files/file_stamp.h"

namespace aerodex {

class CFileLayer {
 public:
  virtual ~CFileLayer() = default;
  virtual int Open(const std::string& path, int flags, mode_t mode);
  virtual ssize_t Write(int fd, const void* data, std::size_t size);
  virtual int Fsync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Unlink(const std::string& path);
  virtual int Link(const std::string& from, const std::string& to);
};

CFileLayer& DefaultFileLayer();

// Writes every byte, retrying short writes and interruptions.
bool WriteAll(CFileLayer& files, int fd, const std::string& bytes);

// The whole content of a regular file. A folder, a device or a named pipe is
// refused at once (a pipe is opened without waiting for a writer), with the
// reason in the result. stamp, when given, receives the stamp of the file read.
FileResult ReadWholeFile(const std::string& path, std::string& bytes, FileStamp* stamp = nullptr);

}  // namespace aerodex
