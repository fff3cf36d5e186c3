// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_info.h"

#include <QStringList>

#include "aerodex_version.h"
#include "app/command_line.h"

namespace aerodex {
namespace {

constexpr const char* kHelp =
    "aerodex: a flight log for a private pilot.\n"
    "\n"
    "Usage: aerodex [LOG.adx]\n"
    "           open the window, on LOG.adx when it is named\n"
    "       aerodex --print LOG.adx                 (or /p LOG.adx)\n"
    "           print the log on the default printer and exit\n"
    "       aerodex --print-to PRINTER LOG.adx      (or /pt LOG.adx PRINTER)\n"
    "           print the log on the named printer and exit\n"
    "       aerodex --help | --version\n"
    "\n"
    "-- ends the options: aerodex -- -log.adx opens a log whose name begins with '-'.\n"
    "\n"
    "Files:\n"
    "  ~/.config/aerodex.ini               settings and the recent files\n"
    "  ~/.local/share/aerodex/backups/     earlier versions of each log\n"
    "  ~/.local/state/aerodex/recovery/    unsaved work, offered at the next start after a crash\n"
    "\n"
    "aerodex-cli reads, converts and imports logs without the window (aerodex-cli --help).\n";

}  // namespace

std::optional<ProgramInfo> ProgramInfoRequested(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  const CCommandLineInfo info = CCommandLineInfo::Parse(arguments);
  switch (info.command) {
    case CCommandLineInfo::kHelp:
      return ProgramInfo{kHelp};
    case CCommandLineInfo::kVersion:
      return ProgramInfo{std::string("aerodex ") + AERODEX_VERSION + "\n"};
    case CCommandLineInfo::kBad:
      return ProgramInfo{"aerodex: " + info.error.toStdString() + "\nTry aerodex --help.\n", 2};
    default:
      return std::nullopt;
  }
}

}  // namespace aerodex
