// aerodex-cli pdf: the printed log as a PDF, drawn by the same pass and page
// routine as printing, without a display.
#ifdef AERODEX_HAVE_PDF

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/surface/log_printing.h"
#include "cli/cli.h"
#include "display/log_view.h"

namespace aerodex::cli {
namespace {

struct PdfOptions {
  std::string log;
  std::string out;
  int viewMode = kViewAllEntries;
  bool nightSubtotals = false;
  std::string error;
};

bool ParseViewMode(const std::string& name, int& mode) {
  if (name == "all")
    mode = kViewAllEntries;
  else if (name == "nnumber")
    mode = kViewByNNumber;
  else if (name == "annual")
    mode = kViewAnnualSummary;
  else
    return false;
  return true;
}

PdfOptions ParsePdfOptions(const std::vector<std::string>& args) {
  PdfOptions options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
    if (args[i] == "--night-subtotals") {
      options.nightSubtotals = true;
    } else if (args[i] == "--view") {
      if (i + 1 >= args.size() || !ParseViewMode(args[i + 1], options.viewMode)) {
        options.error = "--view takes all, nnumber or annual";
      }
      ++i;
    } else if (args[i].starts_with("--")) {
      options.error = "unknown option '" + args[i] + "'";
    } else {
      files.push_back(args[i]);
    }
  }
  if (options.error.empty() && files.size() != 2) {
    options.error = "expects a log file and an output file";
  } else if (options.error.empty()) {
    options.log = files[0];
    options.out = files[1];
  }
  return options;
}

// The PDF must never replace the log it was made from.
bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

QtMessageHandler previousHandler = nullptr;

// The platform's start-up notes (a missing runtime folder and the like) are
// not the user's business on a command line; anything fatal still goes out.
void QuietStartupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg && type != QtCriticalMsg) return;
  if (previousHandler != nullptr) {
    previousHandler(type, context, text);
  } else {
    std::cerr << qFormatLogMessage(type, context, text).toStdString() << '\n';
  }
}

// Fonts need a QGuiApplication; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "aerodex-cli";
  static char* argv[] = {name, nullptr};
  previousHandler = qInstallMessageHandler(QuietStartupHandler);
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  qInstallMessageHandler(previousHandler);
  return app;
}

}  // namespace

int RunPdf(Args args, std::FILE*) {
  const Command& self = FindCommand("pdf");
  const NowOption now = TakeNowOption(args);
  if (!now.error.empty()) return UsageError(self, now.error);
  const PdfOptions options = ParsePdfOptions(now.rest);
  if (!options.error.empty()) return UsageError(self, options.error);
  if (IsSameFile(options.log, options.out)) {
    std::cerr << "Refusing to write the PDF over the log " << options.out << ".\n";
    return kFailure;
  }
  LoadedLog log = NewLog(now.now);
  if (!OpenLog(log, options.log)) return kFailure;
  const auto app = EnsureGuiApplication();
  CLogView view(*log.doc);
  view.viewMode = options.viewMode;
  view.showNightSubtotals = options.nightSubtotals ? 1 : 0;
  std::string error;
  if (!ExportLogPdf(view, options.out, error)) {
    std::cerr << error << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace aerodex::cli

#endif  // AERODEX_HAVE_PDF
