// SPDX-License-Identifier: GPL-3.0-or-later
// CAircraftDialog: the aircraft form "Edit Aircraft Data" on a CAircraftDlg.
// The kind and equipment check boxes on top, the identity and cost on the
// left, the maintenance dates and tachometer readings on the right.
#pragma once

#include <span>

#include "app/dialogs/form_dialog.h"
#include "editing/aircraft_forms.h"

class QGroupBox;
class QGridLayout;

namespace aerodex {

class CAircraftDialog : public CFieldFormDialog<CAircraftDlg> {
 public:
  explicit CAircraftDialog(const CAircraftDlg& form, QWidget* parent = nullptr);

 private:
  // A group of check boxes in two columns, filled top to bottom.
  QGroupBox* CheckGroup(const char* title, std::span<const ControlId> ids);
  QGridLayout* IdentityBlock();
  QGroupBox* MaintenanceGroup();
};

}  // namespace aerodex
