// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/field_widgets.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "app/qt_text.h"
#include "editing/field_checks.h"

namespace aerodex {
namespace {

// What QLineEdit allows when no limit is set.
constexpr int kUnlimited = 32767;

int LimitOf(std::size_t limit) {
  return limit == 0 ? kUnlimited : static_cast<int>(std::min<std::size_t>(limit, kUnlimited));
}

bool IsDigits(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Line breaks of a pasted text, a CR LF pair counting once, become blanks.
QString BreaksToBlanks(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    out += IsLineBreak(text[i]) ? QChar(u' ') : text[i];
  }
  return out;
}

}  // namespace

bool FitsCp1252(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) {
    if (c.isSurrogate()) return false;
    return c == u'?' || CodePointToCp1252(c.unicode()) != '?';
  });
}

CFieldValidator::CFieldValidator(bool upperCase, bool digitsOnly, QObject* parent)
    : QValidator(parent), upperCase_(upperCase), digitsOnly_(digitsOnly) {}

QValidator::State CFieldValidator::validate(QString& input, int&) const {
  // A pasted line break or tab becomes a blank: a one-line box holds neither.
  std::replace_if(
      input.begin(), input.end(), [](QChar c) { return c < u' '; }, QChar(u' '));
  if (digitsOnly_ && !IsDigits(input)) return Invalid;
  if (!FitsCp1252(input)) return Invalid;
  // The same capitals as the log's own text rules, one character for one.
  if (upperCase_) input = FromCp1252(UpperCaseCp1252(ToCp1252(input)));
  return Acceptable;
}

CFieldEdit::CFieldEdit(std::size_t limit, bool upperCase, bool digitsOnly, QWidget* parent)
    : QLineEdit(parent), limit_(LimitOf(limit)) {
  setMaxLength(limit_);
  setValidator(new CFieldValidator(upperCase, digitsOnly, this));
  connect(this, &QLineEdit::textEdited, this, &CFieldEdit::ShrinkAllowance);
}

void CFieldEdit::Load(const QString& text) {
  setMaxLength(std::max(limit_, static_cast<int>(text.size())));
  setText(text);
}

// A value loaded beyond the limit may be shortened, never lengthened again.
void CFieldEdit::ShrinkAllowance() {
  const int length = static_cast<int>(text().size());
  if (maxLength() > limit_ && length < maxLength()) setMaxLength(std::max(limit_, length));
}

CRemarksEdit::CRemarksEdit(std::size_t limit, QWidget* parent)
    : QPlainTextEdit(parent), limit_(limit), allowance_(limit) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // A remark loaded beyond the limit may be shortened, never lengthened again.
  connect(document(), &QTextDocument::contentsChanged, this,
          [this] { allowance_ = std::max(limit_, std::min(allowance_, ByteLength())); });
}

void CRemarksEdit::Load(const std::string& bytes) {
  loaded_ = bytes;
  setPlainText(FromCp1252(bytes));
  document()->setModified(false);
  allowance_ = std::max(limit_, bytes.size());
}

std::string CRemarksEdit::Bytes() const {
  if (!document()->isModified()) return loaded_;
  QString text = toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return ToCp1252(text);
}

std::size_t CRemarksEdit::ByteLength() const {
  // Every block but the last ends in a line break of two bytes.
  const int blocks = document()->blockCount();
  return static_cast<std::size_t>(document()->characterCount() - 1 + (blocks - 1));
}

std::size_t CRemarksEdit::SelectionBytes() const {
  const QString selected = textCursor().selectedText();
  return static_cast<std::size_t>(selected.size() + selected.count(QChar::ParagraphSeparator));
}

QString CRemarksEdit::Admissible(QString text) const {
  text = BreaksToBlanks(text);
  text.removeIf([](QChar c) { return !FitsCp1252(QString(c)); });
  const std::size_t kept = ByteLength() - SelectionBytes();
  const std::size_t room = allowance_ > kept ? allowance_ - kept : 0;
  if (static_cast<std::size_t>(text.size()) > room) text.truncate(static_cast<qsizetype>(room));
  return text;
}

void CRemarksEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    event->ignore();  // the dialog presses its default button
    return;
  }
  const QString typed = event->text();
  const bool inserts = !typed.isEmpty() && typed[0].isPrint();
  if (inserts && Admissible(typed) != typed) return;  // over the limit or not storable
  QPlainTextEdit::keyPressEvent(event);
}

void CRemarksEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (!commit.isEmpty() && Admissible(commit) != commit) {
    event->setCommitString(Admissible(commit));
  }
  QPlainTextEdit::inputMethodEvent(event);
}

void CRemarksEdit::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  const QString text = Admissible(source->text());
  if (!text.isEmpty()) textCursor().insertText(text);
  ensureCursorVisible();
}

QWidget* MakeFieldControl(const FieldLook& look, QWidget* parent) {
  QWidget* control = nullptr;
  switch (look.kind) {
    case FieldKind::kCheckBox:
      control = new QCheckBox(QString::fromLatin1(look.label), parent);
      break;
    case FieldKind::kText:
      if (look.multiLine) {
        control = new CRemarksEdit(look.maxLength, parent);
      } else {
        control = new CFieldEdit(look.maxLength, look.upperCase, false, parent);
      }
      break;
    case FieldKind::kWholeNumber:
    case FieldKind::kDecimal: {
      auto* edit = new CFieldEdit(look.maxLength, false, look.digitsOnly, parent);
      edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);  // numbers line up as in the log
      control = edit;
      break;
    }
  }
  control->setObjectName(QString::fromLatin1(look.member));
  return control;
}

void LoadFieldControl(QWidget* control, const std::string& text) {
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    box->setChecked(text == "1");
  } else if (auto* edit = qobject_cast<CFieldEdit*>(control)) {
    edit->Load(FromCp1252(text));
  } else if (auto* remarks = qobject_cast<CRemarksEdit*>(control)) {
    remarks->Load(text);
  }
}

std::string FieldControlText(const QWidget* control) {
  if (auto* box = qobject_cast<const QCheckBox*>(control)) return box->isChecked() ? "1" : "0";
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return ToCp1252(edit->text());
  if (auto* remarks = qobject_cast<const CRemarksEdit*>(control)) return remarks->Bytes();
  return {};
}

void FocusAndSelectAll(QWidget* control) {
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
  if (auto* remarks = qobject_cast<QPlainTextEdit*>(control)) remarks->selectAll();
}

}  // namespace aerodex
