// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes of the forms and what they do while the user types: letters turn
// into capitals, length limits hold, digits-only boxes take only digits, and
// nothing can be typed that a log (Windows-1252 text) cannot store.
//
// A stored value longer than its box's limit (an imported remark, an old
// airport id) is shown whole, never cut: typing can then only shorten it, and
// the length check on OK asks the user to shorten it further.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <cstddef>
#include <string>

#include "editing/form_fields.h"

class QCheckBox;

namespace aerodex {

// True when every character of text has a Windows-1252 byte.
bool FitsCp1252(const QString& text);

// The typing rules of a one-line box.
class CFieldValidator : public QValidator {
  Q_OBJECT

 public:
  CFieldValidator(bool upperCase, bool digitsOnly, QObject* parent);
  // Refuses digits-only violations and characters outside Windows-1252;
  // turns letters into capitals in place, so the cursor keeps its position.
  State validate(QString& input, int& pos) const override;

 private:
  bool upperCase_;
  bool digitsOnly_;
};

// A one-line box with a length limit (0: none).
class CFieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  CFieldEdit(std::size_t limit, bool upperCase, bool digitsOnly, QWidget* parent);
  // Shows text whole, even beyond the limit.
  void Load(const QString& text);

 private:
  void ShrinkAllowance();

  int limit_;
};

// The multi-line remarks box. Enter accepts the form as in every other box;
// pasted line breaks become blanks, since the log prints remarks as one
// wrapped paragraph. Its length counts Windows-1252 bytes, a line break
// kept from a stored remark as the two bytes CR LF.
class CRemarksEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  CRemarksEdit(std::size_t limit, QWidget* parent);
  void Load(const std::string& bytes);
  // The stored bytes when the user changed nothing, else the box's text.
  std::string Bytes() const;
  std::size_t ByteLength() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // What of text may be inserted in place of the selection.
  QString Admissible(QString text) const;
  std::size_t SelectionBytes() const;

  std::size_t limit_;
  std::size_t allowance_;
  std::string loaded_;
};

// What a dialog needs to know to build one field's control.
struct FieldLook {
  FieldKind kind = FieldKind::kText;
  const char* member = "";
  const char* label = "";
  std::size_t maxLength = 0;
  bool upperCase = false;
  bool digitsOnly = false;
  bool multiLine = false;
};

template <class Form>
FieldLook LookOf(const FormField<Form>& field) {
  return {field.kind,      field.member,     field.label,    field.maxLength,
          field.upperCase, field.digitsOnly, field.multiLine};
}

// The control of a field: a CFieldEdit (numbers right-aligned), a
// CRemarksEdit or a QCheckBox, named after the member it shows.
QWidget* MakeFieldControl(const FieldLook& look, QWidget* parent);
// Puts the form's text for the field into its control (check boxes: "1").
void LoadFieldControl(QWidget* control, const std::string& text);
// The control's text as Windows-1252 bytes (check boxes: "1" or "0").
std::string FieldControlText(const QWidget* control);
// Moves the keyboard focus to the control and selects its whole text.
void FocusAndSelectAll(QWidget* control);

}  // namespace aerodex
