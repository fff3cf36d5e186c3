// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_fit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

namespace aerodex {
namespace {

constexpr QSize kLeastRoom(160, 120);

// A scroll area as large as its content, up to the room the dialog leaves it.
class CFittedScrollArea final : public QScrollArea {
 public:
  CFittedScrollArea(QDialog& dialog, QBoxLayout& whole, QLayout& buttons, int gap)
      : QScrollArea(&dialog), dialog_(dialog), whole_(whole), buttons_(buttons), gap_(gap) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, as before
    dialog.installEventFilter(this);
  }

  QSize sizeHint() const override { return Fitted(); }
  // A fixed-size dialog takes the larger of the two: both are the fitted size.
  QSize minimumSizeHint() const override { return Fitted(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Content that grows or shrinks (a part shown or hidden) resizes the dialog.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    if (watched == &dialog_ && event->type() == QEvent::Resize) KeepOnScreen();
    return QScrollArea::eventFilter(watched, event);
  }

 private:
  QSize Room() const {
    const QMargins margins = whole_.contentsMargins();
    const QSize screen = ScreenRoom(dialog_);
    const int width = screen.width() - margins.left() - margins.right();
    const int height = screen.height() - margins.top() - margins.bottom() - gap_ -
                       2 * whole_.spacing() - buttons_.sizeHint().height();
    return QSize(width, height).expandedTo(kLeastRoom);
  }

  // A dialog that grew where it stands may reach past the screen's edge.
  void KeepOnScreen() {
    if (!dialog_.isVisible()) return;
    const QRect area = dialog_.screen()->availableGeometry();
    const QRect frame = dialog_.frameGeometry();
    QPoint place = frame.topLeft();
    place.setX(std::max(area.left(), std::min(place.x(), area.right() - frame.width() + 1)));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() - frame.height() + 1)));
    if (place != frame.topLeft()) dialog_.move(place);
  }

  QSize Fitted() const {
    if (!widget()) return {};
    const QSize room = Room();
    QSize natural = widget()->sizeHint();
    const QSize least = widget()->minimumSizeHint();
    // A scroll bar takes room across from the direction it scrolls.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (least.height() > room.height()) natural.rwidth() += bar;
    if (least.width() > room.width()) natural.rheight() += bar;
    return natural.boundedTo(room);
  }

  QDialog& dialog_;
  QBoxLayout& whole_;
  QLayout& buttons_;
  int gap_;
};

}  // namespace

QSize ScreenRoom(const QWidget& window) {
  const QRect area = window.screen()->availableGeometry();
  const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return QSize(area.width(), area.height() - 2 * titleBar);
}

void BoundToScreen(QWidget& window, QWidget& stretching, QSize wanted) {
  stretching.setMinimumSize(wanted);
  const QSize excess = (window.sizeHint() - ScreenRoom(window)).expandedTo(QSize(0, 0));
  stretching.setMinimumSize((wanted - excess).expandedTo(kLeastRoom));
}

QScrollArea* LayOutFitted(QDialog& dialog, QLayout* content, QLayout* buttons, int gap) {
  auto* body = new QWidget;
  content->setContentsMargins(0, 0, 0, 0);
  body->setLayout(content);
  auto* whole = new QVBoxLayout(&dialog);
  auto* scroll = new CFittedScrollArea(dialog, *whole, *buttons, gap);
  scroll->setWidget(body);
  whole->addWidget(scroll);
  whole->addSpacing(gap);
  whole->addLayout(buttons);
  whole->setSizeConstraint(QLayout::SetFixedSize);
  return scroll;
}

}  // namespace aerodex
