// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_commands.h"

#include <memory>
#include <string>

#include "editing/aircraft_commands.h"
#include "editing/entry_form.h"
#include "editing/entry_rules.h"
#include "editing/interaction_port.h"
#include "model/document.h"

namespace {

// The aircraft rule: the aircraft the flight names, created on the spot when
// the user confirms. Null sends the user back to the entry form.
CAirplane* FindOrCreateAircraft(CAerodexDoc& doc, CInteractionPort& port,
                                const std::string& nNumber) {
  for (;;) {
    if (CAirplane* airplane = doc.FindAircraft(nNumber)) return airplane;
    const std::string question =
        "N" + nNumber + ": not in aircraft database. " + "Confirm to create, Cancel to re-edit.";
    if (!port.AskConfirmation(question)) return nullptr;
    if (!RunAircraftForm(doc, port, nNumber)) return nullptr;
  }
}

// Puts back the saved fields of a flight; the row positions belong to the
// drawing pass, which may have run while the form was open.
void RestoreFlight(CAerodexEntry& entry, const CAerodexEntry& saved) {
  const int rowTop = entry.rowTop;
  const int rowBottom = entry.rowBottom;
  entry = saved;
  entry.rowTop = rowTop;
  entry.rowBottom = rowBottom;
}

}  // namespace

bool RunEntryForm(CAerodexDoc& doc, CInteractionPort& port, CAerodexEntry& entry, CEntryDlg& form) {
  CEntryRunFlags flags;
  for (;;) {
    if (!port.ShowEntryForm(form)) return false;
    form.CopyTo(entry);
    doc.NoteChange();  // the log view may redraw the flight while a message is up
    if (auto refusal = CheckFlightRules(entry, form, flags)) {
      port.ShowError(*refusal);
      continue;
    }
    const CAirplane* airplane = FindOrCreateAircraft(doc, port, entry.nNumber);
    if (!airplane) continue;
    doc.lastNNumber = airplane->nNumber;
    doc.SetModifiedFlag();
    doc.UpdateAllViews();
    if (auto notice = CheckLandingRules(entry, *airplane, form, flags)) {
      port.ShowError(*notice);
      continue;
    }
    return true;
  }
}

void OnNewEntry(CAerodexDoc& doc, CInteractionPort& port) {
  auto entry = std::make_unique<CAerodexEntry>();
  CEntryDlg form = NewEntryForm(doc);
  if (!RunEntryForm(doc, port, *entry, form)) return;
  // A refused append has told the user already and dropped the flight.
  if (!doc.AppendEntry(std::move(entry))) return;
  doc.SortEntries();
}

void OnEditEntry(CAerodexDoc& doc, CInteractionPort& port) {
  CAerodexEntry* entry = doc.selectedEntry;
  if (!entry) {
    port.ShowError("You must first select an entry to edit!");
    return;
  }
  const CAerodexEntry saved = *entry;
  CEntryDlg form;
  form.FillFrom(*entry);
  if (!RunEntryForm(doc, port, *entry, form)) {
    RestoreFlight(*entry, saved);
    doc.NoteChange();
  }
  doc.SortEntries();
}

void OnDeleteEntry(CAerodexDoc& doc, CInteractionPort& port) {
  CAerodexEntry* entry = doc.selectedEntry;
  if (!entry) {
    port.ShowError("You must select an entry to delete by clicking on it.");
    return;
  }
  const std::string question = "Do you really want to delete the entry dated " +
                               std::to_string(entry->month) + "/" + std::to_string(entry->day) +
                               "/" + std::to_string(entry->year) + "? " +
                               "Deletion cannot be undone...";
  if (!port.AskConfirmation(question)) return;
  doc.RemoveEntry(entry);
  doc.selectedEntry = nullptr;
  doc.SetModifiedFlag();
  doc.UpdateAllViews();
}

bool CanEditOrDeleteEntry(const CAerodexDoc& doc) { return doc.EntryCount() > 0; }
