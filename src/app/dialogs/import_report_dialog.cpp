// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/import_report_dialog.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screen_fit.h"

namespace aerodex {
namespace {
constexpr int kColumns = 96;
constexpr int kRows = 20;
}  // namespace

CImportReportDialog::CImportReportDialog(const QString& report, QWidget* parent)
    : QDialog(parent),
      text_(new QPlainTextEdit(this)),
      copyButton_(new QPushButton(QStringLiteral("Copy"), this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(QStringLiteral("Import Report"));
  setModal(true);
  text_->setObjectName(QStringLiteral("report"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);  // lines quote the file as it is
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setPlainText(report);
  copyButton_->setObjectName(QStringLiteral("copy"));
  copyButton_->setAutoDefault(false);
  connect(copyButton_, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(ReportText()); });
  okButton_->setObjectName(QStringLiteral("ok"));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copyButton_);
  buttons->addWidget(okButton_);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(text_);
  whole->addLayout(buttons);
  const QFontMetrics metrics(text_->font());
  BoundToScreen(
      *this, *text_,
      QSize(metrics.horizontalAdvance(QLatin1Char('M')) * kColumns, metrics.lineSpacing() * kRows));
  okButton_->setFocus(Qt::OtherFocusReason);
}

QString CImportReportDialog::ReportText() const { return text_->toPlainText(); }

}  // namespace aerodex
