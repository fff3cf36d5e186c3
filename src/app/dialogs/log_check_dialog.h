// CLogCheckDialog: the findings of Check Log as a list, one finding a row,
// with a line that counts them. A double click on a finding (or Enter)
// shows its flight in the log behind the dialog, which stays open so the
// pilot can go through the list; OK closes it.
#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>

#include "editing/interaction_port.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace aerodex {

class CLogCheckDialog : public QDialog {
  Q_OBJECT

 public:
  CLogCheckDialog(const CLogCheckDlg& report, std::function<void(std::size_t)> showFlight,
                  QWidget* parent = nullptr);

  QListWidget* Findings() const { return findings_; }
  QString Summary() const;
  QPushButton* OkButton() const { return okButton_; }

 private:
  std::function<void(std::size_t)> showFlight_;
  QLabel* summary_;
  QListWidget* findings_;
  QPushButton* okButton_;
};

}  // namespace aerodex
