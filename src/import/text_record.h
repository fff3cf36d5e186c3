// One flight record of the older text log: the N-Number text, then the date
// line, departure, arrival, route, the landings-and-hours line, the
// approaches line and the remarks. Pilot-in-command hours come before dual
// hours, GPS before LORAN and RADAR, and there is no RNAV count.
#pragma once

#include <string>

#include "import/data_reader.h"
#include "model/entry.h"
#include "model/prompt_port.h"

namespace aerodex::import {

// Longest departure, arrival or N-Number text taken from a record.
inline constexpr std::size_t kShortTextLength = 15;

// "Aerodex: Entry string integrity suspect<LINE>!"
std::string NoCaretsMessage(const std::string& line);
// A numeric line that does not hold the count of numbers its format needs.
std::string NumberDataMessage(const std::string& line, int expected);

// The N-Number as stored: cut to 15 characters, one leading capital N dropped.
std::string StoredNNumber(const std::string& text);

// Reads items 2 to 8 of a record into entry (whose other fields the caller
// has reset). False after showing the message when the record is unusable;
// the entry must then not be added.
bool ReadRecordItems(CDataReader& reader, CPromptPort& port, CAerodexEntry& entry);

}  // namespace aerodex::import
