// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/aircraft_commands.h"

#include <memory>
#include <optional>
#include <utility>

#include "editing/aircraft_forms.h"
#include "editing/interaction_port.h"
#include "model/document.h"

namespace {

// The three rules of a new aircraft, in order.
std::optional<std::string> CheckNewAircraft(const CAircraftDlg& form) {
  if (form.nNumber.empty()) return "Aircraft must have an N-Number";
  if (form.model.empty()) return "Aircraft model not specified!";
  if (form.isAirplane && !form.isSingleEngine && !form.isMultiEngine) {
    return "Must specify single engine or multi-Engine for airplane";
  }
  return std::nullopt;
}

}  // namespace

bool RunAircraftForm(CAerodexDoc& doc, CInteractionPort& port, std::string nNumber) {
  // Only the N-Number given is tested: one changed in the form is taken as typed.
  if (doc.FindAircraft(nNumber)) {
    port.ShowError("That aircraft already exists in the data base!");
    return false;
  }
  CAircraftDlg form = CAircraftDlg::ForNewAircraft(std::move(nNumber));
  for (;;) {
    if (!port.ShowAircraftForm(form)) return false;
    const auto refusal = CheckNewAircraft(form);
    if (!refusal) break;
    port.ShowError(*refusal);
  }
  auto airplane = std::make_unique<CAirplane>(form.nNumber);
  form.CopyTo(*airplane);
  doc.lastNNumber = airplane->nNumber;
  doc.AppendAircraft(std::move(airplane));
  doc.SetModifiedFlag();
  doc.UpdateAllViews();
  return true;
}

std::string DropLeadingN(std::string typed) {
  if (!typed.empty() && typed.front() == 'N') typed.erase(0, 1);
  return typed;
}

void OnNewAircraft(CAerodexDoc& doc, CInteractionPort& port) {
  CNNumberDlg prompt;
  while (port.ShowNNumberPrompt(prompt)) {
    if (RunAircraftForm(doc, port, DropLeadingN(prompt.nNumber))) return;
  }
}

long PickAircraft(CAerodexDoc& doc, CInteractionPort& port) {
  CSelectAircraftDlg list;
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    list.nNumbers.push_back(doc.Aircraft(i).nNumber);
    if (list.nNumbers.back() == doc.lastNNumber) list.choice = static_cast<long>(i);
  }
  if (!port.ShowAircraftList(list)) return -1;
  // The list's choice is trusted only when it names an aircraft.
  if (list.choice < 0 || static_cast<std::size_t>(list.choice) >= doc.AircraftCount()) return -1;
  return list.choice;
}

void OnEditAircraft(CAerodexDoc& doc, CInteractionPort& port) {
  const long index = PickAircraft(doc, port);
  if (index < 0) return;
  CAirplane& airplane = doc.Aircraft(static_cast<std::size_t>(index));
  CAircraftDlg form;
  form.FillFrom(airplane);
  if (!port.ShowAircraftForm(form)) return;
  form.CopyTo(airplane);  // no rules here: the N-Number may be empty or shared
  doc.SetModifiedFlag();
  doc.lastNNumber = airplane.nNumber;
  doc.UpdateAllViews();
}

void OnDeleteAircraft(CAerodexDoc& doc, CInteractionPort& port) {
  const long index = PickAircraft(doc, port);
  if (index < 0) return;
  const std::string& nNumber = doc.Aircraft(static_cast<std::size_t>(index)).nNumber;
  if (!port.AskConfirmation("Are you sure you want to delete " + nNumber +
                            " from the database ?")) {
    return;
  }
  doc.RemoveAircraftAt(static_cast<std::size_t>(index));
  doc.SetModifiedFlag();
  doc.UpdateAllViews();
}

bool CanEditOrDeleteAircraft(const CAerodexDoc& doc) { return doc.AircraftCount() > 0; }
