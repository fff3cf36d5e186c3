// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/form_dialog.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

#include "app/dialogs/field_widgets.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"

namespace aerodex {

CFormDialog::CFormDialog(const char* title, QWidget* parent)
    : QDialog(parent),
      warning_([](QWidget* owner, const QString& message) {
        QMessageBox::warning(owner, QStringLiteral("aerodex"), message);
      }),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QString::fromLatin1(title));
  setModal(true);
  okButton_->setDefault(true);
  okButton_->setObjectName(QStringLiteral("ok"));
  cancelButton_->setObjectName(QStringLiteral("cancel"));
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void CFormDialog::RefuseField(QWidget* control, const std::string& message) {
  warning_(this, FromCp1252(message));
  if (!control) return;
  if (scroll_) scroll_->ensureWidgetVisible(control);
  FocusAndSelectAll(control);
}

void CFormDialog::LayOutForm(QLayout* controls, QLayout* buttons, int gap) {
  scroll_ = LayOutFitted(*this, controls, buttons, gap);
}

QBoxLayout* CFormDialog::ButtonsLeftOkFirst() {
  auto* row = new QHBoxLayout;
  row->addWidget(okButton_);
  row->addWidget(cancelButton_);
  row->addStretch();
  buttonsInOrder_ = {okButton_, cancelButton_};
  return row;
}

QBoxLayout* CFormDialog::ButtonsRightCancelFirst() {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(cancelButton_);
  row->addWidget(okButton_);
  buttonsInOrder_ = {cancelButton_, okButton_};
  return row;
}

void CFormDialog::SetTabOrder(const std::vector<QWidget*>& controls) {
  std::vector<QWidget*> chain = controls;
  chain.insert(chain.end(), buttonsInOrder_.begin(), buttonsInOrder_.end());
  for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
  if (!chain.empty()) chain.front()->setFocus(Qt::OtherFocusReason);
}

}  // namespace aerodex
