// SPDX-License-Identifier: GPL-3.0-or-later
// CPrintProgress: how far a print run or a print preview has got, in a
// progress window with a Cancel button over the window that asked for it.
// A run that ends within the delay shows nothing; a longer one shows the
// window once it is expected to last longer than that.
#pragma once

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace aerodex {

class CPrintProgress {
 public:
  // label: the text for one page, with %1 for its number and %2 for the count.
  CPrintProgress(QWidget* parent, const QString& label, int pages, int delayMs);
  ~CPrintProgress();
  CPrintProgress(const CPrintProgress&) = delete;
  CPrintProgress& operator=(const CPrintProgress&) = delete;

  // Before painting the done+1-th page of the run. False once the user has
  // pressed Cancel.
  bool Step(int done);

 private:
  std::unique_ptr<QProgressDialog> dialog_;
  QString label_;
  int pages_;
};

}  // namespace aerodex
