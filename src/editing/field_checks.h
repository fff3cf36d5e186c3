// SPDX-License-Identifier: GPL-3.0-or-later
// The field checks that every form applies when the user presses OK, and the
// way number fields show their values. They are pure functions over the text
// of one box: the Qt dialogs call them (through the form field lists of
// form_fields.h), the tests call them directly.
//
// Numbers are read as the forms have always read them: leading blanks and
// tabs are skipped, trailing blanks and tabs are allowed, anything else after
// the number refuses it, and only the first kNumberTextLimit characters of a
// box are read. Reading and printing never depend on the process locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aerodex {

// Number boxes are read only up to this many characters; the dialogs also
// refuse typing beyond it so that nothing typed is silently ignored.
inline constexpr std::size_t kNumberTextLimit = 31;

// The outcome of one field check: passed, or the message the form shows.
struct FieldCheck {
  bool passed = true;
  std::string message;

  static FieldCheck Pass() { return {}; }
  static FieldCheck Fail(std::string message) { return {false, std::move(message)}; }
};

// Whole numbers (unsigned). On success the value is written; else untouched.
FieldCheck ReadWholeNumber(std::string_view text, unsigned& value);
FieldCheck ReadWholeNumber(std::string_view text, unsigned minimum, unsigned maximum,
                           unsigned& value);

// Decimal numbers. Infinities and NaN are not numbers here.
FieldCheck ReadDecimal(std::string_view text, double& value);
FieldCheck ReadDecimal(std::string_view text, double minimum, double maximum, double& value);

// Texts count Windows-1252 bytes.
FieldCheck CheckTextLength(std::string_view text, std::size_t maxLength);

// A decimal as the forms show it: up to 15 significant digits, no trailing
// zeros (printf's "%.15g"): 0 shows as 0, 1.5 as 1.5, 9999.9 as 9999.9.
std::string FormatDecimal(double value);
// A whole number as plain decimal digits.
std::string FormatWholeNumber(unsigned value);
// printf's "%.<decimals>f", independent of the locale.
std::string FormatFixed(double value, int decimals);

// The capitals that upper-case boxes type: the Windows-1252 letters with a
// capital in the code page. Letters without one (such as the sharp s) stay,
// so the text keeps its length.
std::string UpperCaseCp1252(std::string_view text);

// The fixed messages of the checks.
std::string PositiveIntegerMessage();
std::string IntegerRangeMessage(unsigned minimum, unsigned maximum);
std::string NumberMessage();
std::string NumberRangeMessage(double minimum, double maximum);
std::string TextLengthMessage(std::size_t maxLength);

}  // namespace aerodex
