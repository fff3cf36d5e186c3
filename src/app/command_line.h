// SPDX-License-Identifier: GPL-3.0-or-later
// CCommandLineInfo: what the command line asks of the program at start-up.
// Nothing: a new, empty log. A file name: open it. "/p FILE" or
// "--print FILE": print it to the default printer and end. "/pt FILE PRINTER"
// or "--print-to PRINTER FILE": print it on that printer and end. "/dde" (the
// shell's old start-up switch) is accepted and ignored. The old switches may
// also be written with '-'; "--help" and "--version" are answered before any
// window exists; "--" ends the options. An unknown option is an error.
#pragma once

#include <QString>
#include <QStringList>

namespace aerodex {

struct CCommandLineInfo {
  enum Command {
    kFileNew,
    kFileOpen,
    kFilePrint,
    kFilePrintTo,
    kUnregister,
    kHelp,
    kVersion,
    kBad
  };
  Command command = kFileNew;
  QString fileName;
  QString printerName;  // for kFilePrintTo
  QString error;        // for kBad: what was wrong

  // arguments: the program's arguments without the program name.
  static CCommandLineInfo Parse(const QStringList& arguments);
};

}  // namespace aerodex
