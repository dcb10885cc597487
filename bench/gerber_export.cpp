// Export of every Gerber target and the Excellon drill file of a board of
// 100,000 elements (through-hole pads with thermal spokes, SMD pads, tracks,
// hatched and solid zones, rings and arcs on both copper sides, the
// silkscreens and the outline; ground planes on C1 and C2; solder and SMD
// masks). Goal: under 1 s for all files together.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cam/excellon_export.h"
#include "cam/gerber_export.h"
#include "core/board.h"
#include "geom/element_create.h"

namespace corvane {
namespace {

constexpr int kColumns = 400;
constexpr int kRows = 250;
constexpr int32_t kPitchX = 100;
constexpr int32_t kPitchY = 120;

TPlatine MakeBoard() {
  TPlatine b;
  b.Kopf.Breite = kColumns * kPitchX;
  b.Kopf.Hoehe = kRows * kPitchY;
  b.Kopf.MasseAn[lyC1 - 1] = 1;
  b.Kopf.MasseAn[lyC2 - 1] = 1;
  b.Elemente.Reserve(kColumns * kRows);
  for (int i = 0; i < kColumns * kRows; ++i) {
    const float x = static_cast<float>((i % kColumns) * kPitchX + kPitchX / 2);
    const float y = -static_cast<float>((i / kColumns) * kPitchY + kPitchY / 2);
    const uint8_t side = (i / 7) % 2 == 0 ? lyC1 : lyC2;
    TObjekt e;
    switch (i % 7) {
      case 0:
      case 1: {
        e = CreatePad({x, y}, side, static_cast<uint8_t>(1 + i % 9), 15, 30);
        e.Durchkontaktiert = i % 3 == 0 ? 1 : 0;
        e.Schalter1 = i % 2;
        break;
      }
      case 2:
        e = CreateSmdPad({x, y}, 60, 30, side);
        e.Schalter1 = 1;
        break;
      case 3:
        e = CreateTrack(20, i % 5 == 0 ? uint8_t{lyS1} : side);
        e.Punkte = {{x - 40, y}, {x, y + 30}, {x + 40, y + 30}};
        break;
      case 4:
        e = CreateZone(10, side);
        e.Punkte = {{x - 40, y - 40}, {x + 40, y - 40}, {x + 40, y + 40}, {x - 40, y + 40}};
        e.Schalter1 = i % 2;
        break;
      case 5:
        e = CreateCircle({x, y}, 40, 30, i % 4 == 0 ? uint8_t{lyS2} : side, psCircular);
        e.Wert2 = (i * 37) % 360;
        e.Wert1 = (i * 91) % 360;
        break;
      default:
        e = CreateTrack(10, lyO);
        e.Punkte = {{x - 45, y - 55}, {x + 45, y - 55}};
        break;
    }
    e.Freistanz = 20;
    b.Elemente.Add(std::move(e));
  }
  return b;
}

// withDrill: the Excellon file is written too.
void ExportAll(benchmark::State& state, bool withDrill) {
  TPlatine board = MakeBoard();
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("corvane_bench_gerber_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  int64_t files = 0;
  for (auto _ : state) {
    for (TGerberTarget t : kGerberTargets) {
      if (!GerberTargetEnabled(board, t)) continue;
      TGerberOptions o;
      ApplyGerberDialogRules(t, o);
      o.Punch = IsCopperTarget(t);
      const TCamResult r = PlotteGerberfile(board, t, o, (dir / GerberDefaultFileName(t, 1)).string(), 1);
      if (!r.Ok) state.SkipWithError(r.Error.c_str());
      ++files;
    }
    if (withDrill) {
      const TCamResult drill = WriteExcellonFile(board, TExcellonOptions{}, false, (dir / "Drill.drl").string());
      if (!drill.Ok) state.SkipWithError(drill.Error.c_str());
      ++files;
    }
  }
  state.counters["files"] = benchmark::Counter(static_cast<double>(files), benchmark::Counter::kAvgIterations);
  std::filesystem::remove_all(dir);
}
void BM_GerberExport(benchmark::State& state) { ExportAll(state, false); }
void BM_GerberAndDrillExport(benchmark::State& state) { ExportAll(state, true); }
BENCHMARK(BM_GerberExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GerberAndDrillExport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
