// SPDX-License-Identifier: GPL-3.0-or-later
// CPilotInfoDialog: the pilot form "Edit Pilot Information" on a
// CPilotInfoDlg. The pilot's identification across the top; below it the
// important dates, the certificates and category ratings, and the class and
// instrument ratings with their instructor (CFI) boxes lined up in a column.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "app/dialogs/form_dialog.h"
#include "editing/pilot_form.h"

class QGroupBox;
class QGridLayout;

namespace aerodex {

class CPilotInfoDialog : public CFieldFormDialog<CPilotInfoDlg> {
 public:
  explicit CPilotInfoDialog(const CPilotInfoDlg& form, QWidget* parent = nullptr);

 private:
  QGroupBox* IdentificationGroup();
  QGroupBox* DatesGroup();
  // A group of check boxes, one above the other.
  QGroupBox* ColumnGroup(const char* title, std::span<const ControlId> ids);
  // A group of ratings, each with its CFI box beside it.
  QGroupBox* RatingGroup(const char* title, std::span<const std::pair<ControlId, ControlId>> rows);
  // Gives every rating column the same width, so the CFI boxes line up.
  void AlignCfiColumns();

  std::vector<QGridLayout*> ratingGrids_;
};

}  // namespace aerodex
