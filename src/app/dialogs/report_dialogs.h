// SPDX-License-Identifier: GPL-3.0-or-later
// The two read-only reports: "Currency Check" (the seven currency lines under
// their fixed headings) and "Aircraft Statistics" (one monitored aircraft's
// maintenance lines under its N-Number). Each has an OK button; Escape
// closes it too. A line left empty keeps its place, so the headings stand
// where the pilot expects them.
//
// Beyond those lines: the currency form has an "As of" date that recomputes
// it, and a "Details" button beside OK that shows the working below the
// lines; the aircraft form shows the due months and the tachometer's
// continuity under its four lines.
#pragma once

#include <QDialog>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "editing/interaction_port.h"

class QDateEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QTextEdit;
class QPushButton;
class QVBoxLayout;

namespace aerodex {

class CReportDialog : public QDialog {
  Q_OBJECT

 public:
  QPushButton* OkButton() const { return okButton_; }
  // The texts of the report's lines under the headings, top to bottom.
  QStringList Lines() const;
  QStringList Headings() const;
  // The texts of the sections added beyond the report's own lines.
  QStringList ExtraLines() const;

 protected:
  CReportDialog(const QString& title, QWidget* parent);

  // Line name (for tests and tools) and its Windows-1252 text, which the
  // line shows again at every Refresh.
  using Line = std::pair<const char*, const std::string*>;
  void AddSection(const char* heading, std::initializer_list<Line> lines);
  void AddExtraSection(const char* name, const char* heading,
                       const std::vector<std::string>& lines);
  // A button beside OK, to its left.
  void AddButton(QPushButton* button);
  void Finish();
  void Refresh();
  QVBoxLayout* Body() const { return body_; }

 private:
  QVBoxLayout* body_;
  QHBoxLayout* buttons_;
  QPushButton* okButton_;
  std::vector<std::pair<QLabel*, const std::string*>> lines_;
  std::vector<QGroupBox*> sections_;
  std::vector<QLabel*> extraLines_;
};

class CCurrencyDialog : public CReportDialog {
  Q_OBJECT

 public:
  // Without recompute the "As of" date shows the report's day and is fixed.
  explicit CCurrencyDialog(const CCurrencyDlg& report, QWidget* parent = nullptr,
                           CCurrencyAsOf recompute = {});

  QDateEdit* AsOfEdit() const { return asOf_; }
  QPushButton* DetailsButton() const { return details_; }
  // The working as shown when the details are open: the headings and lines
  // of the report's working, one a line.
  QString WorkingText() const;
  bool DetailsShown() const;

 private:
  void AddAsOfRow();
  void AddDetails();
  void FitWorking();
  void Recompute();

  CCurrencyDlg report_;
  CCurrencyAsOf recompute_;
  QDateEdit* asOf_ = nullptr;
  QPushButton* details_ = nullptr;
  QTextEdit* working_ = nullptr;
};

class CAircraftStatsDialog : public CReportDialog {
  Q_OBJECT

 public:
  explicit CAircraftStatsDialog(const CAircraftStatsDlg& report, QWidget* parent = nullptr);
  QString NNumberShown() const;

  // The continuity breaks listed on the form; the rest are counted in one line.
  static constexpr std::size_t kContinuityShown = 8;

 private:
  CAircraftStatsDlg report_;
  QLabel* nNumber_;
};

}  // namespace aerodex
