// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pass of the log view on a surface that draws nothing: the
// complete pass (every row placed and measured afresh), the relayout a change
// of contents costs, and the pass from the kept layout that a repaint pays.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "display/log_view.h"
#include "model/document.h"
#include "support/recording_surface.h"

namespace {

class NullHost : public aerodex::CLogViewHost {
 public:
  void SetScrollSizes(int, int) override {}
  void ScrollToPosition(int, int) override {}
  CExtent HighEnglishWindowExtent() const override { return {1000, 1000}; }
  CExtent HighEnglishViewportExtent() const override { return {96, -96}; }
  void SetScreenExtents(CExtent, CExtent) override {}
};

constexpr std::array<const char*, 6> kAirports = {"KSJC", "KMRY", "KSNS", "KPAO", "KRHV", "KWVI"};
constexpr std::array<const char*, 5> kRoutes = {"", "V25", "KSNS", "V485 SJC V334", "OSI V25"};
constexpr std::array<const char*, 6> kRemarks = {
    "Pattern work, three full-stop landings",
    "Practice approaches: ILS 31, VOR-A, GPS 29 with holding at SNS",
    "Local flight",
    "BFR with CFI J. Smith. Steep turns, stalls, slow flight, emergency procedures",
    "Night cross country to Monterey and back, clear skies",
    "Checkout in the Arrow; retractable gear, constant-speed prop"};
constexpr std::array<const char*, 5> kFleet = {"12345", "734GF", "8123Q", "2204K", "SIM1"};

void FillLog(CAerodexDoc& doc, int flights) {
  for (int i = 0; i < static_cast<int>(kFleet.size()); ++i) {
    auto a = std::make_unique<CAirplane>(kFleet[i]);
    a->isAirplane = i < 4;
    a->isSingleEngine = i != 2 && i < 4;
    a->isMultiEngine = i == 2;
    a->isSimulator = i == 4;
    a->hourlyCost = 85.0 + 20 * i;
    doc.AppendAircraft(std::move(a));
  }
  doc.GrowEntryArray(static_cast<std::uint32_t>(flights));
  for (int i = 0; i < flights; ++i) {
    auto e = std::make_unique<CAerodexEntry>();
    e->year = 1980 + i / 1000;
    e->month = 1 + (i / 80) % 12;
    e->day = 1 + (i / 3) % 28;
    e->flightNumber = i % 3;
    e->nNumber = kFleet[i % kFleet.size()];
    e->departure = kAirports[i % kAirports.size()];
    e->arrival = kAirports[(i * 7 + 1) % kAirports.size()];
    e->route = kRoutes[i % kRoutes.size()];
    e->remarks = kRemarks[i % kRemarks.size()];
    e->dayLandings = 1 + i % 3;
    e->nightLandings = i % 5 == 0 ? 2 : 0;
    e->dayHours = 0.8 + (i % 17) / 10.0;
    e->nightHours = i % 5 == 0 ? 1.1 : 0;
    e->dayCrossCountry = i % 4 == 0 ? e->dayHours : 0;
    e->picHours = e->dayHours + e->nightHours;
    e->simulatedInstrument = i % 6 == 0 ? 0.7 : 0;
    e->ilsApproaches = i % 6 == 0 ? 2 : 0;
    e->startTach = 1000 + i * 1.5;
    e->endTach = e->startTach + e->dayHours + e->nightHours;
    doc.AppendEntry(std::move(e));
  }
  doc.SortEntries();
}

// Sees the whole log and takes every text: what a pass that draws every row
// costs in formatting its numbers and texts.
class TextSinkSurface final : public aerodex::CSurface {
 public:
  const CFontDesc* SelectFont(const CFontDesc* font) override { return std::exchange(font_, font); }
  const CPenDesc* SelectPen(const CPenDesc* pen) override { return std::exchange(pen_, pen); }
  void SetTextColor(CColor) override {}
  void SetBackgroundMode(aerodex::BackgroundMode) override {}
  void SetTextAlign(aerodex::TextAlign) override {}
  void TextOut(int, int, const std::string& text) override { bytes += text.size(); }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void FillSolidRect(int, int, int, int, CColor) override {}
  bool IsPrinting() const override { return false; }
  bool IsBandVisible(int, int) const override { return true; }
  std::size_t bytes = 0;

 private:
  const CFontDesc* font_ = nullptr;
  const CPenDesc* pen_ = nullptr;
};

enum class Pass { kFull, kRelayout, kKept };

void RunPass(benchmark::State& state, int mode, int night, Pass pass) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  doc.pilot.licenseNumber = 2345678;
  doc.pilot.pilotName = "Jane Q. Pilot";
  FillLog(doc, static_cast<int>(state.range(0)));
  aerodex::CLogView view(doc);
  view.viewMode = mode;
  view.showNightSubtotals = night;
  NullSurface surface;
  NullHost host;
  view.OnDraw(surface, host);
  for (auto _ : state) {
    if (pass == Pass::kRelayout) doc.NoteChange();
    pass == Pass::kFull ? view.DrawFullPass(surface, host) : view.OnDraw(surface, host);
    benchmark::DoNotOptimize(doc.logHeight);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DrawEveryRow(benchmark::State& state) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  FillLog(doc, static_cast<int>(state.range(0)));
  aerodex::CLogView view(doc);
  TextSinkSurface surface;
  NullHost host;
  for (auto _ : state) {
    view.OnDraw(surface, host);
    benchmark::DoNotOptimize(surface.bytes);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AllEntries(benchmark::State& state) {
  RunPass(state, aerodex::kViewAllEntries, 0, Pass::kFull);
}
void BM_GroupByNNumberWithNight(benchmark::State& state) {
  RunPass(state, aerodex::kViewByNNumber, 1, Pass::kFull);
}
void BM_AnnualSummaryWithNight(benchmark::State& state) {
  RunPass(state, aerodex::kViewAnnualSummary, 1, Pass::kFull);
}
void BM_RelayoutAllEntries(benchmark::State& state) {
  RunPass(state, aerodex::kViewAllEntries, 0, Pass::kRelayout);
}
void BM_RelayoutGroupByNNumberWithNight(benchmark::State& state) {
  RunPass(state, aerodex::kViewByNNumber, 1, Pass::kRelayout);
}
void BM_KeptAllEntries(benchmark::State& state) {
  RunPass(state, aerodex::kViewAllEntries, 0, Pass::kKept);
}

}  // namespace

BENCHMARK(BM_AllEntries)->Arg(1000)->Arg(20000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupByNNumberWithNight)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnnualSummaryWithNight)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RelayoutAllEntries)->Arg(20000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RelayoutGroupByNNumberWithNight)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeptAllEntries)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawEveryRow)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
