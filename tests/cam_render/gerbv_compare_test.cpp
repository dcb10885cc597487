// Second opinion on the Gerber output: gerbv renders every enabled target of
// the demo project and of a fixture with every element kind to a 1000 dpi
// picture, which is compared pixel by pixel with the program's own
// black-and-white drawing of the same layer (copper white on black). The
// drawing shows a drill hole in the colour of what lies beneath the pad:
// open on a layer without ground plane, copper inside a plane; the Gerber
// file is punched accordingly. Masks are compared with the drawing of the
// elements that have an opening, grown by the mask offsets.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "cam/excellon_export.h"
#include "cam/gerber_export.h"
#include "core/element_ops.h"
#include "core/project.h"
#include "core/units.h"
#include "geom/element_create.h"
#include "geom/points.h"
#include "io/colour_scheme.h"
#include "io/lay_load.h"
#include "render/board_picture.h"
#include "render/canvas.h"
#include "render/paint_board.h"
#include "render/render_context.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
constexpr int kDpi = 1000;

bool HaveGerbv() { return std::system("command -v gerbv >/dev/null 2>&1") == 0; }

// The layer drawn as the program shows it with only that layer visible:
// copper white, everything else black.
// The openings of a mask: which kinds (pads, SMD pads, others) and their grow.
struct TMaskDrawing {
  bool Used[3] = {false, false, false};
  int32_t Grow[3] = {0, 0, 0};
};

// With a mask: the board's elements with a mask opening, drawn grown.
QImage OwnPicture(TPlatine& board, int layer, bool mirrored, const TMaskDrawing* mask = nullptr) {
  const TPictureSize size = PicturePixels(board.Kopf.Breite, board.Kopf.Hoehe, kDpi);
  QImage image(size.Width, size.Height, QImage::Format_RGB32);
  image.fill(Qt::black);
  TRenderContext ctx;
  ctx.MonoMap = true;
  ctx.ActiveLayer = layer;
  ctx.Visible.fill(0);
  ctx.Visible[layer - 1] = 1;
  for (int l = 1; l <= kLayerCount; ++l) ctx.GroundPlane[l - 1] = board.Kopf.MasseAn[l - 1];
  ctx.Colours.Background = TRgb{0, 0, 0};
  ctx.Zoom = Rnd(static_cast<double>(size.Width) / board.Kopf.Breite * 1000.0) / 1000.0;
  ElementList openings;
  if (mask != nullptr) {
    ctx.MaskPrint = true;
    ctx.GroundPlane.fill(0);
    ctx.MaskGrowPad = mask->Grow[0];
    ctx.MaskGrowSmd = mask->Grow[1];
    ctx.MaskGrowOther = mask->Grow[2];
    for (const TObjekt& e : board.Elemente) {
      if (e.Loetstopp != 1 || e.Sperrflaeche == 1 || !OnLayer(e, layer)) continue;
      const int kind = e.Typ == otLoetauge ? 0 : e.Typ == otSmdPad ? 1 : 2;
      if (!mask->Used[kind]) continue;
      openings.Add(TObjekt(e));
    }
  }
  TBoardScene scene;
  scene.Elements = mask != nullptr ? &openings : &board.Elemente;
  scene.Breite = board.Kopf.Breite;
  scene.Hoehe = board.Kopf.Hoehe;
  QPainter painter(&image);
  TCanvas canvas(painter);
  canvas.SetMapping(PictureMapping(board.Kopf.Breite, board.Kopf.Hoehe, size.Width, size.Height, mirrored));
  PaintBoard(canvas, scene, ctx);
  return image;
}

struct TCompare {
  double Agreement = 0;
  std::string Error;
};

// Renders a file with gerbv into a picture of the board's size at kDpi, the
// output origin at the lower-left corner. A null image with `error` set on failure.
QImage GerbvPicture(const TPlatine& board, const fs::path& file, std::string& error) {
  const TPictureSize size = PicturePixels(board.Kopf.Breite, board.Kopf.Hoehe, kDpi);
  const fs::path png = fs::path(file).replace_extension(".png");
  char window[64];
  std::snprintf(window, sizeof window, "%dx%d", size.Width, size.Height);
  const fs::path log = fs::path(file).replace_extension(".log");
  const std::string command = "gerbv -x png -D " + std::to_string(kDpi) + " -B 0 -O 0x0 -w " + window +
                              " -b '#ffffff' -f '#000000ff' -o '" + png.string() + "' '" + file.string() + "' >'" +
                              log.string() + "' 2>&1";
  const int status = std::system(command.c_str());
  if (status != 0) {
    error = "gerbv failed (" + std::to_string(status) + "): " + command;
    return {};
  }
  // gerbv exits 0 whatever happens: every warning counts as a failure, except
  // its guess that a file without aperture definitions (an SMD mask is all
  // regions) might be an old-style file.
  std::ifstream source(file, std::ios::binary);
  const bool noApertures =
      std::string(std::istreambuf_iterator<char>(source), {}).find("%ADD") == std::string::npos;
  std::ifstream in(log);
  for (std::string line; std::getline(in, line);) {
    const bool warning = line.find("WARNING") != std::string::npos || line.find("CRITICAL") != std::string::npos ||
                         line.find("ERROR") != std::string::npos;
    const bool apertureGuess = line.find("Most likely found a RS-274D file") != std::string::npos ||
                               line.find("Missing apertures") != std::string::npos;
    if (warning && !(noApertures && apertureGuess)) {
      error = "gerbv: " + line + " (" + command + ")";
      return {};
    }
  }
  QImage picture(QString::fromStdString(png.string()));
  if (picture.isNull()) {
    error = "gerbv wrote no picture: " + command;
    return {};
  }
  return picture.convertToFormat(QImage::Format_RGB32);
}

// drawMirrored differs from mirror only in the negative control.
TCompare CompareWithGerbv(TPlatine& board, TGerberTarget t, bool mirror, const fs::path& dir,
                          bool drawMirrored) {
  TCompare out;
  const std::string name = std::string(GerberTargetName(t)) + (mirror ? "_m" : "");
  const fs::path gbr = dir / (name + ".gbr");
  TGerberOptions o;
  ApplyGerberDialogRules(t, o);
  o.Mirror = mirror;
  o.Punch = IsCopperTarget(t) && board.Kopf.MasseAn[GerberTargetLayer(t) - 1] == 0;
  const TCamResult r = PlotteGerberfile(board, t, o, gbr.string(), 1);
  if (!r.Ok) {
    out.Error = r.Error;
    return out;
  }
  const QImage theirs = GerbvPicture(board, gbr, out.Error);
  if (theirs.isNull()) return out;
  TMaskDrawing mask;
  if (IsMaskTarget(t)) {
    mask.Used[0] = o.Pads;
    mask.Used[1] = o.SmdPads;
    mask.Used[2] = o.Others;
    mask.Grow[0] = MmToWorld(o.PadsOffset);
    mask.Grow[1] = MmToWorld(o.SmdOffset);
    mask.Grow[2] = MmToWorld(o.OthersOffset);
  }
  const QImage ours = OwnPicture(board, GerberTargetLayer(t), drawMirrored, IsMaskTarget(t) ? &mask : nullptr);
  if (theirs.size() != ours.size()) {
    out.Error = "picture sizes differ: gerbv " + std::to_string(theirs.width()) + "x" +
                std::to_string(theirs.height()) + ", ours " + std::to_string(ours.width()) + "x" +
                std::to_string(ours.height());
    return out;
  }
  int64_t same = 0;
  for (int y = 0; y < ours.height(); ++y) {
    const QRgb* a = reinterpret_cast<const QRgb*>(ours.constScanLine(y));
    const QRgb* b = reinterpret_cast<const QRgb*>(theirs.constScanLine(y));
    for (int x = 0; x < ours.width(); ++x) same += (qGray(a[x]) >= 128) == (qGray(b[x]) < 128);
  }
  out.Agreement = static_cast<double>(same) / (int64_t{ours.width()} * ours.height());
  if (out.Agreement < 0.995) {
    ours.save(QString::fromStdString((dir / (name + "_ours.png")).string()));
  }
  return out;
}

// Every element kind on C1 (ground plane with thermal spokes and a keep-out
// zone), C2 and the silkscreens; a board of 50.8 x 38.1 mm.
TPlatine StressBoard() {
  TPlatine b;
  b.Kopf.Breite = 5080;
  b.Kopf.Hoehe = 3810;
  b.Kopf.MasseAn[lyC1 - 1] = 1;
  int n = 0;
  for (uint8_t shape = psCircular; shape <= psRectangleV; ++shape, ++n) {
    TObjekt pad = CreatePad({400.0f + n * 450, -600}, lyC1, shape, 40, 90);
    pad.Durchkontaktiert = 1;
    pad.Freistanz = 40;
    pad.Schalter1 = n % 2;
    pad.Wert2 = n % 3 == 0 ? 0xFF : 0x55;
    if (n % 2 == 0)
      for (TFloatPoint& p : pad.Punkte) p = RotatePoint(p, {pad.X, pad.Y}, 30);
    b.Elemente.Add(pad);
  }
  for (int i = 0; i < 4; ++i) {
    TObjekt smd = CreateSmdPad({500.0f + i * 600, -1500}, 200, 100, i % 2 ? lyC2 : lyC1);
    for (TFloatPoint& p : smd.Punkte) p = RotatePoint(p, {smd.X, smd.Y}, i * 25);
    smd.Freistanz = 30;
    smd.Schalter1 = 1;
    b.Elemente.Add(smd);
  }
  TObjekt track = CreateTrack(40, lyC1);
  track.Punkte = {{300, -2200}, {1500, -2200}, {2200, -2900}, {3000, -2900}};
  track.Freistanz = 40;
  b.Elemente.Add(track);
  TObjekt track2 = track;
  track2.Layer = lyC2;
  for (TFloatPoint& p : track2.Punkte) p.y -= 300;
  b.Elemente.Add(track2);
  TObjekt solid = CreateZone(20, lyC1);
  solid.Punkte = {{3400, -1900}, {4700, -2100}, {4500, -3400}, {3600, -3200}};
  solid.Freistanz = 50;
  b.Elemente.Add(solid);
  TObjekt hatched = CreateZone(20, lyC2);
  hatched.Punkte = {{3300, -300}, {4800, -300}, {4800, -1200}, {3900, -1100}};
  hatched.Schalter1 = 1;
  hatched.Schalter2 = 0;
  hatched.Wert3 = 100;
  b.Elemente.Add(hatched);
  TObjekt keepOut = CreateZone(10, lyC1);
  keepOut.Sperrflaeche = 1;
  keepOut.Punkte = {{300, -3000}, {1200, -3000}, {1200, -3600}, {300, -3600}};
  b.Elemente.Add(keepOut);
  const struct {
    int start, stop;
    bool filled;
    uint8_t layer;
  } arcs[] = {{0, 0, false, lyC1}, {30, 200, false, lyC2}, {300, 60, true, lyC1}, {0, 0, true, lyS1},
              {90, 270, false, lyS2}};
  for (int i = 0; i < 5; ++i) {
    TObjekt ring = CreateCircle({1800.0f + i * 500, -3400}, 180, 140, arcs[i].layer, psCircular);
    ring.Wert2 = arcs[i].start;
    ring.Wert1 = arcs[i].stop;
    ring.Fuellung = arcs[i].filled ? 1 : 0;
    ring.Freistanz = 30;
    b.Elemente.Add(ring);
  }
  TObjekt silk = CreateTrack(25, lyS1);
  silk.Punkte = {{200, -200}, {4800, -200}, {4800, -3700}};
  b.Elemente.Add(silk);
  TObjekt text = CreateText({300, -1000}, TTextParams{"AB 12", 300}, lyS2, TTextEditorState{lyS2, 20});
  b.Elemente.Add(text);
  TObjekt outline = CreateTrack(20, lyO);
  outline.Punkte = {{0, 0}, {5080, 0}, {5080, -3810}, {0, -3810}, {0, 0}};
  b.Elemente.Add(outline);
  return b;
}

class GerbvCompare : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGerbv()) GTEST_SKIP() << "gerbv is not installed (scripts/setup installs it)";
    dir_ = fs::temp_directory_path() /
           ("corvane_gerbv_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  void CompareAll(TPlatine& board, bool mirror) {
    int compared = 0;
    for (TGerberTarget t : kGerberTargets) {
      if (!GerberTargetEnabled(board, t)) continue;
      const TCompare c = CompareWithGerbv(board, t, mirror, dir_, mirror);
      EXPECT_TRUE(c.Error.empty()) << GerberTargetName(t) << ": " << c.Error;
      EXPECT_GE(c.Agreement, 0.995) << GerberTargetName(t) << (mirror ? " mirrored" : "")
                                    << " (pictures kept in " << dir_ << ")";
      ++compared;
    }
    EXPECT_GT(compared, 0);
  }

  fs::path dir_;
};

// The comparison notices a wrong picture: the mirrored file against the
// unmirrored drawing.
TEST_F(GerbvCompare, MirrorMismatchIsNoticed) {
  TPlatine board = StressBoard();
  const TCompare c = CompareWithGerbv(board, TGerberTarget::C2, true, dir_, false);
  ASSERT_TRUE(c.Error.empty()) << c.Error;
  EXPECT_LT(c.Agreement, 0.995);
}

// Every hole of the drill file lies at its pad's centre, with the pad's
// drill size, and there are no others.
TEST_F(GerbvCompare, DrillFileHolesAtThePadCentres) {
  TProject project;
  TLoadOptions options;
  options.Language = 1;
  ASSERT_TRUE(LoadLayout(CORVANE_SOURCE_DIR "/examples/demo.lay", project, options).ok());
  TPlatine& board = project.Boards()[0];
  const fs::path drl = dir_ / "Drill.drl";
  const TCamResult r = WriteExcellonFile(board, TExcellonOptions{}, false, drl.string());
  ASSERT_TRUE(r.Ok) << r.Error;
  std::string error;
  const QImage picture = GerbvPicture(board, drl, error);
  ASSERT_FALSE(picture.isNull()) << error;
  const double pxPerUnit = kDpi / 2540.0;
  struct THole {
    double x, y, r;
  };
  std::vector<THole> holes;
  for (const TObjekt& e : board.Elemente)
    if (e.Typ == otLoetauge) holes.push_back({e.X * pxPerUnit, -e.Y * pxPerUnit, e.Mass2 * pxPerUnit});
  ASSERT_FALSE(holes.empty());
  auto dark = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < picture.width() && y < picture.height() && qGray(picture.pixel(x, y)) < 128;
  };
  for (const THole& h : holes) {
    EXPECT_TRUE(dark(static_cast<int>(h.x), static_cast<int>(h.y))) << "no hole at " << h.x << ", " << h.y;
    EXPECT_FALSE(dark(static_cast<int>(h.x + h.r + 3), static_cast<int>(h.y)))
        << "hole at " << h.x << ", " << h.y << " larger than its drill";
  }
  int stray = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      if (!dark(x, y)) continue;
      bool near = false;
      for (const THole& h : holes) near = near || std::hypot(x - h.x, y - h.y) <= h.r + 3;
      stray += near ? 0 : 1;
    }
  EXPECT_EQ(stray, 0) << "dark pixels away from every pad";
}

TEST_F(GerbvCompare, DemoProject) {
  TProject project;
  TLoadOptions options;
  options.Language = 1;
  const TLoadResult loaded = LoadLayout(CORVANE_SOURCE_DIR "/examples/demo.lay", project, options);
  ASSERT_TRUE(loaded.ok());
  ASSERT_GT(project.BoardCount(), 0u);
  CompareAll(project.Boards()[0], false);
}

TEST_F(GerbvCompare, EveryElementKind) {
  TPlatine board = StressBoard();
  CompareAll(board, false);
}

TEST_F(GerbvCompare, EveryElementKindMirrored) {
  TPlatine board = StressBoard();
  CompareAll(board, true);
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
