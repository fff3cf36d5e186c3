// The two read-only reports: "Currency Check" (the seven currency lines under
// their fixed headings) and "Aircraft Statistics" (one monitored aircraft's
// maintenance lines under its N-Number). Each has one OK button; Escape
// closes it too. A line left empty keeps its place, so the headings stand
// where the pilot expects them.
#pragma once

#include <QDialog>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "editing/interaction_port.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace aerodex {

class CReportDialog : public QDialog {
  Q_OBJECT

 public:
  QPushButton* OkButton() const { return okButton_; }
  // The texts of the lines under the headings, top to bottom.
  QStringList Lines() const;
  QStringList Headings() const;

 protected:
  CReportDialog(const QString& title, QWidget* parent);

  // Line name (for tests and tools) and its Windows-1252 text.
  using Line = std::pair<const char*, const std::string*>;
  void AddSection(const char* heading, std::initializer_list<Line> lines);
  void Finish();
  QVBoxLayout* Body() const { return body_; }

 private:
  QVBoxLayout* body_;
  QPushButton* okButton_;
  std::vector<QLabel*> lines_;
  std::vector<QGroupBox*> sections_;
};

class CCurrencyDialog : public CReportDialog {
  Q_OBJECT

 public:
  explicit CCurrencyDialog(const CCurrencyDlg& report, QWidget* parent = nullptr);

 private:
  CCurrencyDlg report_;
};

class CAircraftStatsDialog : public CReportDialog {
  Q_OBJECT

 public:
  explicit CAircraftStatsDialog(const CAircraftStatsDlg& report, QWidget* parent = nullptr);
  QString NNumberShown() const;

 private:
  CAircraftStatsDlg report_;
  QLabel* nNumber_;
};

}  // namespace aerodex
