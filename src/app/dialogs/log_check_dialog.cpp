// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/log_check_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "app/screen_fit.h"

namespace aerodex {
namespace {

constexpr int kListWidth = 820;
constexpr int kListRows = 16;

QString SummaryText(const CLogCheckDlg& report) {
  if (report.flightsChecked == 0) return QStringLiteral("The log holds no flight to check.");
  const QString flights = report.flightsChecked == 1
                              ? QStringLiteral("1 flight checked")
                              : QStringLiteral("%1 flights checked").arg(report.flightsChecked);
  if (report.findings.empty()) return flights + QStringLiteral(": nothing to question.");
  const QString found = report.findings.size() == 1
                            ? QStringLiteral("1 finding")
                            : QStringLiteral("%1 findings").arg(report.findings.size());
  return flights + QStringLiteral(": ") + found +
         QStringLiteral(". Double-click a finding to show its flight.");
}

void FillList(QListWidget& list, const CLogCheckDlg& report) {
  list.clear();
  for (const CLogFinding& finding : report.findings) {
    auto* item = new QListWidgetItem(FromCp1252(finding.text), &list);
    item->setToolTip(item->text());  // the whole line, should the list be narrower
    item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(finding.entryIndex));
  }
  list.setVisible(!report.findings.empty());
}

}  // namespace

CLogCheckDialog::CLogCheckDialog(const CLogCheckDlg& report, CLogCheckActions actions,
                                 QWidget* parent)
    : QDialog(parent),
      actions_(std::move(actions)),
      summary_(new QLabel(this)),
      findings_(new QListWidget(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(QStringLiteral("Check Log"));
  setModal(false);  // the log behind stays at hand for the edits
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setWordWrap(true);
  findings_->setObjectName(QStringLiteral("findings"));
  findings_->setUniformItemSizes(true);  // a hostile log may give many thousands
  connect(findings_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const auto index = static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong());
    if (actions_.showFlight) actions_.showFlight(index);
  });
  okButton_->setObjectName(QStringLiteral("ok"));
  okButton_->setAutoDefault(false);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(summary_);
  whole->addWidget(findings_);
  whole->addLayout(buttons);
  Fill(report);
  BoundToScreen(*this, *findings_,
                QSize(kListWidth, findings_->fontMetrics().lineSpacing() * kListRows));
  if (findings_->count() > 0) {
    findings_->setFocus(Qt::OtherFocusReason);
  } else {
    okButton_->setFocus(Qt::OtherFocusReason);
  }
}

void CLogCheckDialog::Fill(const CLogCheckDlg& report) {
  const int row = findings_->currentRow();
  summary_->setText(SummaryText(report));
  FillList(*findings_, report);
  if (findings_->count() > 0) findings_->setCurrentRow(std::clamp(row, 0, findings_->count() - 1));
  okButton_->setDefault(findings_->count() == 0);
}

void CLogCheckDialog::Recheck() {
  if (!actions_.recheck) return;
  if (const auto report = actions_.recheck()) Fill(*report);
}

QString CLogCheckDialog::Summary() const { return summary_->text(); }

}  // namespace aerodex
