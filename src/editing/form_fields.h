// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of a form as one ordered list, so that a dialog only walks it:
// each entry names the control, the member of the form data it shows, its
// kind and limits. The list is in the order in which the fields are read when
// the user presses OK; the first field that fails its check stops the reading.
//
// How a dialog uses it: on opening, put FieldText(field, form) into each box
// (check boxes: checked when the text is "1"); limit typing to field.maxLength
// characters when it is not 0, turn letters into capitals as they are typed
// (UpperCaseCp1252) when upperCase is set, accept only digits when digitsOnly
// is set. On OK, call ReadFormFields with the text of each box (Windows-1252
// bytes): on failure show the message, focus the failing control and select
// its text; the form data is written only when every field has passed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "editing/control_ids.h"
#include "editing/field_checks.h"
#include "model/record_fields.h"

namespace aerodex {

enum class FieldKind { kText, kWholeNumber, kDecimal, kCheckBox };

template <class Form>
struct FormField {
  ControlId controlId{};
  const char* member = "";  // the form data member (and record field) it shows
  const char* label = "";   // the label beside the box; empty for unlabelled boxes
  FieldKind kind = FieldKind::kText;
  std::string Form::*text = nullptr;
  unsigned Form::*wholeNumber = nullptr;
  double Form::*decimal = nullptr;
  int Form::*checkBox = nullptr;  // 0 or 1
  bool hasRange = false;
  double minimum = 0;  // whole-number bounds are exact in a double
  double maximum = 0;
  std::size_t maxLength = 0;  // characters (bytes); 0: no limit
  bool upperCase = false;
  bool digitsOnly = false;
  bool multiLine = false;
};

// Builders for the form field lists.
template <class Form>
FormField<Form> TextField(ControlId id, const char* member, const char* label,
                          std::string Form::*field, std::size_t maxLength = 0,
                          bool upperCase = true) {
  FormField<Form> f{id, member, label, FieldKind::kText};
  f.text = field;
  f.maxLength = maxLength;
  f.upperCase = upperCase;
  return f;
}

template <class Form>
FormField<Form> WholeField(ControlId id, const char* member, const char* label,
                           unsigned Form::*field, unsigned minimum, unsigned maximum,
                           bool digitsOnly = false) {
  FormField<Form> f{id, member, label, FieldKind::kWholeNumber};
  f.wholeNumber = field;
  f.hasRange = true;
  f.minimum = minimum;
  f.maximum = maximum;
  f.maxLength = kNumberTextLimit;
  f.digitsOnly = digitsOnly;
  return f;
}

template <class Form>
FormField<Form> DecimalField(ControlId id, const char* member, const char* label,
                             double Form::*field) {
  FormField<Form> f{id, member, label, FieldKind::kDecimal};
  f.decimal = field;
  f.maxLength = kNumberTextLimit;
  return f;
}

template <class Form>
FormField<Form> DecimalField(ControlId id, const char* member, const char* label,
                             double Form::*field, double minimum, double maximum) {
  FormField<Form> f = DecimalField<Form>(id, member, label, field);
  f.hasRange = true;
  f.minimum = minimum;
  f.maximum = maximum;
  return f;
}

template <class Form>
FormField<Form> CheckBoxField(ControlId id, const char* member, const char* label,
                              int Form::*field) {
  FormField<Form> f{id, member, label, FieldKind::kCheckBox};
  f.checkBox = field;
  return f;
}

// The text a box shows for the form's value.
template <class Form>
std::string FieldText(const FormField<Form>& field, const Form& form) {
  switch (field.kind) {
    case FieldKind::kText:
      return form.*field.text;
    case FieldKind::kWholeNumber:
      return FormatWholeNumber(form.*field.wholeNumber);
    case FieldKind::kDecimal:
      return FormatDecimal(form.*field.decimal);
    case FieldKind::kCheckBox:
      return form.*field.checkBox ? "1" : "0";
  }
  return {};
}

// Checks one box's text and, when it passes, writes the value into the form.
template <class Form>
FieldCheck ReadField(const FormField<Form>& field, std::string_view text, Form& form) {
  switch (field.kind) {
    case FieldKind::kText: {
      if (field.maxLength != 0) {
        FieldCheck length = CheckTextLength(text, field.maxLength);
        if (!length.passed) return length;
      }
      form.*field.text = std::string(text);
      return FieldCheck::Pass();
    }
    case FieldKind::kWholeNumber:
      if (!field.hasRange) return ReadWholeNumber(text, form.*field.wholeNumber);
      return ReadWholeNumber(text, static_cast<unsigned>(field.minimum),
                             static_cast<unsigned>(field.maximum), form.*field.wholeNumber);
    case FieldKind::kDecimal:
      if (!field.hasRange) return ReadDecimal(text, form.*field.decimal);
      return ReadDecimal(text, field.minimum, field.maximum, form.*field.decimal);
    case FieldKind::kCheckBox:
      form.*field.checkBox = text == "1" ? 1 : 0;
      return FieldCheck::Pass();
  }
  return FieldCheck::Pass();
}

// The first field that failed, with its message.
template <class Form>
struct FieldFailure {
  const FormField<Form>* field = nullptr;
  std::string message;
};

// Reads every field in list order through textOf(field). The form is written
// only when all fields pass; otherwise it is left as it was.
template <class Form, class TextOf>
std::optional<FieldFailure<Form>> ReadFormFields(std::span<const FormField<Form>> fields,
                                                 TextOf&& textOf, Form& form) {
  Form read = form;
  for (const FormField<Form>& field : fields) {
    FieldCheck check = ReadField(field, std::string_view(textOf(field)), read);
    if (!check.passed) return FieldFailure<Form>{&field, std::move(check.message)};
  }
  form = std::move(read);
  return std::nullopt;
}

// Shows the form's values and reads them back as a dialog would on OK.
template <class Form>
std::optional<FieldFailure<Form>> RoundTripFields(std::span<const FormField<Form>> fields,
                                                  Form& form) {
  const Form shown = form;
  return ReadFormFields(
      fields, [&](const FormField<Form>& f) { return FieldText(f, shown); }, form);
}

}  // namespace aerodex

namespace aerodex {

// Copies between a form's data and the record it edits, by the record's field
// table: each box shows the record field its member names, and every saved
// field of the record has its box, so a field added to both is copied with no
// further code.
template <class Form, const auto& kRecordFields>
class CFormRecordCopy {
  using RecordRow = std::remove_cvref_t<decltype(kRecordFields[0])>;
  using Record = typename RecordRow::RecordType;

 public:
  static void FillForm(Form& form, const Record& record) { Transfer(form, record); }
  static void CopyToRecord(const Form& form, Record& record) { Transfer(form, record); }

  // What keeps the form and the record from matching field for field; empty when nothing does.
  static std::string Mismatch() {
    std::string problems;
    std::vector<bool> shown(kRecordFields.size(), false);
    for (const FormField<Form>& box : Form::Fields()) {
      const RecordRow* row = RowNamed(box.member);
      const std::string name = box.member;
      if (!row) {
        problems += "no record field for the box " + name + ". ";
      } else if (!SameKind(box.kind, row->Kind())) {
        problems += "the box " + name + " and its field differ in kind. ";
      } else if (shown[static_cast<std::size_t>(row - kRecordFields.data())]) {
        problems += "two boxes show " + name + ". ";
      } else {
        shown[static_cast<std::size_t>(row - kRecordFields.data())] = true;
      }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (!shown[i]) {
        problems += std::string("no box for the field ") + kRecordFields[i].name + ". ";
      }
    }
    return problems;
  }

 private:
  using Pair = std::pair<const FormField<Form>*, const RecordRow*>;

  // Copies every box from the record, or every field from the form: into
  // whichever of the two is not const.
  template <class FormData, class RecordData>
  static void Transfer(FormData& form, RecordData& record) {
    for (const auto& [box, row] : Pairs()) {
      switch (box->kind) {
        case FieldKind::kText:
          Move(form.*box->text, record.*row->text);
          break;
        case FieldKind::kWholeNumber:
          Move(form.*box->wholeNumber, record.*row->whole);
          break;
        case FieldKind::kDecimal:
          Move(form.*box->decimal, record.*row->decimal);
          break;
        case FieldKind::kCheckBox:
          Move(form.*box->checkBox, record.*row->whole);
          break;
      }
    }
  }
  // Whole numbers are unsigned in the boxes and ints in the records.
  template <class Box, class Value>
  static void Move(Box& box, Value& value) {
    if constexpr (std::is_const_v<Box>) {
      value = static_cast<Value>(box);
    } else {
      box = static_cast<Box>(value);
    }
  }

  static bool SameKind(FieldKind box, ValueKind value) {
    switch (box) {
      case FieldKind::kText:
        return value == ValueKind::kText;
      case FieldKind::kWholeNumber:
      case FieldKind::kCheckBox:
        return value == ValueKind::kWhole;
      case FieldKind::kDecimal:
        return value == ValueKind::kDecimal;
    }
    return false;
  }

  static const RecordRow* RowNamed(std::string_view name) {
    for (const RecordRow& row : kRecordFields) {
      if (name == row.name) return &row;
    }
    return nullptr;
  }

  // Built once. A mismatch is a fault of the program, found by the tests long
  // before a user could meet it.
  static const std::vector<Pair>& Pairs() {
    static const std::vector<Pair> pairs = [] {
      if (const std::string problems = Mismatch(); !problems.empty()) {
        std::fprintf(stderr, "%s: %s\n", Form::kTitle, problems.c_str());
        std::abort();
      }
      std::vector<Pair> made;
      for (const FormField<Form>& box : Form::Fields()) {
        made.emplace_back(&box, RowNamed(box.member));
      }
      return made;
    }();
    return pairs;
  }
};

}  // namespace aerodex
