// SPDX-License-Identifier: GPL-3.0-or-later
// The compact tag that an export appends to a flight's remarks for what the
// target format cannot hold (LORAN approaches, day and night cross-country,
// tach time without readings, the flight number...), and that the import
// reads back and takes out of the remarks:
//   "Practice approaches [aerodex flightNumber=2 loranApproaches=1]"
// Keys are the saved fields' own names; texts are written with %XX for the
// bytes that would end the tag or leave ASCII; numbers exactly.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/entry.h"

namespace aerodex::import {

using TagFields = std::vector<std::pair<std::string, std::string>>;

// The tag of every saved field in which `read` differs from `stored` (hours
// by more than a billionth), or "" when none does.
std::string MakeRemarksTag(const CAerodexEntry& stored, const CAerodexEntry& read);

// Takes a tag off the end of remarks (with the blank before it); the fields it
// held, none when there was no tag.
TagFields TakeRemarksTag(std::string& remarks);

// Sets the named saved fields; unknown names and bad values are left alone.
void ApplyRemarksTag(CAerodexEntry& entry, const TagFields& fields);

}  // namespace aerodex::import
