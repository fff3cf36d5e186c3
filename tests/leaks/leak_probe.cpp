// SPDX-License-Identifier: GPL-3.0-or-later
// Leaks on purpose from inside a Qt event handler, so that the leak check can
// prove it still sees such leaks with the project's suppressions in force.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

int* kept = nullptr;

class LeakingWidget : public QWidget {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) LeakFromEventHandler();
    return QWidget::event(event);
  }

 private:
  // Not inlined, so that the report names it.
  [[gnu::noinline]] static void LeakFromEventHandler() {
    kept = new int[64];
    kept[0] = 1;
    kept = nullptr;  // the last pointer to the block is gone: a real leak
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  LeakingWidget widget;
  QCoreApplication::postEvent(&widget, new QEvent(QEvent::User));
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return app.exec();
}
