// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/prompt_dialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/screen_fit.h"

namespace aerodex {
namespace {

constexpr int kMessageWidth = 340;

// Caption without a close box: the buttons are the only ways out.
void SetPromptLook(QDialog& dialog, const QString& title) {
  dialog.setWindowTitle(title);
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialog.setModal(true);
}

QLabel* MakeMessageArea(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("messageArea"));
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setFixedWidth(kMessageWidth);
  label->setMinimumHeight(label->fontMetrics().lineSpacing() * 2);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* MakeIcon(QWidget* parent, QStyle::StandardPixmap which) {
  auto* icon = new QLabel(parent);
  const int size = parent->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
  icon->setPixmap(parent->style()->standardIcon(which).pixmap(size, size));
  icon->setAlignment(Qt::AlignTop);
  return icon;
}

// The icon and the message side by side, the buttons in a row underneath.
void LayOut(QDialog& dialog, QLabel* icon, QLabel* message, QHBoxLayout* buttons) {
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(8);
  top->addWidget(message, 1);
  LayOutFitted(dialog, top, buttons, 6);
}

}  // namespace

CErrorDlg::CErrorDlg(QWidget* parent) : QDialog(parent) {
  SetPromptLook(*this, QStringLiteral("Error"));
  messageArea_ = MakeMessageArea(this);
  messageArea_->setText(QStringLiteral("ERROR!"));
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addStretch();
  LayOut(*this, MakeIcon(this, QStyle::SP_MessageBoxWarning), messageArea_, buttons);
}

int CErrorDlg::exec() {
  messageArea_->setText(m_message);
  okButton_->setFocus();
  return QDialog::exec();
}

CConfirmDlg::CConfirmDlg(QWidget* parent) : QDialog(parent) {
  SetPromptLook(*this, QStringLiteral("Please Confirm"));
  messageArea_ = MakeMessageArea(this);
  confirmButton_ = new QPushButton(QStringLiteral("Confirm"), this);
  cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
  // Enter must never delete a flight by accident: Cancel is the default.
  cancelButton_->setDefault(true);
  connect(confirmButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(confirmButton_);
  buttons->addSpacing(12);
  buttons->addWidget(cancelButton_);
  buttons->addStretch();
  LayOut(*this, MakeIcon(this, QStyle::SP_MessageBoxQuestion), messageArea_, buttons);
}

int CConfirmDlg::exec() {
  messageArea_->setText(m_message);
  cancelButton_->setFocus();
  return QDialog::exec();
}

void ShowErrorPrompt(QWidget* parent, const QString& message) {
  CErrorDlg dialog(parent);
  dialog.m_message = message;
  dialog.exec();
}

bool AskConfirmationPrompt(QWidget* parent, const QString& message) {
  CConfirmDlg dialog(parent);
  dialog.m_message = message;
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace aerodex
