// SPDX-License-Identifier: GPL-3.0-or-later
// FileResult: how a keeping call ended. Every call of files/ that can fail
// answers with one: a code for the program to decide by, and for the user a
// text: a reason sentence from the system ("No space left on device.") or,
// once a caller has put its fixed message in front, the whole message
// ("Failed to save document. No space left on device.").
#pragma once

#include <string>

namespace aerodex {

enum class FileCode {
  kOk,
  kNotFound,
  kNoPermission,
  kReadOnly,
  kNoSpace,
  kNotRegularFile,
  kChangedOnDisk,
  kLockedByAnother,
  kBadFormat,
  kOther,
};

struct [[nodiscard]] FileResult {
  bool ok = true;       // always code == FileCode::kOk: build results with the factories below
  std::string message;  // empty on success
  FileCode code = FileCode::kOk;

  static FileResult Failure(std::string text, FileCode code = FileCode::kOther) {
    return {false, std::move(text), code};
  }
  // The failure of the last system call, from errno.
  static FileResult FromErrno();
  static FileResult FromErrno(int error);
  // The same failure under a fixed message: "Failed to save document. " + reason.
  FileResult Under(const std::string& fixedMessage) const;
};

// The code for an errno value.
FileCode CodeFor(int error);

// The system's reason for an errno value as a sentence: "Permission denied."
std::string ReasonFor(int error);

// "Failed to save document." and a reason become one message in the same
// sentence style: "Failed to save document. Permission denied."
std::string WithReason(const std::string& fixedMessage, const std::string& reason);

}  // namespace aerodex
