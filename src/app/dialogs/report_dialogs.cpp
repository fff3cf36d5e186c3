// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/report_dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/screen_fit.h"

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

// The continuity lines the form lists, the others counted in a last line.
std::vector<std::string> ContinuityShown(const std::vector<std::string>& all) {
  const std::size_t shown = CAircraftStatsDialog::kContinuityShown;
  if (all.size() <= shown) return all;
  std::vector<std::string> lines(all.begin(), all.begin() + static_cast<long>(shown));
  lines.push_back("... and " + std::to_string(all.size() - shown) +
                  " more breaks; Statistics > Check Log lists them all.");
  return lines;
}

}  // namespace

CReportDialog::CReportDialog(const QString& title, QWidget* parent)
    : QDialog(parent),
      body_(new QVBoxLayout),
      buttons_(new QHBoxLayout),
      okButton_(new QPushButton(QStringLiteral("OK"))) {
  setWindowTitle(title);
  setModal(true);
  body_->setSpacing(10);
  buttons_->addStretch();
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
    lines_.emplace_back(line, text);
  }
  body_->addWidget(group);
  sections_.push_back(group);
}

void CReportDialog::AddExtraSection(const char* name, const char* heading,
                                    const std::vector<std::string>& lines) {
  auto* group = new QGroupBox(QString::fromLatin1(heading), this);
  group->setObjectName(QString::fromLatin1(name));
  auto* column = new QVBoxLayout(group);
  column->setSpacing(4);
  for (const std::string& text : lines) {
    QLabel* line = MakeLine(name, text, group);
    column->addWidget(line);
    extraLines_.push_back(line);
  }
  body_->addWidget(group);
}

void CReportDialog::AddButton(QPushButton* button) { buttons_->addWidget(button); }

void CReportDialog::Finish() {
  buttons_->addWidget(okButton_);
  LayOutFitted(*this, body_, buttons_, 4);
  okButton_->setFocus(Qt::OtherFocusReason);
}

void CReportDialog::Refresh() {
  for (auto& [line, text] : lines_) line->setText(FromCp1252(*text));
}

QStringList CReportDialog::Lines() const {
  QStringList texts;
  for (const auto& [line, text] : lines_) texts << line->text();
  return texts;
}

QStringList CReportDialog::Headings() const {
  QStringList texts;
  for (const QGroupBox* section : sections_) texts << section->title();
  return texts;
}

QStringList CReportDialog::ExtraLines() const {
  QStringList texts;
  for (const QLabel* line : extraLines_) texts << line->text();
  return texts;
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
  AddExtraSection("dueMonths", "Due Months", {report_.annualDue, report_.tboDue});
  std::vector<std::string> tachometer{report_.currentTach};
  for (const std::string& line : ContinuityShown(report_.tachContinuity)) {
    tachometer.push_back(line);
  }
  AddExtraSection("tachometer", "Tachometer", tachometer);
  Finish();
}

QString CAircraftStatsDialog::NNumberShown() const { return nNumber_->text(); }

}  // namespace aerodex
