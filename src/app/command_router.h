// SPDX-License-Identifier: GPL-3.0-or-later
// CCommandRouter: one QAction per command of the command table, and the
// routing that the framework did for the program: a command runs only when a
// handler exists and its enabling rule allows it; a command with no handler
// stays disabled, whether it is reached from a menu, the tool bar or a key.
// Update() refreshes every action's enabled and checked state from the rules.
#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace aerodex {

struct CommandHandler {
  CommandHandler() = default;
  CommandHandler(std::function<void()> runIt, std::function<bool()> enabledIf = {},
                 std::function<bool()> checkedIf = {})
      : run(std::move(runIt)), enabled(std::move(enabledIf)), checked(std::move(checkedIf)) {}

  std::function<void()> run;
  std::function<bool()> enabled;  // empty: always enabled
  std::function<bool()> checked;  // empty: the command carries no tick
};

class CCommandRouter : public QObject {
  Q_OBJECT

 public:
  // Makes the actions and attaches them to window, so that their keys work
  // anywhere in it even when they sit in no menu.
  explicit CCommandRouter(QWidget* window);

  void SetHandler(int id, CommandHandler handler);
  bool HasHandler(int id) const { return handlers_.contains(id); }
  QAction* Action(int id) const { return actions_.value(id); }
  const QHash<int, QAction*>& Actions() const { return actions_; }

  // Runs the command if it has a handler and is enabled now; true when it ran.
  bool Execute(int id);
  bool IsEnabled(int id) const;
  // Sets every action's enabled and checked state from the rules.
  void Update();

 signals:
  void commandFinished(int id);

 private:
  QAction* MakeAction(int id, QWidget* window);

  QHash<int, QAction*> actions_;
  QHash<int, CommandHandler> handlers_;
};

}  // namespace aerodex
