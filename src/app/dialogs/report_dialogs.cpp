#include "app/dialogs/report_dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace aerodex {
namespace {

constexpr int kLineWidth = 520;

QLabel* MakeLine(const char* name, const std::string& text, QWidget* parent) {
  auto* line = new QLabel(FromCp1252(text), parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setTextFormat(Qt::PlainText);
  line->setTextInteractionFlags(Qt::TextSelectableByMouse);
  line->setWordWrap(true);
  line->setMinimumWidth(kLineWidth);
  // An empty line keeps its height.
  line->setMinimumHeight(line->fontMetrics().lineSpacing());
  return line;
}

}  // namespace

CReportDialog::CReportDialog(const QString& title, QWidget* parent)
    : QDialog(parent), body_(new QVBoxLayout), okButton_(new QPushButton(QStringLiteral("OK"))) {
  setWindowTitle(title);
  setModal(true);
  body_->setSpacing(10);
  okButton_->setObjectName(QStringLiteral("ok"));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void CReportDialog::AddSection(const char* heading, std::initializer_list<Line> lines) {
  auto* group = new QGroupBox(QString::fromLatin1(heading), this);
  auto* column = new QVBoxLayout(group);
  column->setSpacing(4);
  for (const auto& [name, text] : lines) {
    QLabel* line = MakeLine(name, *text, group);
    column->addWidget(line);
    lines_.push_back(line);
  }
  body_->addWidget(group);
  sections_.push_back(group);
}

void CReportDialog::Finish() {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(body_);
  whole->addSpacing(4);
  whole->addLayout(buttons);
  whole->setSizeConstraint(QLayout::SetFixedSize);
  okButton_->setFocus(Qt::OtherFocusReason);
}

QStringList CReportDialog::Lines() const {
  QStringList texts;
  for (const QLabel* line : lines_) texts << line->text();
  return texts;
}

QStringList CReportDialog::Headings() const {
  QStringList texts;
  for (const QGroupBox* section : sections_) texts << section->title();
  return texts;
}

CCurrencyDialog::CCurrencyDialog(const CCurrencyDlg& report, QWidget* parent)
    : CReportDialog(QStringLiteral("Currency Check"), parent), report_(report) {
  AddSection("Medical Currency", {{"medical1", &report_.medical1},
                                  {"medical2", &report_.medical2},
                                  {"medical3", &report_.medical3}});
  AddSection("BFR Currency", {{"bfr", &report_.bfr}});
  AddSection("IFR Currency (Pre-Aug. 4, 1997 Rules)", {{"oldIfr", &report_.oldIfr}});
  AddSection("IFR Currency (Post-Aug. 4, 1997 Rules)", {{"newIfr", &report_.newIfr}});
  AddSection("Night Currency", {{"night", &report_.night}});
  Finish();
}

CAircraftStatsDialog::CAircraftStatsDialog(const CAircraftStatsDlg& report, QWidget* parent)
    : CReportDialog(QStringLiteral("Aircraft Statistics"), parent), report_(report) {
  nNumber_ = new QLabel(FromCp1252(report_.nNumber), this);
  nNumber_->setObjectName(QStringLiteral("nNumber"));
  nNumber_->setTextFormat(Qt::PlainText);
  nNumber_->setAlignment(Qt::AlignCenter);
  QFont big = nNumber_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  nNumber_->setFont(big);
  Body()->addWidget(nNumber_);
  AddSection("Engine Oil Change", {{"oilChange", &report_.oilChange}});
  AddSection("Annual Inspection", {{"annual", &report_.annual}});
  AddSection("Time Before Overhaul (TBO)",
             {{"tboHours", &report_.tboHours}, {"tboMonths", &report_.tboMonths}});
  Finish();
}

QString CAircraftStatsDialog::NNumberShown() const { return nNumber_->text(); }

}  // namespace aerodex
