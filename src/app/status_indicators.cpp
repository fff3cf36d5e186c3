// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_indicators.h"

#include <QtGui/qguiapplication_platform.h>
#include <dlfcn.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "app/command_table.h"

namespace aerodex {
namespace {

// libX11 is asked at run time, so the program neither links it nor needs its
// headers; under Wayland or off screen the indicators simply stay dark.
struct XkbCalls {
  using InternAtom = unsigned long (*)(Display*, const char*, int);
  using GetNamedIndicator = int (*)(Display*, unsigned long, int*, int*, void*, int*);
  InternAtom internAtom = nullptr;
  GetNamedIndicator getNamedIndicator = nullptr;

  static const XkbCalls& Get() {
    static const XkbCalls calls = [] {
      XkbCalls loaded;
      if (void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL)) {
        loaded.internAtom = reinterpret_cast<InternAtom>(dlsym(library, "XInternAtom"));
        loaded.getNamedIndicator =
            reinterpret_cast<GetNamedIndicator>(dlsym(library, "XkbGetNamedIndicator"));
      }
      return loaded;
    }();
    return calls;
  }
};

bool IndicatorOn(Display* display, const XkbCalls& calls, const char* name) {
  const unsigned long atom = calls.internAtom(display, name, 0);
  int state = 0;
  if (atom == 0 || !calls.getNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr)) {
    return false;
  }
  return state != 0;
}

QLabel* MakePane(QStatusBar* bar, const char* text) {
  auto* pane = new QLabel(QString::fromLatin1(text), bar);
  pane->setObjectName(QString::fromLatin1(text));
  pane->setAlignment(Qt::AlignCenter);
  pane->setFrameShape(QFrame::Panel);
  pane->setFrameShadow(QFrame::Sunken);
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
  pane->setEnabled(false);
  bar->addPermanentWidget(pane);
  return pane;
}

}  // namespace

bool ReadKeyboardLocks(KeyboardLocks& locks) {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  const XkbCalls& calls = XkbCalls::Get();
  if (!x11 || !x11->display() || !calls.internAtom || !calls.getNamedIndicator) return false;
  locks.caps = IndicatorOn(x11->display(), calls, "Caps Lock");
  locks.num = IndicatorOn(x11->display(), calls, "Num Lock");
  locks.scroll = IndicatorOn(x11->display(), calls, "Scroll Lock");
  return true;
}

CStatusIndicators::CStatusIndicators(QStatusBar* bar) : QObject(bar), bar_(bar) {
  panes_ = {MakePane(bar, "CAP"), MakePane(bar, "NUM"), MakePane(bar, "SCRL")};
  // Prompts come and go as the pointer moves; an empty pane means idle.
  connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
    if (message.isEmpty()) bar->showMessage(QString::fromLatin1(kIdleText));
  });
  bar->showMessage(QString::fromLatin1(kIdleText));
  qApp->installEventFilter(this);
  Refresh();
}

void CStatusIndicators::Show(KeyboardLocks locks) {
  shown_ = locks;
  panes_[0]->setEnabled(locks.caps);
  panes_[1]->setEnabled(locks.num);
  panes_[2]->setEnabled(locks.scroll);
}

void CStatusIndicators::Refresh() {
  KeyboardLocks locks = shown_;
  if (ReadKeyboardLocks(locks)) Show(locks);
}

bool CStatusIndicators::eventFilter(QObject* watched, QEvent* event) {
  Q_UNUSED(watched);
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyRelease) {
    // A key event passed on to the parents reaches this filter again.
    const auto* key = static_cast<const QKeyEvent*>(event);
    const quint64 stamp = (quint64{key->timestamp()} << 32) ^ static_cast<quint32>(key->key());
    if (stamp != lastKeyStamp_) Refresh();
    lastKeyStamp_ = stamp;
  } else if (type == QEvent::ApplicationActivate) {
    Refresh();
  }
  return false;
}

}  // namespace aerodex
