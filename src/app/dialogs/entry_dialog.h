// SPDX-License-Identifier: GPL-3.0-or-later
// CEntryDialog: the entry form "Edit Aerodex Entry" on a CEntryDlg. Laid out
// in the order a pilot fills in a paper logbook line: date and aircraft, the
// route, the hours by condition, landings and approaches, then the remarks.
#pragma once

#include "app/dialogs/form_dialog.h"
#include "editing/entry_form.h"

class QGroupBox;

namespace aerodex {

class CEntryDialog : public CFieldFormDialog<CEntryDlg> {
 public:
  explicit CEntryDialog(const CEntryDlg& form, QWidget* parent = nullptr);

 private:
  QGroupBox* DateGroup();
  QGroupBox* AircraftGroup();
  QWidget* RouteStrip();
  // A group of two labelled number boxes, one above the other.
  QGroupBox* PairGroup(const char* title, ControlId firstId, ControlId secondId);
  QGroupBox* ApproachGroup();
  QGroupBox* RemarksGroup();
};

}  // namespace aerodex
