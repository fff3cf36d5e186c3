// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/date_prompt.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace aerodex {

CGoToDateDialog::CGoToDateDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Go to Date"));
  setModal(true);
  dateField_ = new QDateEdit(this);
  dateField_->setObjectName(QStringLiteral("date"));
  dateField_->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
  dateField_->setCalendarPopup(true);
  dateField_->setToolTip(QStringLiteral("Month, day and year"));
  dateField_->setWhatsThis(QStringLiteral(
      "The date to go to. The first flight on or after it is selected and shown; when none is "
      "later, the last flight."));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("&Date:"), dateField_);
  layout->addRow(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CGoToDateDialog::SetDate(const LocalDate& day) {
  const QDate date(day.year, day.month, day.day);
  dateField_->setDate(date.isValid() ? date : QDate::currentDate());
}

LocalDate CGoToDateDialog::Date() const {
  const QDate date = dateField_->date();
  return {date.day(), date.month(), date.year()};
}

std::optional<LocalDate> AskDatePrompt(QWidget* parent, const LocalDate& proposal) {
  CGoToDateDialog dialog(parent);
  dialog.SetDate(proposal);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Date();
}

}  // namespace aerodex
