// Memory and time of undo snapshots: a board of 25,000 elements with a full
// undo stack of 50 snapshots must not need more than 50 times the memory of
// the board itself. Heap bytes are counted by replacing the global allocation
// functions of this program.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>

#include "core/undo.h"
#include "geom/element_create.h"
#include "geom/text_strokes.h"

namespace {

std::atomic<long long> g_live{0};  // heap bytes currently allocated

void* Allocate(std::size_t n) {
  void* p = std::malloc(n == 0 ? 1 : n);
  if (!p) throw std::bad_alloc();
  g_live += static_cast<long long>(malloc_usable_size(p));
  return p;
}

void Release(void* p) noexcept {
  if (!p) return;
  g_live -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace {

using namespace corvane;

constexpr int kElements = 25000;
constexpr int kSnapshots = 50;

// A mixed board: pads and SMD pads with connections, tracks, zones, circles
// and a few texts with strokes, grouped in small groups.
void FillBoard(TPlatine& board) {
  ElementList& list = board.Elemente;
  list.Reserve(kElements);
  TTextEditorState editor;
  for (int i = 0; list.size() < static_cast<std::size_t>(kElements); ++i) {
    const float x = static_cast<float>((i % 200) * 80);
    const float y = -static_cast<float>((i / 200) * 80);
    switch (i % 10) {
      case 0:
      case 1: {
        TObjekt& a = list.Add(CreatePad({x, y}, lyC1, static_cast<uint8_t>(1 + i % 9), 20, 40));
        TObjekt& b = list.Add(CreateSmdPad({x + 40, y}, 60, 30, lyC1));
        a.Luftlinien = {b.Id()};
        b.Luftlinien = {a.Id()};
        break;
      }
      case 2: case 3: case 4: case 5: {
        TObjekt t = CreateTrack(25, lyC2);
        t.Punkte = {{x, y}, {x + 30, y - 10}, {x + 60, y - 10}};
        t.Gruppen = {1 + i / 20};
        list.Add(std::move(t));
        break;
      }
      case 6: {
        TObjekt z = CreateZone(20, lyC1);
        z.Punkte = {{x, y}, {x + 50, y}, {x + 50, y - 50}, {x, y - 50}, {x + 10, y - 20}};
        list.Add(std::move(z));
        break;
      }
      case 7:
      case 8:
        list.Add(CreateCircle({x, y}, 30, 20, lyS1, psCircular));
        break;
      default: {
        if (i % 100 != 9) {
          list.Add(CreateCircle({x, y}, 15, 0, lyS2, psCircular));
          break;
        }
        TTextParams params;
        params.content = "R" + std::to_string(i);
        params.height = 150;
        TObjekt t = CreateText({x, y}, params, lyS1);
        GenerateTextStrokes(t, editor);
        list.Add(std::move(t));
        break;
      }
    }
  }
}

void BM_UndoStackMemory(benchmark::State& state) {
  const long long before = g_live.load();
  TPlatine board;
  FillBoard(board);
  // The board's own size: its elements with everything they own.
  const long long boardBytes = g_live.load() - before;
  TUndoControl control;
  long long stackBytes = 0;
  for (auto _ : state) {
    const long long start = g_live.load();
    for (int s = 0; s < kSnapshots; ++s) PushUndo(board, control);
    stackBytes = g_live.load() - start;
    state.PauseTiming();
    board.Undo.clear();
    state.ResumeTiming();
  }
  const double ratio = static_cast<double>(stackBytes) / static_cast<double>(boardBytes);
  state.counters["Elements"] = static_cast<double>(board.Elemente.size());
  state.counters["BoardBytes"] = static_cast<double>(boardBytes);
  state.counters["StackBytes"] = static_cast<double>(stackBytes);
  state.counters["StackPerBoard"] = ratio;
  if (ratio > kSnapshots) state.SkipWithError("50 snapshots need more than 50 times the board's memory");
}
BENCHMARK(BM_UndoStackMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PushUndo(benchmark::State& state) {
  TPlatine board;
  FillBoard(board);
  TUndoControl control;
  for (auto _ : state) {
    PushUndo(board, control);
    benchmark::DoNotOptimize(board.Undo.back().size());
  }
}
BENCHMARK(BM_PushUndo)->Unit(benchmark::kMillisecond);

void BM_UndoRedo(benchmark::State& state) {
  TPlatine board;
  FillBoard(board);
  TUndoControl control;
  PushUndo(board, control);
  for (auto _ : state) {
    Undo(board, false);
    Redo(board, false);
  }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

}  // namespace
