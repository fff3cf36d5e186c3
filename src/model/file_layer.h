// The thin POSIX file layer under opening and saving logs. Tests replace it
// with one that fails the Nth write, sync or rename on purpose.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

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
};

CFileLayer& DefaultFileLayer();

// Writes bytes to path so that path holds either its old content or all of
// the new bytes, never a mixture: a temporary file beside the target is
// written, flushed and synced, then renamed over it, and the folder is synced.
// On failure the temporary file is removed and false is returned.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         CFileLayer& files = DefaultFileLayer());

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace aerodex
