// SPDX-License-Identifier: GPL-3.0-or-later
// aerodex: the desktop flight log.
#include <QApplication>
#include <cstdio>

#include "aerodex_version.h"
#include "app/aerodex_app.h"
#include "app/program_info.h"

int main(int argc, char** argv) {
  if (const auto info = aerodex::ProgramInfoRequested(argc, argv)) {
    std::fputs(info->text.c_str(), info->exitStatus == 0 ? stdout : stderr);
    return info->exitStatus;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("aerodex"));
  QApplication::setApplicationVersion(QStringLiteral(AERODEX_VERSION));
  // The reverse-DNS id the desktop entry and the AppStream metainfo are installed under.
  QApplication::setDesktopFileName(QStringLiteral("io.github.aerodex.aerodex"));

  aerodex::CAerodexApp aerodexApp;
  if (!aerodexApp.InitInstance(QApplication::arguments().mid(1))) return aerodexApp.ExitCode();
  return QApplication::exec();
}
