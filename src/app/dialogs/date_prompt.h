// SPDX-License-Identifier: GPL-3.0-or-later
// The Go to Date prompt: one month/day/year field with OK and Cancel, of
// fixed size like the other prompts.
#pragma once

#include <QDialog>
#include <optional>

#include "model/clock.h"

class QDateEdit;

namespace aerodex {

class CGoToDateDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CGoToDateDialog(QWidget* parent = nullptr);

  void SetDate(const LocalDate& day);
  LocalDate Date() const;
  QDateEdit* DateField() const { return dateField_; }

 private:
  QDateEdit* dateField_;
};

// Asks for a date, proposing proposal; empty when cancelled.
std::optional<LocalDate> AskDatePrompt(QWidget* parent, const LocalDate& proposal);

}  // namespace aerodex
