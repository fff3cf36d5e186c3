// SPDX-License-Identifier: GPL-3.0-or-later
// The working behind the currency lines: for each part of the check the
// dates, flights and rule it used, and the assumptions the log forces, as
// text that the form's Details and aerodex-cli's --explain both show.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "editing/interaction_port.h"
#include "model/document.h"
#include "stats/currency_rules.h"

namespace aerodex::stats {

// The sections: a note when the log holds flights after the day of now, the
// five parts in the form's order, the day-passenger estimate, and last the
// answers under the rules in force today.
std::vector<CWorkingSection> CurrencyWorking(const CAerodexDoc& doc, const BackwardScan& scan,
                                             std::time_t now);

// The night part and the day-passenger estimate (night_working.cpp). The
// night part walks the flights again to list them; it stops at the flight
// the night line's walk stopped at, as both stop where the sum first reaches 3.
CWorkingSection NightWorking(const CAerodexDoc& doc, std::time_t now);
CWorkingSection DayPassengerWorking(const CAerodexDoc& doc, std::time_t now);

// The closing section: the same questions under the rules in force today
// (todays_working.cpp), each item beside the line it answers.
CWorkingSection TodaysRulesWorking(const CAerodexDoc& doc, const BackwardScan& scan,
                                   std::time_t now);

// "3/1999" for a month index, "0" for the index 0 of a date never reached.
std::string IndexText(MonthIndex index);
// "5/1/2000 N12345": a flight as the working lists it.
std::string FlightLabel(const CAerodexEntry& e);

// "1 approach", "3 approaches": a count with its noun.
std::string Counted(long long count, const char* one, const char* many);

// Sections as plain text: each heading, its lines indented by two blanks,
// and a blank line between sections.
std::string FormatWorking(const std::vector<CWorkingSection>& sections);

}  // namespace aerodex::stats
