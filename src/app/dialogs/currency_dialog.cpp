// SPDX-License-Identifier: GPL-3.0-or-later
// The Currency Check form: the seven lines, the "As of" date that
// recomputes them, and the working that "Details" opens below them.
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/report_dialogs.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"

namespace aerodex {
namespace {

constexpr int kWorkingLines = 24;
constexpr int kLeastWorkingLines = 6;
constexpr int kWorkingWidth = 640;

// The working is as wide as the lines above it; on a narrow screen it
// gives way down to half that and wraps.
class CWorkingPanel final : public QTextEdit {
 public:
  explicit CWorkingPanel(QWidget* parent) : QTextEdit(parent) {}
  QSize sizeHint() const override { return {kWorkingWidth, QTextEdit::sizeHint().height()}; }
  QSize minimumSizeHint() const override {
    return {kWorkingWidth / 2, QTextEdit::minimumSizeHint().height()};
  }
};

QDate ToQDate(const LocalDate& day) { return QDate(day.year, day.month, day.day); }

LocalDate ToLocalDate(const QDate& date) { return {date.day(), date.month(), date.year()}; }

// The working as the pilot reads it: bold headings, each line a paragraph
// indented under its heading, list lines further in; wrapped lines keep
// their indent.
void ShowWorking(QTextEdit& panel, const std::vector<CWorkingSection>& sections) {
  panel.clear();
  QTextCursor cursor(panel.document());
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  const QTextCharFormat plain;
  bool first = true;
  for (const CWorkingSection& section : sections) {
    QTextBlockFormat heading;
    heading.setTopMargin(first ? 0 : 8);
    if (first) {
      cursor.setBlockFormat(heading);
    } else {
      cursor.insertBlock(heading);
    }
    first = false;
    cursor.insertText(FromCp1252(section.heading), bold);
    for (const std::string& line : section.lines) {
      const bool listed = line.rfind("  ", 0) == 0;
      QTextBlockFormat paragraph;
      paragraph.setLeftMargin(listed ? 32 : 14);
      cursor.insertBlock(paragraph);
      cursor.insertText(FromCp1252(listed ? line.substr(2) : line), plain);
    }
  }
  panel.moveCursor(QTextCursor::Start);
}

}  // namespace

CCurrencyDialog::CCurrencyDialog(const CCurrencyDlg& report, QWidget* parent,
                                 CCurrencyAsOf recompute)
    : CReportDialog(QStringLiteral("Currency Check"), parent),
      report_(report),
      recompute_(std::move(recompute)) {
  AddAsOfRow();
  AddSection("Medical Currency", {{"medical1", &report_.medical1},
                                  {"medical2", &report_.medical2},
                                  {"medical3", &report_.medical3}});
  AddSection("BFR Currency", {{"bfr", &report_.bfr}});
  AddSection("IFR Currency (Pre-Aug. 4, 1997 Rules)", {{"oldIfr", &report_.oldIfr}});
  AddSection("IFR Currency (Post-Aug. 4, 1997 Rules)", {{"newIfr", &report_.newIfr}});
  AddSection("Night Currency", {{"night", &report_.night}});
  AddDetails();
  Finish();
}

void CCurrencyDialog::AddAsOfRow() {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("As of"), this);
  asOf_ = new QDateEdit(this);
  asOf_->setObjectName(QStringLiteral("asOf"));
  asOf_->setDisplayFormat(QStringLiteral("M/d/yyyy"));  // month/day/year
  asOf_->setCalendarPopup(true);
  asOf_->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
  const QDate shown = ToQDate(report_.asOf);
  if (shown.isValid()) asOf_->setDate(shown);
  asOf_->setEnabled(static_cast<bool>(recompute_));
  asOf_->setToolTip(
      QStringLiteral("The day to check: a later day tells whether you will still "
                     "be current then."));
  label->setBuddy(asOf_);
  row->addWidget(label);
  row->addWidget(asOf_);
  row->addStretch();
  Body()->addLayout(row);
  connect(asOf_, &QDateEdit::dateChanged, this, [this] { Recompute(); });
}

void CCurrencyDialog::AddDetails() {
  working_ = new CWorkingPanel(this);
  working_->setObjectName(QStringLiteral("working"));
  working_->setReadOnly(true);
  ShowWorking(*working_, report_.working);
  working_->setVisible(false);
  Body()->addWidget(working_);
  details_ = new QPushButton(QStringLiteral("Details"), this);
  details_->setObjectName(QStringLiteral("details"));
  details_->setCheckable(true);
  details_->setAutoDefault(false);
  connect(details_, &QPushButton::toggled, this, [this](bool shown) {
    if (shown) FitWorking();
    working_->setVisible(shown);
  });
  AddButton(details_);
}

// 24 lines, or what the screen leaves below the lines (at least six): the
// form stays inside the screen and the working scrolls.
void CCurrencyDialog::FitWorking() {
  const int line = working_->fontMetrics().lineSpacing();
  const int spare = ScreenRoom(*this).height() - sizeHint().height() - Body()->spacing();
  working_->setFixedHeight(std::clamp(spare, kLeastWorkingLines * line, kWorkingLines * line));
}

void CCurrencyDialog::Recompute() {
  if (!recompute_) return;
  report_ = recompute_(ToLocalDate(asOf_->date()));
  Refresh();
  // Keep the pilot's place in a long working.
  const int scrolled = working_->verticalScrollBar()->value();
  ShowWorking(*working_, report_.working);
  working_->verticalScrollBar()->setValue(scrolled);
}

QString CCurrencyDialog::WorkingText() const { return working_->toPlainText(); }

bool CCurrencyDialog::DetailsShown() const { return !working_->isHidden(); }

}  // namespace aerodex
