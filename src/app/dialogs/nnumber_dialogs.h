// SPDX-License-Identifier: GPL-3.0-or-later
// The two small aircraft dialogs: the N-Number prompt "Enter N Number for
// aircraft" (its fixed text, a letter N in front of one box) and the aircraft
// list "Select Aircraft" (the N-Numbers in database order, the remembered
// choice highlighted).
#pragma once

#include "app/dialogs/form_dialog.h"
#include "editing/aircraft_forms.h"

class QListWidget;

namespace aerodex {

class CNNumberDialog : public CFieldFormDialog<CNNumberDlg> {
 public:
  explicit CNNumberDialog(const CNNumberDlg& form, QWidget* parent = nullptr);
};

// Whatever the user highlights, by click, double click or the arrow keys,
// becomes the choice, so OK acts on the aircraft the user is looking at. A
// double click chooses and leaves the list open.
class CSelectAircraftDialog : public CFormDialog {
  Q_OBJECT

 public:
  explicit CSelectAircraftDialog(const CSelectAircraftDlg& form, QWidget* parent = nullptr);

  const CSelectAircraftDlg& FormData() const { return form_; }
  QListWidget* List() const { return list_; }

 private:
  void ChooseHighlighted();

  CSelectAircraftDlg form_;
  QListWidget* list_;
};

}  // namespace aerodex
