// SPDX-License-Identifier: GPL-3.0-or-later
// CFieldControls: the controls of one form, made from the form's field list
// (Form::Fields()), so that labels, limits, kinds and the order of the checks
// are written once, in editing/. A dialog asks for each control where it lays
// it out; controls are made in that order, which is also the tab order.
#pragma once

#include <QLabel>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/dialogs/field_widgets.h"
#include "editing/control_ids.h"
#include "editing/form_fields.h"

namespace aerodex {

template <class Form>
class CFieldControls {
 public:
  using Field = FormField<Form>;

  explicit CFieldControls(QWidget* owner) : owner_(owner) {}

  static const Field& FieldOf(ControlId controlId) {
    for (const Field& field : Form::Fields()) {
      if (field.controlId == controlId) return field;
    }
    qFatal("no field with control id %d", static_cast<int>(controlId));
  }

  // Makes the control of a field.
  QWidget* Make(ControlId controlId) {
    const Field& field = FieldOf(controlId);
    QWidget* control = MakeFieldControl(LookOf(field), owner_);
    made_.emplace_back(&field, control);
    return control;
  }

  // The field's label, pointing at its control for the keyboard.
  QLabel* Label(ControlId controlId, const QString& text) const {
    auto* label = new QLabel(text, owner_);
    label->setBuddy(Control(controlId));
    return label;
  }
  QLabel* Label(ControlId controlId) const {
    return Label(controlId, QString::fromLatin1(FieldOf(controlId).label));
  }

  QWidget* Control(ControlId controlId) const { return ControlOf(FieldOf(controlId)); }
  QWidget* ControlOf(const Field& field) const {
    for (const auto& [made, control] : made_) {
      if (made == &field) return control;
    }
    return nullptr;
  }

  // True when every field of the form has its control.
  bool Complete() const { return made_.size() == Form::Fields().size(); }
  // The controls in the order they were made.
  std::vector<QWidget*> InOrder() const {
    std::vector<QWidget*> controls;
    for (const auto& made : made_) controls.push_back(made.second);
    return controls;
  }

  void Load(const Form& form) const {
    for (const auto& [field, control] : made_) LoadFieldControl(control, FieldText(*field, form));
  }

  // Reads every control in the order of the checks; the form is written only
  // when all pass, else the first failure comes back.
  std::optional<FieldFailure<Form>> Read(Form& form) const {
    return ReadFormFields(
        Form::Fields(), [this](const Field& field) { return FieldControlText(ControlOf(field)); },
        form);
  }

 private:
  QWidget* owner_;
  std::vector<std::pair<const Field*, QWidget*>> made_;
};

}  // namespace aerodex
