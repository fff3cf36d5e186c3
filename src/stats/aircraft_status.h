// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance status of owned aircraft: tach hours since the oil change,
// months to the annual inspection, hours to TBO and the months those hours
// last at the aircraft's average rate of use; under them the months the
// annual and TBO fall due, the flight whose reading is the current
// tachometer, and the breaks in the tachometer's continuity.
// ComputeAircraftStatus is pure; ShowAircraftStatus and OnAircraftStatus
// show the reports through the port.
#pragma once

#include <ctime>
#include <vector>

#include "editing/interaction_port.h"
#include "model/airplane.h"
#include "model/document.h"

namespace aerodex::stats {

inline constexpr const char* kNoMonitoredAircraft = "No aircraft was marked as 'Monitored/Owned'";

// The report of one aircraft at the instant now.
CAircraftStatsDlg ComputeAircraftStatus(const CAerodexDoc& doc, const CAirplane& airplane,
                                        std::time_t now);

// The reports of every monitored aircraft, in database order (empty when none is).
std::vector<CAircraftStatsDlg> ComputeMonitoredStatus(const CAerodexDoc& doc, std::time_t now);

}  // namespace aerodex::stats

// Shows one aircraft's report, computed at the document clock's "now".
void ShowAircraftStatus(const CAerodexDoc& doc, CInteractionPort& port, const CAirplane& airplane);

// The Aircraft Status command: one report per monitored aircraft, each shown
// after the previous one was closed; the message when none is monitored.
void OnAircraftStatus(const CAerodexDoc& doc, CInteractionPort& port);
