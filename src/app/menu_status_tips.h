// SPDX-License-Identifier: GPL-3.0-or-later
// Status-bar prompts for greyed menu items. Qt shows an item's prompt only
// while the item can be highlighted, which a disabled one cannot; this
// filter on the menus shows it for those too, as for the enabled ones.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QAction;

namespace aerodex {

class CMenuStatusTips : public QObject {
  Q_OBJECT

 public:
  // window: the main window, whose status bar shows the prompts.
  explicit CMenuStatusTips(QWidget* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QPointer<QAction> shown_;  // the greyed item whose prompt stands
};

}  // namespace aerodex
