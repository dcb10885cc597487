// Repaint of a board of 100,000 elements (pads, SMD pads, tracks, zones,
// circles and texts on both copper sides and the silkscreen, a ground plane
// on the active layer) into a 1920 x 1080 drawing area: the whole board
// fitted into it, and a zoomed-in window showing about 1 % of it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

#include "core/element_list.h"
#include "geom/element_create.h"
#include "geom/text_strokes.h"
#include "io/colour_scheme.h"
#include "render/board_view.h"
#include "render/canvas.h"
#include "render/element_index.h"
#include "render/paint_board.h"
#include "render/render_context.h"

namespace corvane {
namespace {

constexpr int kColumns = 400;
constexpr int kRows = 250;
constexpr int32_t kPitchX = 100;
constexpr int32_t kPitchY = 120;
constexpr int32_t kBoardWidth = kColumns * kPitchX;   // 400 mm
constexpr int32_t kBoardHeight = kRows * kPitchY;     // 300 mm
constexpr int kVisibleWidth = 1920;
constexpr int kVisibleHeight = 1080;

ElementList MakeBoard() {
  ElementList list;
  list.Reserve(kColumns * kRows);
  for (int i = 0; i < kColumns * kRows; ++i) {
    const float x = static_cast<float>((i % kColumns) * kPitchX + kPitchX / 2);
    const float y = -static_cast<float>((i / kColumns) * kPitchY + kPitchY / 2);
    const uint8_t side = (i / 7) % 2 ? lyC1 : lyC2;
    TObjekt e;
    switch (i % 20) {
      case 0: case 1: case 2: case 3: case 4: case 5:
        e = CreatePad({x, y}, side, static_cast<uint8_t>(1 + i % 9), 20, 35);
        e.Durchkontaktiert = i % 3 == 0;
        e.Schalter1 = i % 2;
        break;
      case 6: case 7: case 8: case 9:
        e = CreateSmdPad({x, y}, 60, 30, side);
        e.Schalter1 = i % 2;
        break;
      case 10: case 11: case 12: case 13: case 14: case 15:
        e = CreateTrack(25, side);
        e.Punkte = {{x - 45, y}, {x, y - 40}, {x + 45, y - 40}};
        e.Autoroute = i % 4 == 0;
        break;
      case 16:
        e = CreateCircle({x, y}, 40, 30, lyS1, psCircular);
        e.Wert2 = 30;
        e.Wert1 = 300;
        break;
      case 17:
        e = CreateZone(10, side);
        e.Punkte = {{x - 45, y + 50}, {x + 45, y + 50}, {x + 45, y - 50}, {x - 45, y - 50}};
        e.Schalter1 = i % 2;
        break;
      case 18:
        e = CreateText({x - 40, y - 30}, {"R7", 60, 1, 1, false, false, 0}, lyS1);
        GenerateTextStrokes(e, {lyS1, 20});
        break;
      default:
        e = CreateTrack(15, lyS1);
        e.Punkte = {{x - 40, y + 40}, {x + 40, y + 40}, {x + 40, y - 40}, {x - 40, y - 40}, {x - 40, y + 40}};
        break;
    }
    e.Freistanz = 20;
    list.Add(std::move(e));
  }
  // A few hundred unrouted connections between pads far apart.
  std::vector<TObjekt*> pads;
  for (TObjekt& e : list)
    if (IsAnyPad(e)) pads.push_back(&e);
  for (std::size_t k = 0; k + 997 < pads.size(); k += 97) {
    pads[k]->Luftlinien.push_back(pads[k + 997]->Id());
    pads[k + 997]->Luftlinien.push_back(pads[k]->Id());
  }
  return list;
}

struct Scene {
  ElementList list = MakeBoard();
  TElementIndex index;
  TBoardView view;
  TRenderContext ctx;
  QImage image{kVisibleWidth, kVisibleHeight, QImage::Format_RGB32};

  Scene() {
    view.SetBoardSize(kBoardWidth, kBoardHeight);
    view.SetVisibleSize(kVisibleWidth, kVisibleHeight);
    TPlatinenKopf header;
    header.Breite = kBoardWidth;
    header.Hoehe = kBoardHeight;
    header.AktiverLayer = lyC1;
    header.MasseAn[lyC1 - 1] = 1;
    // A two-layer board: the inner layers are hidden, as the board's
    // multilayer switch keeps them while it is off.
    header.Sichtbar[lyI1 - 1] = 0;
    header.Sichtbar[lyI2 - 1] = 0;
    ctx = ScreenContext(header, StandardColourScheme(), TRenderSettings{}, view.Zoom());
  }

  void Paint() {
    ctx.Zoom = view.Zoom();
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(ScreenMapping(view));
    TBoardScene scene;
    scene.Elements = &list;
    scene.Breite = kBoardWidth;
    scene.Hoehe = kBoardHeight;
    scene.View = &view;
    scene.Index = &index;
    PaintBoard(canvas, scene, ctx);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_FullRepaint(benchmark::State& state) {
  Scene& s = TheScene();
  s.view.ZoomBoard();
  s.Paint();  // builds the index
  for (auto _ : state) s.Paint();
  state.counters["zoom"] = s.view.Zoom();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_ZoomedRepaint(benchmark::State& state) {
  Scene& s = TheScene();
  // A window of 1 % of the board's area.
  const double zoom = std::sqrt(double{kVisibleWidth} * kVisibleHeight * 100.0 / (double{kBoardWidth} * kBoardHeight));
  s.view.SetZoom(zoom, false);
  s.view.CenterOn(kBoardWidth / 2.0, kBoardHeight / 2.0);
  s.Paint();
  for (auto _ : state) s.Paint();
  const double shown = (kVisibleWidth / s.view.Zoom()) * (kVisibleHeight / s.view.Zoom());
  state.counters["area_percent"] = 100.0 * shown / (double{kBoardWidth} * kBoardHeight);
}
BENCHMARK(BM_ZoomedRepaint)->Unit(benchmark::kMillisecond);

void BM_IndexBuild(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.index.Invalidate();
    benchmark::DoNotOptimize(s.index.Query(s.list, {0, 0, 1, 1}).size());
  }
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
