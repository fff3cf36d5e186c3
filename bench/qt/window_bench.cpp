// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program as a user waits for it: start-up on a log of about two
// hundred flights until the main window's log view has painted (target:
// 300 ms or less), one scroll step through a log of 20,000 or 65,535 flights
// and a click selecting a row of the larger one, each with its repaint
// (target: a quarter of a 16 ms frame).
// Runs on the display in DISPLAY (for example under xvfb-run), or off
// screen when there is none.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/aerodex_app.h"
#include "app/aerodex_view.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "limit_log.h"
#include "model/document_file.h"
#include "tools/sample_log.h"

namespace {

using aerodex::CAerodexApp;

// Notes when the watched widget has received a paint event.
class PaintWatcher : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

QTemporaryDir& WorkDir() {
  static QTemporaryDir dir;
  return dir;
}

std::unique_ptr<CAerodexApp> MakeApp() {
  CAerodexApp::Options options;
  options.settingsPath = WorkDir().filePath(QStringLiteral("aerodex.ini"));
  return std::make_unique<CAerodexApp>(options);
}

QString WriteLog(std::uint32_t flights) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildLargeLog(doc, flights);
  const QString path = WorkDir().filePath(QStringLiteral("log-%1.adx").arg(flights));
  if (!aerodex::SaveDocumentFile(doc, path.toStdString()).ok) std::abort();  // nothing to measure
  return path;
}

void PaintNow(aerodex::CAerodexView& view) {
  PaintWatcher watcher;
  view.viewport()->installEventFilter(&watcher);
  while (!watcher.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
  view.viewport()->removeEventFilter(&watcher);
}

// From the application object's construction to the first painted log view.
void BM_StartUpToFirstPaint(benchmark::State& state) {
  const QString log = WriteLog(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {
    auto app = MakeApp();
    if (!app->InitInstance({log})) state.SkipWithError("the log did not open");
    PaintNow(app->MainFrame()->View());
    state.PauseTiming();
    app.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstPaint)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of the scroll bar (a line, or a page for the second argument),
// then the synchronous repaint of the view.
void BM_ScrollStep(benchmark::State& state) {
  auto app = MakeApp();
  app->InitInstance({});
  aerodex::sample::BuildLargeLog(app->Document(), static_cast<std::uint32_t>(state.range(0)));
  app->Document().SetModifiedFlag(false);
  aerodex::CAerodexView& view = app->MainFrame()->View();
  app->MainFrame()->resize(1200, 850);
  view.OnInitialUpdate();
  PaintNow(view);
  QScrollBar* bar = view.verticalScrollBar();
  const int step = state.range(1) != 0 ? bar->pageStep() : bar->singleStep();
  bar->setValue(bar->maximum() / 2);
  for (auto _ : state) {
    bar->setValue(bar->value() + step >= bar->maximum() ? 0 : bar->value() + step);
    view.viewport()->repaint();
  }
  state.counters["pages"] = view.LogView().PrintPageCount();
  app->Document().SetModifiedFlag(false);
}
BENCHMARK(BM_ScrollStep)
    ->Args({20000, 0})
    ->Args({20000, 1})
    ->Args({200, 0})
    ->Args({65535, 0})
    ->Args({65535, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A click on a flight row of a 65,535-flight log (two rows in turn, so the
// selection changes every time), then the synchronous repaint.
void BM_ClickSelect(benchmark::State& state) {
  auto app = MakeApp();
  app->InitInstance({});
  aerodex::bench::BuildTenAircraftLog(app->Document(), aerodex::bench::kLimitFlights);
  aerodex::CAerodexView& view = app->MainFrame()->View();
  app->MainFrame()->resize(1200, 850);
  view.OnInitialUpdate();
  PaintNow(view);  // scrolls to the selected flight in the middle of the log
  view.viewport()->repaint();
  const CAerodexEntry* before = app->Document().selectedEntry;
  int turn = 0;
  for (auto _ : state) {
    const QPointF at(300, (turn++ % 2) ? 200 : 260);
    QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &release);
    view.viewport()->repaint();
  }
  if (app->Document().selectedEntry == before) state.SkipWithError("no click selected a row");
  app->Document().SetModifiedFlag(false);
}
BENCHMARK(BM_ClickSelect)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QElapsedTimer clock;
  clock.start();
  QApplication application(argc, argv);
  std::printf("QApplication construction: %.1f ms (once per process, not in the figures below)\n",
              static_cast<double>(clock.nsecsElapsed()) / 1e6);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
