// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>

namespace aerodex {
namespace {

// A path may begin with '/', so only the switch names themselves count as
// switches when written with a slash.
enum class Word { kPrint, kPrintTo, kIgnored, kUnregister, kFile };

Word ClassifySwitch(const QString& name) {
  if (name == QLatin1String("p")) return Word::kPrint;
  if (name == QLatin1String("pt")) return Word::kPrintTo;
  if (name == QLatin1String("dde") || name == QLatin1String("automation") ||
      name == QLatin1String("embedding")) {
    return Word::kIgnored;
  }
  if (name == QLatin1String("unregister") || name == QLatin1String("unregserver")) {
    return Word::kUnregister;
  }
  return Word::kFile;
}

Word Classify(const QString& word) {
  if (word.size() < 2 || !word.startsWith(QLatin1Char('/'))) return Word::kFile;
  return ClassifySwitch(word.mid(1).toLower());
}

const QStringList kOldSwitches = {QStringLiteral("p"),          QStringLiteral("pt"),
                                  QStringLiteral("dde"),        QStringLiteral("automation"),
                                  QStringLiteral("embedding"),  QStringLiteral("unregister"),
                                  QStringLiteral("unregserver")};

struct Options {
  QCommandLineOption print{QStringLiteral("print"), QString(), QStringLiteral("FILE")};
  QCommandLineOption printTo{QStringLiteral("print-to"), QString(), QStringLiteral("PRINTER")};
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
  QCommandLineOption version{QStringLiteral("version")};
};

// Folds one switch into the command; what takes precedence follows the
// framework: a print-to is not undone by a later print.
void Apply(Word word, CCommandLineInfo& info) {
  switch (word) {
    case Word::kPrint:
      if (info.command != CCommandLineInfo::kFilePrintTo)
        info.command = CCommandLineInfo::kFilePrint;
      break;
    case Word::kPrintTo:
      info.command = CCommandLineInfo::kFilePrintTo;
      break;
    case Word::kUnregister:
      info.command = CCommandLineInfo::kUnregister;
      break;
    case Word::kIgnored:
    case Word::kFile:
      break;
  }
}

// The files and the printer, once the switches are known.
void TakeWords(const QStringList& words, CCommandLineInfo& info) {
  QStringList rest = words;
  if (info.fileName.isEmpty() && !rest.isEmpty()) info.fileName = rest.takeFirst();
  if (info.printerName.isEmpty() && !rest.isEmpty()) info.printerName = rest.takeFirst();
  if (info.command == CCommandLineInfo::kFileNew && !info.fileName.isEmpty()) {
    info.command = CCommandLineInfo::kFileOpen;
  }
  if ((info.command == CCommandLineInfo::kFilePrint ||
       info.command == CCommandLineInfo::kFilePrintTo) &&
      info.fileName.isEmpty()) {
    info.error = QStringLiteral("No file to print was named.");
  } else if (info.command == CCommandLineInfo::kFilePrintTo && info.printerName.isEmpty()) {
    info.error = QStringLiteral("No printer was named for /pt.");
  }
  if (!info.error.isEmpty()) info.command = CCommandLineInfo::kBad;
}

}  // namespace

CCommandLineInfo CCommandLineInfo::Parse(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-pt" is the old switch, not "-p" and "-t".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const Options options;
  parser.addOptions({options.print, options.printTo, options.help, options.version});
  for (const QString& name : kOldSwitches) parser.addOption(QCommandLineOption(name));
  CCommandLineInfo info;
  if (!parser.parse(QStringList{QStringLiteral("aerodex")} + arguments)) {
    info.command = kBad;
    info.error = parser.errorText();
    return info;
  }
  if (parser.isSet(options.help)) info.command = kHelp;
  if (parser.isSet(options.version) && info.command != kHelp) info.command = kVersion;
  if (info.command != kFileNew) return info;
  for (const QString& name : parser.optionNames()) Apply(ClassifySwitch(name.toLower()), info);
  // After "--" every word is a file, even one that looks like a switch.
  const QStringList positional = parser.positionalArguments();
  const qsizetype literal = arguments.indexOf(QStringLiteral("--"));
  const qsizetype switchesEnd =
      literal < 0 ? positional.size() : positional.size() - (arguments.size() - literal - 1);
  QStringList words;
  for (qsizetype i = 0; i < positional.size(); ++i) {
    const Word word = i < switchesEnd ? Classify(positional[i]) : Word::kFile;
    if (word == Word::kFile) words.append(positional[i]);
    Apply(word, info);
  }
  if (info.command == kUnregister) return info;
  if (parser.isSet(options.printTo)) {
    info.command = kFilePrintTo;
    info.printerName = parser.value(options.printTo);
  } else if (parser.isSet(options.print)) {
    if (info.command != kFilePrintTo) info.command = kFilePrint;
    info.fileName = parser.value(options.print);
  }
  TakeWords(words, info);
  return info;
}

}  // namespace aerodex
