// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessible_names.h"

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include "app/command_ids.h"
#include "app/command_table.h"

namespace aerodex {
namespace {

// A menu item named without its key. The rest answers as Qt's own menu
// items do; the key is still offered, as the item's accelerator.
class CMenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CMenuItemAccessible(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  bool isValid() const override { return action_ && menu_; }
  QObject* object() const override { return action_; }
  QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(menu_);
  }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && SubMenu() ? QAccessible::queryAccessibleInterface(SubMenu()) : nullptr;
  }
  int childCount() const override { return SubMenu() ? 1 : 0; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && SubMenu() && child->object() == SubMenu() ? 0 : -1;
  }
  QString text(QAccessible::Text t) const override {
    if (!action_) return {};
    if (t == QAccessible::Name) return AccessibleCommandName(action_->text());
    if (t == QAccessible::Accelerator) return action_->shortcut().toString();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!menu_ || !action_) return {};
    const QRect local = menu_->actionGeometry(action_);
    return QRect(menu_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override {
    return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
  }
  QAccessible::State state() const override;

  // QAccessibleActionInterface
  QStringList actionNames() const override {
    if (!action_ || action_->isSeparator()) return {};
    return {SubMenu() ? showMenuAction() : pressAction()};
  }
  void doAction(const QString& name) override {
    if (!action_ || !action_->isEnabled()) return;
    if (name == pressAction()) {
      action_->trigger();
    } else if (name == showMenuAction() && SubMenu()) {
      SubMenu()->popup(rect().topRight());
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QMenu* SubMenu() const { return action_ ? action_->menu<QMenu*>() : nullptr; }

  QPointer<QMenu> menu_;
  QPointer<QAction> action_;
};

QAccessible::State CMenuItemAccessible::state() const {
  QAccessible::State state;
  if (!action_ || !menu_) {
    state.invalid = true;
    return state;
  }
  state.invisible = !menu_->isVisible() || !action_->isVisible();
  state.focused = menu_->activeAction() == action_;
  state.disabled = action_->isSeparator() || !action_->isEnabled();
  state.checkable = action_->isCheckable();
  state.checked = action_->isChecked();
  return state;
}

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
  auto* action = qobject_cast<QAction*>(object);
  if (!action || className != QLatin1String("QAction") || !action->text().contains(u'\t'))
    return nullptr;
  for (QObject* shownIn : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(shownIn)) return new CMenuItemAccessible(menu, action);
  }
  return nullptr;
}

}  // namespace

QString AccessibleCommandName(const QString& menuText) {
  const QString text = menuText.section(u'\t', 0, 0);
  QString name;
  name.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A single & marks the mnemonic; "&&" stands for one ampersand.
    if (text[i] == u'&' && ++i == text.size()) break;
    name.append(text[i]);
  }
  return name;
}

void NameToolBarButtons(QToolBar& toolBar) {
  for (QAction* action : toolBar.actions()) {
    QWidget* button = toolBar.widgetForAction(action);
    if (!button) continue;
    const int id = action->data().toInt();
    if (id == ID_CONTEXT_HELP) {
      button->setAccessibleName(QStringLiteral("What's This?"));
    } else if (!action->text().isEmpty()) {
      button->setAccessibleName(AccessibleCommandName(action->text()));
    } else {
      button->setAccessibleName(ToolTipText(id));
    }
  }
  // The tool bar's own button that shows the buttons a narrow window hides.
  for (QToolButton* button : toolBar.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    if (!button->defaultAction() && button->accessibleName().isEmpty())
      button->setAccessibleName(QStringLiteral("More Buttons"));
  }
}

void InstallMenuItemNames() {
  static const bool installed = [] {
    QAccessible::installFactory(MenuItemFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

}  // namespace aerodex
