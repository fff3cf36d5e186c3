// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_result.h"

#include <cerrno>
#include <cstring>

namespace aerodex {

std::string ReasonFor(int error) {
  char buffer[256];
  // The GNU strerror_r may return a static string instead of filling buffer.
  const char* text = ::strerror_r(error, buffer, sizeof buffer);
  std::string reason = text ? text : "Unknown error";
  if (!reason.empty() && reason.back() != '.') reason += '.';
  return reason;
}

FileCode CodeFor(int error) {
  switch (error) {
    case 0:
      return FileCode::kOk;
    case ENOENT:
      return FileCode::kNotFound;
    case EACCES:
    case EPERM:
      return FileCode::kNoPermission;
    case EROFS:
      return FileCode::kReadOnly;
    case ENOSPC:
    case EDQUOT:
      return FileCode::kNoSpace;
    case EISDIR:
      return FileCode::kNotRegularFile;
    default:
      return FileCode::kOther;
  }
}

FileResult FileResult::FromErrno() { return FromErrno(errno); }

FileResult FileResult::FromErrno(int error) {
  // A call that failed without saying why is still a failure.
  const FileCode code = error == 0 ? FileCode::kOther : CodeFor(error);
  return Failure(ReasonFor(error), code);
}

FileResult FileResult::Under(const std::string& fixedMessage) const {
  if (ok) return *this;
  return Failure(WithReason(fixedMessage, message), code);
}

std::string WithReason(const std::string& fixedMessage, const std::string& reason) {
  if (reason.empty()) return fixedMessage;
  return fixedMessage + ' ' + reason;
}

}  // namespace aerodex
