// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the whole log. Every stored flight is put through the entry
// form's plausibility rules (imported flights never met them), and the log
// as a whole through what only it shows: flights that look entered twice,
// breaks in each aircraft's tachometer readings, and hours that exceed the
// hours they are part of. The check only reads; picking a finding selects
// its flight.
#pragma once

#include <cstddef>

#include "editing/interaction_port.h"
#include "model/document.h"

namespace aerodex::stats {

// The findings in log order, one per fault; several faults of one flight
// each get their own finding.
CLogCheckDlg CheckLog(const CAerodexDoc& doc);

// Selects the flight at index and asks the views to scroll to it.
void ShowFlight(CAerodexDoc& doc, std::size_t index);

// What an open list of findings asks of the log: show a flight, and check
// again once the log's contents changed. doc must outlive the list.
CLogCheckActions LogCheckActions(CAerodexDoc& doc);

}  // namespace aerodex::stats

// The Check Log command: the findings as a list that may stay open beside
// the log; a double click on one shows its flight. Changes nothing but the
// selection.
void OnCheckLog(CAerodexDoc& doc, CInteractionPort& port);
