// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_status_tips.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTimer>

namespace aerodex {

bool CMenuStatusTips::eventFilter(QObject* watched, QEvent* event) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (!menu) return false;
  if (event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    QAction* action = menu->actionAt(move->position().toPoint());
    const bool greyed = action && !action->isSeparator() && !action->isEnabled();
    if (greyed && action != shown_) {
      // After the menu's own handling, which clears the bar on leaving an item.
      shown_ = action;
      QTimer::singleShot(0, this, [this] {
        if (shown_) shown_->showStatusText(window_);
      });
    } else if (!greyed && shown_) {
      // An enabled item shows its own prompt; elsewhere the bar goes idle.
      if (!action || action->isSeparator()) {
        QStatusTipEvent idle{QString()};
        QCoreApplication::sendEvent(window_, &idle);
      }
      shown_ = nullptr;
    }
  } else if (event->type() == QEvent::Hide) {
    shown_ = nullptr;
  }
  return false;
}

}  // namespace aerodex
