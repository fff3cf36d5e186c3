// SPDX-License-Identifier: GPL-3.0-or-later
// FileResult: how a file operation of the core ended. Failures carry a text
// for the user: a reason sentence from the system ("No space left on
// device.") or, once a caller has put its fixed message in front, the whole
// message ("Failed to save document. No space left on device.").
#pragma once

#include <string>

namespace aerodex {

struct FileResult {
  bool ok = true;
  std::string message;  // empty on success

  static FileResult Failure(std::string text) { return {false, std::move(text)}; }
  // The failure of the last system call, from errno.
  static FileResult FromErrno();
  static FileResult FromErrno(int error);
};

// The system's reason for an errno value as a sentence: "Permission denied."
std::string ReasonFor(int error);

// "Failed to save document." and a reason become one message in the same
// sentence style: "Failed to save document. Permission denied."
std::string WithReason(const std::string& fixedMessage, const std::string& reason);

}  // namespace aerodex
