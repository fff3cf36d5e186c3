// SPDX-License-Identifier: GPL-3.0-or-later
// Import of the older version's text log ("*.aerodex"): a header (the count
// of records, two pilot texts and a pilot data line) followed by records of
// eight items each, appended to the open log. Aircraft that the database
// lacks may be created on the spot through the aircraft form.
//
// ImportTextLog does the reading on any stream, so the command, aerodex-cli,
// the tests and the fuzzer share it; OnImportFromUnix adds the file dialog.
// An import that stops on bad data keeps what it appended, sorted into log
// order, and never ends the program. Each import gives a report of what it
// did (import/import_report.h); the command shows it after its messages.
#pragma once

#include <istream>

#include "editing/interaction_port.h"
#include "import/import_report.h"
#include "model/document.h"

namespace aerodex::import {

inline constexpr const char* kFailedToOpen = "Failed to open .aerodex";
inline constexpr const char* kIntegritySuspect = "Aerodex: Aerodex integrity suspect!";
inline constexpr const char* kPilotInfoError = "aerodex: Error reading Pilot info!";
inline constexpr const char* kPilotDataSuspect = "Aerodex: Aerodex pilot data suspect!";
inline constexpr const char* kTimeDataSuspect = "Aerodex: Aerodex time data suspect!";
inline constexpr const char* kApproachDataSuspect = "Aerodex: Aerodex approach data suspect!";
inline constexpr const char* kMissingAircraftAdvice = "Confirm to create, Cancel to edit later.";

// Reads the text log from in and appends its flights to doc, talking to the
// user through port. Entries appended before a stop stay in the log. The
// report's file is left for the caller to fill in.
CImportReport ImportTextLog(CAerodexDoc& doc, CInteractionPort& port, std::istream& in);

}  // namespace aerodex::import

// The "Import from Unix..." command: asks for the file, then imports it.
void OnImportFromUnix(CAerodexDoc& doc, CInteractionPort& port);
