// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_progress.h"

#include <QProgressDialog>

#include "app/command_table.h"

namespace aerodex {

CPrintProgress::CPrintProgress(QWidget* parent, const QString& label, int pages, int delayMs)
    : label_(label), pages_(pages) {
  if (parent == nullptr || pages < 2) return;  // nothing to watch
  dialog_ = std::make_unique<QProgressDialog>(parent);
  dialog_->setWindowTitle(QString::fromLatin1(kAppTitle));
  // Window-modal: while it shows, the log cannot change under the run, and
  // its updates let the window repaint.
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(delayMs);
  dialog_->setRange(0, pages);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setLabelText(label_.arg(1).arg(pages_));
  dialog_->setValue(0);
}

CPrintProgress::~CPrintProgress() = default;

bool CPrintProgress::Step(int done) {
  if (!dialog_) return true;
  if (dialog_->wasCanceled()) return false;
  dialog_->setLabelText(label_.arg(done + 1).arg(pages_));
  dialog_->setValue(done);
  return !dialog_->wasCanceled();
}

}  // namespace aerodex
