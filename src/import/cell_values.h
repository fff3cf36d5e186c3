// SPDX-License-Identifier: GPL-3.0-or-later
// The values of other logbooks' cells: hours as decimal hours or H:MM, dates
// as YYYY-MM-DD or M/D/YYYY, counts, and true/false cells; and hours written
// back as a person reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aerodex::import {

struct CDate {
  int day = 0;
  int month = 0;
  int year = 0;
};

// Empty cells are 0; nothing when the cell holds something else. A decimal
// comma is read as a point ("1,5"), as files separated by ';' write it.
std::optional<double> ParseHours(std::string_view cell);
std::optional<int> ParseCount(std::string_view cell);
std::optional<CDate> ParseDate(std::string_view cell);
// TRUE, x, yes, y, 1, checked (any case) are true; anything else is false.
bool ParseFlag(std::string_view cell);

// The shortest decimal that reads back to the stored value at the precision
// it was entered with: a value that single precision holds exactly (the older
// text log's hours) in single precision's shortest form, others in double's.
std::string HoursText(double hours);
// a + b in the fewest decimals of the two texts of HoursText ("1.2" + "0.3"
// is "1.5"), so that a total reads as its parts do.
std::string SumText(double a, double b);

}  // namespace aerodex::import
