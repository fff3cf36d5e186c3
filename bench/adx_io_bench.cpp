// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save of a full-size log (65,535 flights, realistic texts), against
// the floor of merely copying the same bytes from memory into a buffer.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/document_archive.h"
#include "model/document_file.h"
#include "tools/sample_log.h"

namespace {

const std::string& FullLogBytes() {
  static const std::string bytes = [] {
    CAerodexDoc doc;
    doc.OnNewDocument();
    aerodex::sample::BuildLargeLog(doc, aerodex::kMaxRecordCount);
    return aerodex::SaveDocument(doc);
  }();
  return bytes;
}

std::span<const std::uint8_t> AsSpan(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

void BM_CopyBytesBaseline(benchmark::State& state) {
  const std::string& bytes = FullLogBytes();
  std::vector<char> buffer;
  for (auto _ : state) {
    buffer.resize(bytes.size());
    std::memcpy(buffer.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
    buffer = {};
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_LoadFullLog(benchmark::State& state) {
  const std::string& bytes = FullLogBytes();
  CStderrPromptPort port;
  for (auto _ : state) {
    auto doc = std::make_unique<CAerodexDoc>(&port);
    if (aerodex::LoadDocument(*doc, AsSpan(bytes)) != aerodex::LoadResult::kLoaded) {
      state.SkipWithError("load failed");
    }
    benchmark::DoNotOptimize(doc->EntryCount());
    state.PauseTiming();  // closing the log is not part of loading it
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_SaveFullLog(benchmark::State& state) {
  CAerodexDoc doc;
  aerodex::LoadDocument(doc, AsSpan(FullLogBytes()));
  for (auto _ : state) {
    std::string bytes = aerodex::SaveDocument(doc);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FullLogBytes().size()));
}

// The whole atomic save to a real file: temporary file, fsync, rename, folder sync.
void BM_SaveFullLogToDisk(benchmark::State& state) {
  CAerodexDoc doc;
  aerodex::LoadDocument(doc, AsSpan(FullLogBytes()));
  const std::string path = "/tmp/aerodex-bench-save.adx";
  for (auto _ : state) {
    if (!aerodex::SaveDocumentFile(doc, path).ok) state.SkipWithError("save failed");
  }
  std::remove(path.c_str());
}

const std::string& FullLogFile() {
  static const std::string path = [] {
    const std::string file = "/tmp/aerodex-bench-full.adx";
    // A bench without its file cannot measure anything: stop at once.
    if (!aerodex::WriteFileAtomically(file, FullLogBytes()).ok) std::abort();
    return file;
  }();
  return path;
}

// Reading the log file's bytes (from the page cache) into a buffer, and
// opening the same file as a log: the whole of what Open does.
void BM_ReadFileBaseline(benchmark::State& state) {
  std::string bytes;
  for (auto _ : state) {
    if (!aerodex::ReadWholeFile(FullLogFile(), bytes).ok) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(bytes.data());
    bytes = {};
  }
}

void BM_OpenFullLogFile(benchmark::State& state) {
  CStderrPromptPort port;
  for (auto _ : state) {
    auto doc = std::make_unique<CAerodexDoc>(&port);
    if (!aerodex::OpenDocumentFile(*doc, FullLogFile()).ok) state.SkipWithError("open failed");
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_ReadFileBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFullLogFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyBytesBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFullLog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullLog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullLogToDisk)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
