// SPDX-License-Identifier: GPL-3.0-or-later
// CFormDialog: what every form of the program shares. The title, OK (the
// default button) and Cancel, Escape to cancel, and the refusal of a field
// that fails its check: a warning box titled "aerodex" with the check's
// message, then the focus on the failing field with its whole text selected;
// the dialog stays open with every value as the user left it.
//
// CFieldFormDialog<Form> adds the form data and its controls: the controls
// show the data when the dialog opens, and OK reads them back through the
// field checks; the data is written only when all pass.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "app/dialogs/field_controls.h"

class QBoxLayout;
class QLayout;
class QPushButton;
class QScrollArea;

namespace aerodex {

class CFormDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows a field check's message; the default is the warning message box.
  // Tests put a recorder here so that no modal box stops them.
  using Warning = std::function<void(QWidget* parent, const QString& message)>;
  void SetWarning(Warning warning) { warning_ = std::move(warning); }

  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  CFormDialog(const char* title, QWidget* parent);

  // The warning, then focus and selection on the failing control.
  void RefuseField(QWidget* control, const std::string& message);

  // OK and Cancel side by side at the bottom left, OK first.
  QBoxLayout* ButtonsLeftOkFirst();
  // OK and Cancel at the bottom right, Cancel to the left of OK.
  QBoxLayout* ButtonsRightCancelFirst();

  // The form's controls above, gap, the buttons below, in a dialog of fixed
  // size; where the screen is too small for the controls they scroll.
  void LayOutForm(QLayout* controls, QLayout* buttons, int gap);

  // Tab goes through the controls in the given order, then the two buttons
  // as they stand; the first control has the focus when the dialog opens.
  void SetTabOrder(const std::vector<QWidget*>& controls);

 private:
  Warning warning_;
  QScrollArea* scroll_ = nullptr;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  std::vector<QWidget*> buttonsInOrder_;
};

template <class Form>
class CFieldFormDialog : public CFormDialog {
 public:
  const Form& FormData() const { return form_; }
  // The control of a field, for tests and for the focus.
  QWidget* Control(ControlId controlId) const { return controls_.Control(controlId); }
  bool HasEveryControl() const { return controls_.Complete(); }

  void accept() override {
    if (auto failure = controls_.Read(form_)) {
      RefuseField(controls_.ControlOf(*failure->field), failure->message);
      return;
    }
    QDialog::accept();
  }

 protected:
  CFieldFormDialog(const Form& form, QWidget* parent)
      : CFormDialog(Form::kTitle, parent), form_(form), controls_(this) {}

  // Call once every control is made, in visual order, and laid out.
  void ShowFormData() {
    Q_ASSERT(controls_.Complete());
    controls_.Load(form_);
    SetTabOrder(controls_.InOrder());
  }

  Form form_;
  CFieldControls<Form> controls_;
};

}  // namespace aerodex
