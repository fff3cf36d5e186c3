// SPDX-License-Identifier: GPL-3.0-or-later
// ModalUser: a user at the keyboard who answers the program's modal windows
// while a command runs. The answers are queued before the command starts, one
// per window expected, each naming the window's title; a short timer watches
// QApplication::activeModalWidget() and, for every new modal window, records
// its message (the "Error" and "Please Confirm" prompts, warning boxes) and
// plays the next answer. A window nobody expected, or one with another
// title, is a failure and is cancelled, so that a wrong turn ends the command
// instead of hanging the test; so does running past the deadline.
//
// Answers press buttons through the event queue, never inside the timer, so
// that a window opened by the press (a warning over a form) is seen too.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

class ModalUser {
 public:
  using Answer = std::function<void(QDialog& window)>;

  ModalUser() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  }

  // The next modal window must be titled title; answer plays the user.
  void Expect(const QString& title, Answer answer) {
    steps_.push_back({title, std::move(answer), false});
  }
  // The window already answered (a form under a warning that has just
  // closed) gets its next answer once it is the active modal window again.
  void ThenOnSameWindow(const QString& title, Answer answer) {
    steps_.push_back({title, std::move(answer), true});
  }

  // Starts watching; the deadline fails a command that never ends.
  void Start(int deadlineMs = 60000) {
    deadline_ = QDeadlineTimer(deadlineMs);
    poll_.start();
  }
  void Stop() { poll_.stop(); }

  // Every answer played and nothing unexpected on the way.
  bool Done() const { return steps_.empty() && failures.isEmpty(); }
  QString Report() const {
    return failures.join(QStringLiteral("; ")) +
           QStringLiteral(" (%1 answers left)").arg(steps_.size());
  }
  void Clear() {
    steps_.clear();
    failures.clear();
    messages.clear();
    seenOnce_ = nullptr;
  }

  // "Title: message" of every prompt and warning box shown, in order.
  QStringList messages;
  QStringList failures;

 private:
  struct Step {
    QString title;
    Answer answer;
    bool sameWindow;
  };

  static QString MessageOf(QDialog& window) {
    if (auto* box = qobject_cast<QMessageBox*>(&window)) return box->text();
    if (auto* area = window.findChild<QLabel*>(QStringLiteral("messageArea"))) return area->text();
    return {};
  }

  static void Dismiss(QDialog* window) {
    QTimer::singleShot(0, window, [window] { window->reject(); });
  }

  void Poll() {
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (deadline_.hasExpired()) {
      if (failures.isEmpty() || failures.last() != QStringLiteral("deadline passed")) {
        failures << QStringLiteral("deadline passed");
      }
      steps_.clear();
      if (window) Dismiss(window);
      return;
    }
    if (!window || !window->isVisible()) return;
    if (window->property("answered").toBool()) {
      // Only a follow-up answer touches a window a second time, once the
      // window is seen on two polls in a row: the window that covered it has
      // closed and its caller has finished (a nested loop that is ending
      // runs no second poll).
      if (!steps_.empty() && steps_.front().sameWindow &&
          steps_.front().title == window->windowTitle()) {
        if (seenOnce_ == window) {
          seenOnce_ = nullptr;
          Play(*window);
        } else {
          seenOnce_ = window;
        }
      }
      return;
    }
    window->setProperty("answered", true);
    const QString message = MessageOf(*window);
    if (!message.isNull()) messages << window->windowTitle() + QStringLiteral(": ") + message;
    if (steps_.empty() || steps_.front().sameWindow ||
        steps_.front().title != window->windowTitle()) {
      failures << QStringLiteral("unexpected window \"%1\" (%2)")
                      .arg(window->windowTitle(), message.isNull() ? QString() : message);
      Dismiss(window);
      return;
    }
    Play(*window);
  }

  void Play(QDialog& window) {
    const Step step = steps_.front();
    steps_.pop_front();
    step.answer(window);
  }

  QTimer poll_;
  QDeadlineTimer deadline_;
  std::deque<Step> steps_;
  QPointer<QDialog> seenOnce_;
};

// --- what the user does in a window ---

inline QLineEdit* BoxOf(QWidget& window, const char* member) {
  return window.findChild<QLineEdit*>(QString::fromLatin1(member));
}

// The text a box shows; a box that is missing reads as "<no box>".
inline QString Shown(QWidget& window, const char* member) {
  QLineEdit* box = BoxOf(window, member);
  return box ? box->text() : QStringLiteral("<no box>");
}

// Replaces a box's text as a user does: select all, delete, type.
inline void Retype(QWidget& window, const char* member, const QString& text) {
  QLineEdit* box = BoxOf(window, member);
  if (!box) return;
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
}

inline void RetypeRemarks(QWidget& window, const QString& text) {
  auto* remarks = window.findChild<QPlainTextEdit*>(QStringLiteral("remarks"));
  if (!remarks) return;
  remarks->selectAll();
  QTest::keyClick(remarks, Qt::Key_Delete);
  QTest::keyClicks(remarks, text);
}

// Ticks a check box with the space bar.
inline void Tick(QWidget& window, const char* member) {
  auto* box = window.findChild<QCheckBox*>(QString::fromLatin1(member));
  if (box && !box->isChecked()) QTest::keyClick(box, Qt::Key_Space);
}

inline QAbstractButton* ButtonOf(QWidget& window, const QString& text) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text() == text && button->isVisible()) return button;
  }
  return nullptr;
}

// Clicks a button once the current answer has returned.
inline void Click(QAbstractButton* button) {
  if (!button) return;
  QPointer<QAbstractButton> target(button);
  QTimer::singleShot(0, button, [target] {
    if (target) QTest::mouseClick(target, Qt::LeftButton);
  });
}
inline void Click(QWidget& window, const QString& text) { Click(ButtonOf(window, text)); }

// Presses a key in a widget once the current answer has returned.
inline void PressKey(QWidget* widget, Qt::Key key) {
  QPointer<QWidget> target(widget);
  QTimer::singleShot(0, widget, [target, key] {
    if (target) QTest::keyClick(target, key);
  });
}
