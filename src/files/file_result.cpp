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

FileResult FileResult::FromErrno() { return FromErrno(errno); }

FileResult FileResult::FromErrno(int error) { return Failure(ReasonFor(error)); }

std::string WithReason(const std::string& fixedMessage, const std::string& reason) {
  if (reason.empty()) return fixedMessage;
  return fixedMessage + ' ' + reason;
}

}  // namespace aerodex
