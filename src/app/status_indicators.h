// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar of the main window: the message pane, which shows command
// prompts and otherwise the idle text "For Help, press F1", and the keyboard
// indicators CAP, NUM and SCRL, lit while their lock is on. The lock states
// are read from the X server where there is one, and re-read whenever a key
// is released or the program becomes active.
#pragma once

#include <QObject>
#include <array>

class QLabel;
class QStatusBar;

namespace aerodex {

struct KeyboardLocks {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

class CStatusIndicators : public QObject {
  Q_OBJECT

 public:
  // Adds the three panes to bar and keeps its message pane showing the idle
  // text whenever no prompt is shown.
  explicit CStatusIndicators(QStatusBar* bar);

  void Show(KeyboardLocks locks);
  KeyboardLocks Shown() const { return shown_; }
  // The indicator panes, left to right: CAP, NUM, SCRL.
  const std::array<QLabel*, 3>& Panes() const { return panes_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();

  QStatusBar* bar_;
  std::array<QLabel*, 3> panes_{};
  KeyboardLocks shown_;
  quint64 lastKeyStamp_ = 0;
};

// The lock states as the display server reports them; nothing known (all
// off) where it cannot be asked.
bool ReadKeyboardLocks(KeyboardLocks& locks);

}  // namespace aerodex
