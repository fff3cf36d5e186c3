// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file so that it holds either its old content or all of the new
// bytes, never a mixture, and so that nothing around it is harmed: the new
// bytes go to a temporary file beside the real file (links followed, so a
// linked log stays linked), created exclusively under a unique name that fits
// the file system; it is synced, given the old file's mode and owner, and
// renamed over the old file, and the folder is synced. Temporary files that
// dead processes left beside the file are removed on the way.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>

#include "files/file_env.h"
#include "files/file_result.h"

namespace aerodex {

struct AtomicWriteOptions {
  CFileEnv* env = &DefaultFileEnv();
  // Called with the file about to be replaced, when there is one, once the new
  // bytes are safely on disk and just before the rename: the moment to keep
  // the old version. It cannot stop the write.
  std::function<void(const std::string& target)> beforeReplace;
  // The file's permissions, whatever the umask or the replaced file had;
  // unset: a new file gets 0666 less the umask, a replaced one keeps its own.
  std::optional<mode_t> mode;
};

// On failure the temporary file is removed and the result names the reason
// ("No space left on device.", "The file is read-only.").
FileResult WriteFileAtomically(const std::string& path, const std::string& bytes,
                               const AtomicWriteOptions& options = {});

// Whether the file at target may be replaced by this user: it must be a
// regular file with a write permission and a writable folder.
FileResult CheckReplaceable(const std::string& target, CFileEnv& env = DefaultFileEnv());

// The temporary files of processes that are gone, beside target, are deleted.
void RemoveStaleTemporaries(const std::string& target, CFileEnv& env = DefaultFileEnv());

// The name every temporary file for target begins with.
std::string TemporaryPrefix(const std::string& target, CFileEnv& env = DefaultFileEnv());

// Creates a new temporary file beside target, exclusively and without
// following links, and names it in temp; the descriptor, or -1 with errno.
int CreateTemporaryBeside(CFileEnv& env, const std::string& target, mode_t mode, std::string& temp);

}  // namespace aerodex
