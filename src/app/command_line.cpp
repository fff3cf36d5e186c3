#include "app/command_line.h"

namespace aerodex {
namespace {

// A path may begin with '/', so only the switch names themselves count as
// switches; other words that begin with '-' are ignored as unknown switches.
enum class Word { kPrint, kPrintTo, kIgnored, kUnregister, kFile };

Word Classify(const QString& argument) {
  if (argument.size() < 2 ||
      !(argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-')))) {
    return Word::kFile;
  }
  const QString name = argument.mid(1).toLower();
  if (name == QLatin1String("p")) return Word::kPrint;
  if (name == QLatin1String("pt")) return Word::kPrintTo;
  if (name == QLatin1String("dde") || name == QLatin1String("automation") ||
      name == QLatin1String("embedding")) {
    return Word::kIgnored;
  }
  if (name == QLatin1String("unregister") || name == QLatin1String("unregserver")) {
    return Word::kUnregister;
  }
  return argument.startsWith(QLatin1Char('-')) ? Word::kIgnored : Word::kFile;
}

}  // namespace

CCommandLineInfo CCommandLineInfo::Parse(const QStringList& arguments) {
  CCommandLineInfo info;
  QStringList words;
  for (const QString& argument : arguments) {
    switch (Classify(argument)) {
      case Word::kPrint:
        if (info.command != kFilePrintTo) info.command = kFilePrint;
        break;
      case Word::kPrintTo:
        info.command = kFilePrintTo;
        break;
      case Word::kUnregister:
        info.command = kUnregister;
        break;
      case Word::kIgnored:
        break;
      case Word::kFile:
        words.append(argument);
        break;
    }
  }
  if (info.command == kUnregister) return info;
  if (!words.isEmpty()) info.fileName = words[0];
  if (words.size() > 1) info.printerName = words[1];
  if (info.command == kFileNew && !info.fileName.isEmpty()) info.command = kFileOpen;
  if ((info.command == kFilePrint || info.command == kFilePrintTo) && info.fileName.isEmpty()) {
    info.error = QStringLiteral("No file to print was named.");
  } else if (info.command == kFilePrintTo && info.printerName.isEmpty()) {
    info.error = QStringLiteral("No printer was named for /pt.");
  }
  if (!info.error.isEmpty()) info.command = kBad;
  return info;
}

}  // namespace aerodex
