// SPDX-License-Identifier: GPL-3.0-or-later
// The flight commands of the log: New Entry, Edit Entry and Delete Entry,
// and the run of the entry form with its plausibility rules. Every talk with
// the user goes through the interaction port (the same object the document
// speaks through); the document receives the results.
#pragma once

class CAerodexDoc;
class CAerodexEntry;
class CEntryDlg;
class CInteractionPort;

// Shows the entry form until a submission passes every rule, writing the form
// into entry at each OK so that the rules test the record itself. Returns
// false when the user cancelled; entry then holds the last submission. Once
// the aircraft rule has passed, lastNNumber and the modified mark stay set
// even if the user cancels afterwards.
bool RunEntryForm(CAerodexDoc& doc, CInteractionPort& port, CAerodexEntry& entry, CEntryDlg& form);

// Creates a flight from the new-entry form; on acceptance it is appended,
// selected and sorted into log order.
void OnNewEntry(CAerodexDoc& doc, CInteractionPort& port);

// Edits the selected flight in place; a cancelled form gives every field its
// old value back. The log is sorted again either way.
void OnEditEntry(CAerodexDoc& doc, CInteractionPort& port);

// Deletes the selected flight after the user confirms.
void OnDeleteEntry(CAerodexDoc& doc, CInteractionPort& port);

// Edit Entry and Delete Entry are enabled while the log holds a flight.
bool CanEditOrDeleteEntry(const CAerodexDoc& doc);
