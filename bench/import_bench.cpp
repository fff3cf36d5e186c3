// SPDX-License-Identifier: GPL-3.0-or-later
// Importing an older version's text log of 65,535 records (the most a log
// file can hold), from a file and from memory. Target: 300 ms or less.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "editing/cancelling_port.h"
#include "editing/interaction_port.h"
#include "import/text_import.h"
#include "model/document.h"

namespace {

constexpr int kRecords = 65535;
const char* const kAircraft[] = {"N1234X", "N5678Y", "N24680", "N13579", "SIM1"};

// A realistic file: comments now and then, dates over thirty years written
// out of order in places, routes and remarks of everyday length.
std::string MakeTextLog() {
  std::string text = "# converted from the Unix version\n" + std::to_string(kRecords) +
                     "\n^Jane Q. Pilot^\n^12 Main St, Springfield^\n1 2 1960 3 1999 3\n";
  char line[256];
  for (int i = 0; i < kRecords; ++i) {
    const int year = 1970 + (i * 7 % 30);
    std::snprintf(line, sizeof line,
                  "^%s^\n%d %d %d\n^KSJC^\n^KMRY^\n^V25 SNS V485 KMRY^\n"
                  "%d %d %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f\n%d %d %d %d %d %d %d\n",
                  kAircraft[i % 5], 1 + i % 28, 1 + i % 12, year, 1 + i % 3, i % 2, 1.2 + i % 4,
                  0.1 * (i % 3), 0.5 * (i % 2), 0.0, 1.3 + i % 4, 1.2 + i % 4, 0.0, 0.1 * (i % 5),
                  0.0, i % 2, i % 3, 0, 0, i % 2, 0, 0);
    text += line;
    text += i % 100 == 0 ? "# checkride\n^Stage check; steep turns, stalls, pattern work^\n"
                         : "^Practice approaches and landings at Monterey^\n";
  }
  return text;
}

// A fresh log that knows the aircraft, so no question is asked.
std::unique_ptr<CAerodexDoc> FreshLog(CInteractionPort& port) {
  auto doc = std::make_unique<CAerodexDoc>(&port);
  doc->OnNewDocument();
  for (const char* name : kAircraft) {
    doc->AppendAircraft(std::make_unique<CAirplane>(name[0] == 'N' ? name + 1 : name));
  }
  return doc;
}

// Times the import alone: opening the stream and freeing the log are left out.
template <class OpenStream>
void TimeImports(benchmark::State& state, OpenStream open) {
  CCancellingPort port;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = FreshLog(port);
    auto in = open();
    state.ResumeTiming();
    const auto result = aerodex::import::ImportTextLog(*doc, port, *in);
    state.PauseTiming();
    if (result.found != kRecords) state.SkipWithError("not every record was imported");
    doc.reset();
    state.ResumeTiming();
  }
}

void BM_ImportTextFile(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "aerodex_import_bench.aerodex").string();
  std::ofstream(path, std::ios::binary) << MakeTextLog();
  TimeImports(state, [&] { return std::make_unique<std::ifstream>(path, std::ios::binary); });
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportTextFile)->Unit(benchmark::kMillisecond);

void BM_ImportFromMemory(benchmark::State& state) {
  const std::string text = MakeTextLog();
  TimeImports(state, [&] { return std::make_unique<std::istringstream>(text); });
}
BENCHMARK(BM_ImportFromMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
