// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the log out to another logbook: ForeFlight's import template (its
// aircraft table of every aircraft the flights use, then the flights table
// with packed approach cells), MyFlightbook's export columns (tails with
// their N, typed approaches) and aerodex's own CSV. Whatever a flight holds
// that the target cannot (LORAN approaches, day and night cross-country, tach
// time, the flight number...) goes into its remarks as the tag the import
// reads back (import/remarks_tag.h), so that an export imported into an empty
// log gives back every saved field of every flight.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"

namespace aerodex::import {

enum class ExportFormat { kForeFlight, kMyFlightbook, kAerodexCsv };

// "foreflight", "myflightbook", "csv".
std::optional<ExportFormat> ExportFormatByName(std::string_view name);

// The whole file, UTF-8 with CRLF line ends.
std::string ExportLog(const CAerodexDoc& doc, ExportFormat format);

}  // namespace aerodex::import
