// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the numbers of one data line of the older text log, as "%d" and
// "%f" read them: each number after optional white space, the rest of the
// line after the last one ignored. Unlike the C library's scanning, a number
// that does not fit (an int beyond 32 bits, a real beyond single precision or
// not finite) is refused instead of being undefined or infinite.
#pragma once

#include <string_view>

namespace aerodex::import {

class CNumberScanner {
 public:
  explicit CNumberScanner(std::string_view line) : rest_(line) {}

  // A signed decimal whole number; false (nothing consumed) when there is none.
  bool NextInt(int& value);
  // A real number read with single precision and widened to double.
  bool NextReal(double& value);
  // After a refusal: true when a number stood there but does not fit, false
  // when there was no number at all (the line's end or other text).
  bool OutOfRange() const { return outOfRange_; }

 private:
  void SkipBlanks();
  std::string_view rest_;
  bool outOfRange_ = false;
};

}  // namespace aerodex::import
