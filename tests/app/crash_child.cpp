// SPDX-License-Identifier: GPL-3.0-or-later
// A window that dies: opens the log named on its command line (none: an
// untitled log), adds a flight as a command would, and is killed before it
// can save or close. Run by the recovery tests as a separate process.
#include <QApplication>
#include <csignal>

#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "support/log_builders.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) return 2;
  ScriptedFrameDialogs dialogs;
  aerodex::CAerodexApp::Options options;
  options.settingsPath = QString::fromLocal8Bit(argv[1]);
  options.dialogs = &dialogs;
  options.showWindow = false;
  aerodex::CAerodexApp app(options);
  const QStringList log = argc > 2 ? QStringList{QString::fromLocal8Bit(argv[2])} : QStringList{};
  if (!app.InitInstance(log)) return 3;
  app.Document().AppendEntry(MakeFlight(2026, 12, 1, 7, "738CP"));
  app.Document().SortEntries();
  app.MainFrame()->Documents().OnCommandFinished();
  std::raise(SIGKILL);
  return 4;
}
