// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_router.h"

#include <QAction>
#include <QWidget>

#include "app/command_ids.h"
#include "app/command_table.h"

namespace aerodex {

CCommandRouter::CCommandRouter(QWidget* window) : QObject(window) {
  for (const CommandInfo& command : Commands()) MakeAction(command.id, window);
  for (int slot = 1; slot < kRecentFileCount; ++slot) MakeAction(ID_FILE_MRU_FILE1 + slot, window);
  Update();
}

QAction* CCommandRouter::MakeAction(int id, QWidget* window) {
  auto* action = new QAction(window);
  const CommandInfo* command = FindCommand(id);
  if (command && command->menuText) action->setText(QString::fromLatin1(command->menuText));
  action->setStatusTip(StatusPrompt(id));
  action->setToolTip(ToolTipText(id));
  if (command && command->whatsThis) action->setWhatsThis(QString::fromLatin1(command->whatsThis));
  action->setShortcuts(Accelerators(id));
  action->setShortcutContext(Qt::WindowShortcut);
  action->setData(id);
  window->addAction(action);
  connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
  actions_.insert(id, action);
  return action;
}

void CCommandRouter::SetHandler(int id, CommandHandler handler) {
  if (QAction* action = Action(id)) action->setCheckable(static_cast<bool>(handler.checked));
  handlers_.insert(id, std::move(handler));
  Update();
}

bool CCommandRouter::IsEnabled(int id) const {
  auto found = handlers_.constFind(id);
  if (found == handlers_.constEnd() || !found->run) return false;
  return !found->enabled || found->enabled();
}

bool CCommandRouter::Execute(int id) {
  // The rule is asked again here: a key may arrive before the next Update.
  if (!IsEnabled(id)) {
    Update();
    return false;
  }
  const std::function<void()> run = handlers_.value(id).run;
  run();
  Update();
  emit commandFinished(id);
  return true;
}

void CCommandRouter::Update() {
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    const int id = it.key();
    QAction* action = it.value();
    action->setEnabled(IsEnabled(id));
    const CommandHandler handler = handlers_.value(id);
    if (handler.checked) action->setChecked(handler.checked());
  }
}

}  // namespace aerodex
