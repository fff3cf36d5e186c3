// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft commands of the log: creating an aircraft (with the N-Number
// prompt loop), running the aircraft form on a new record, choosing one from
// the aircraft list, editing and deleting. Every talk with the user goes
// through the interaction port; the document receives the results.
#pragma once

#include <string>

class CAerodexDoc;
class CInteractionPort;

// Creates an aircraft with this N-Number through the aircraft form. An
// N-Number the database holds is refused with a message before any form
// opens (an N-Number changed inside the form is not tested again). When a
// submission passes the form's rules the aircraft is appended, the document
// marked modified, lastNNumber set to the aircraft's N-Number and the views
// asked to redraw; returns true. False when refused or cancelled: nothing
// changed then. Used by New Aircraft, the entry form and the import.
bool RunAircraftForm(CAerodexDoc& doc, CInteractionPort& port, std::string nNumber);

// Asks for an N-Number and creates the aircraft; when the creation is refused
// or cancelled, the prompt comes again with the text as typed. Cancel in the
// prompt ends the command.
void OnNewAircraft(CAerodexDoc& doc, CInteractionPort& port);

// The N-Number as New Aircraft takes it from its prompt: one leading capital
// N dropped ("N123" and "123" give "123", "NN123" gives "N123", "N" gives "").
std::string DropLeadingN(std::string typed);

// Shows the aircraft list with the last aircraft whose N-Number equals
// doc.lastNNumber preselected. Returns the database index of the aircraft
// chosen, or -1 when none was chosen or the user cancelled.
long PickAircraft(CAerodexDoc& doc, CInteractionPort& port);

// Lets the user pick an aircraft and edit it in place.
void OnEditAircraft(CAerodexDoc& doc, CInteractionPort& port);

// Lets the user pick an aircraft and, after confirmation, deletes it.
void OnDeleteAircraft(CAerodexDoc& doc, CInteractionPort& port);

// Edit Aircraft and Delete Aircraft are enabled while the database holds one.
bool CanEditOrDeleteAircraft(const CAerodexDoc& doc);
