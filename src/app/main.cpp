// aerodex: the desktop flight log.
#include <QApplication>

#include "app/aerodex_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("aerodex"));
  QApplication::setApplicationVersion(QStringLiteral("2.2"));
  QApplication::setDesktopFileName(QStringLiteral("aerodex"));

  aerodex::CAerodexApp aerodexApp;
  if (!aerodexApp.InitInstance(QApplication::arguments().mid(1))) return aerodexApp.ExitCode();
  return QApplication::exec();
}
