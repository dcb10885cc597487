// Loading and saving a project of 4 boards x 25,000 elements. Goals (release
// build): load and save each under 150 ms; the loaded project needs less than
// 150 MB. Heap use is counted by the replaced global operator new/delete below.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "core/element_ops.h"
#include "geom/element_create.h"
#include "geom/text_strokes.h"
#include "io/file_bytes.h"
#include "io/lay_load.h"
#include "io/lay_save.h"
#include "io/lay_write.h"

namespace {

std::atomic<long long> g_heap{0};
std::atomic<long long> g_peak{0};

void Count(void* p) {
  if (!p) return;
  const long long now = g_heap += static_cast<long long>(malloc_usable_size(p));
  long long peak = g_peak.load();
  while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
  }
}

void* Allocate(std::size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  Count(p);
  return p;
}

void Release(void* p) {
  if (!p) return;
  g_heap -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace corvane {
namespace {

constexpr int kBoards = 4;
constexpr int kElementsPerBoard = 25000;

// 25,000 elements in a repeating mix: per 25 elements 10 tracks of 8 points,
// 5 pads, 5 SMD pads, 1 zone, 2 circles and 2 texts with their strokes.
void FillBoard(ElementList& list) {
  list.Reserve(kElementsPerBoard);
  TTextEditorState editor;
  editor.AktiverLayer = lyS1;
  for (int i = 0; list.size() < kElementsPerBoard; ++i) {
    const float x = static_cast<float>((i * 37) % 15000), y = -static_cast<float>((i * 53) % 9000);
    const int slot = i % 25;
    if (slot < 10) {
      TObjekt t = CreateTrack(30, lyC1);
      for (int k = 0; k < 8; ++k) AddPoint(t, {x + 40.0f * k, y - 25.0f * (k % 2)});
      list.Add(std::move(t));
    } else if (slot < 15) {
      list.Add(CreatePad({x, y}, lyC2, static_cast<uint8_t>(1 + slot % 9), 40, 80));
    } else if (slot < 20) {
      list.Add(CreateSmdPad({x, y}, 150, 60, lyC1));
    } else if (slot < 21) {
      TObjekt z = CreateZone(20, lyC2);
      z.Punkte = {{x, y}, {x + 500, y}, {x + 500, y - 300}, {x, y - 300}, {x + 200, y - 150}};
      list.Add(std::move(z));
    } else if (slot < 23) {
      list.Add(CreateCircle({x, y}, 120, 100, lyS1, psCircular));
    } else {
      TTextParams params;
      params.content = "R" + std::to_string(i % 1000);
      params.height = 150;
      TObjekt text = CreateText({x, y}, params, lyS1);
      GenerateTextStrokes(text, editor);
      list.Add(std::move(text));
    }
  }
}

const std::string& BenchFile() {
  static const std::string path = [] {
    TProject p;
    p.NewProject(1);
    for (int b = 0; b < kBoards; ++b) {
      if (b > 0) p.AddBoard("Board " + std::to_string(b + 1));
      FillBoard(p.ActiveElements());
    }
    std::string file = "/tmp/corvane_bench_" + std::to_string(::getpid()) + ".lay";
    if (!SaveLayout(file, p).ok()) std::abort();
    return file;
  }();
  return path;
}

void BM_LoadLayout(benchmark::State& state) {
  const std::string& file = BenchFile();
  long long peak = 0, held = 0;
  TProject p;
  for (auto _ : state) {
    state.PauseTiming();  // releasing the previous project is not part of loading
    p = TProject();
    const long long before = g_heap.load();
    g_peak = before;
    state.ResumeTiming();
    const TLoadResult r = LoadLayout(file, p, {});
    if (!r.ok()) state.SkipWithError(r.Error.Describe().c_str());
    peak = g_peak.load() - before;
    held = g_heap.load() - before;
  }
  state.counters["peak_heap_MB"] = static_cast<double>(peak) / (1 << 20);
  state.counters["project_MB"] = static_cast<double>(held) / (1 << 20);
  state.counters["elements"] = kBoards * kElementsPerBoard;
}
BENCHMARK(BM_LoadLayout)->Unit(benchmark::kMillisecond);

void BM_SaveLayout(benchmark::State& state) {
  TProject p;
  if (!LoadLayout(BenchFile(), p, {}).ok()) state.SkipWithError("load failed");
  const std::string out = BenchFile() + ".out";
  std::size_t bytes = 0;
  for (auto _ : state) {
    if (!SaveLayout(out, p).ok()) state.SkipWithError("save failed");
    bytes = EncodeLayout(p).size();
  }
  state.counters["file_MB"] = static_cast<double>(bytes) / (1 << 20);
  std::remove(out.c_str());
}
BENCHMARK(BM_SaveLayout)->Unit(benchmark::kMillisecond);

void BM_EncodeLayout(benchmark::State& state) {
  TProject p;
  if (!LoadLayout(BenchFile(), p, {}).ok()) state.SkipWithError("load failed");
  for (auto _ : state) benchmark::DoNotOptimize(EncodeLayout(p));
}
BENCHMARK(BM_EncodeLayout)->Unit(benchmark::kMillisecond);

// Removes the generated file when the program ends.
struct RemoveBenchFile {
  ~RemoveBenchFile() { std::remove(BenchFile().c_str()); }
} g_remove;

}  // namespace
}  // namespace corvane
