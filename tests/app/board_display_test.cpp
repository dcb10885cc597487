// The main window shows its active board through the drawing area's board
// image, and the photo view window switches and mirrors the view; offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <deque>

#include "app/board_display.h"
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/photo_view_window.h"
#include "app/scanned_copy_dialog.h"
#include "core/layers.h"
#include "geom/element_create.h"
#include "io/lay_save.h"
#include "io/bmp_fixtures.h"
#include "render/photo_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <fstream>

namespace corvane {
namespace {

struct FileAsker : TShellAsker {
  std::deque<QString> Files;
  QStringList Messages;
  QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                      QMessageBox::StandardButtons) override {
    Messages << text;
    return QMessageBox::Ok;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override {
    if (Files.empty()) return {};
    QString f = Files.front();
    Files.pop_front();
    return f;
  }
  QString SaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

constexpr TRgb kC1{30, 30, 255}, kC2{0, 186, 0}, kBackground{0, 0, 0};
constexpr TFloatPoint kPad{3000, -3000};

class BoardDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    QFile language(folder_.path() + "/SPRACHE.INI");
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Sprache]\r\nSprache=1\r\n");
    language.close();
    TMainWindowOptions options;
    options.ProgramFolder = folder_.path();
    options.ConfigFolder = folder_.path() + "/config";
    options.ShowSplash = false;
    auto asker = std::make_unique<FileAsker>();
    asker_ = asker.get();
    window_ = std::make_unique<MainWindow>(options, std::move(asker));
    window_->SetSkipCloseQuestion(true);
    window_->resize(1000, 700);
    window_->show();
    // A pad on C1 crossed by a track on C2.
    TProject p;
    p.NewProject(1);
    p.ActiveElements().Add(CreatePad(kPad, lyC1, psCircular, 30, 150));
    TObjekt track = CreateTrack(60, lyC2);
    track.Punkte = {{kPad.x - 500, kPad.y}, {kPad.x + 500, kPad.y}};
    p.ActiveElements().Add(track);
    const QString path = folder_.path() + "/board.lay";
    ASSERT_TRUE(SaveLayout(path.toStdString(), p).ok());
    asker_->Files.push_back(path);
    window_->Actions().Open->trigger();
    ASSERT_EQ(window_->Project().ActiveElements().size(), 2u);
  }
  void TearDown() override { window_.reset(); }

  // The board image's pixel at a world point, brought up to date first.
  TRgb At(TFloatPoint world) {
    DrawingArea* area = window_->Surface();
    area->UpdateBoardImage();
    const TIntPoint d = area->View().VisibleMapping().ToDevice(world.x, world.y);
    const QImage& image = area->BoardImage().Image();
    EXPECT_TRUE(image.valid(d.x, d.y)) << d.x << "," << d.y;
    return image.valid(d.x, d.y) ? TRgb::FromRgb32(image.pixel(d.x, d.y) & 0xFFFFFFu) : TRgb{};
  }
  void CentreOnPad() {
    DrawingArea* area = window_->Surface();
    area->SetZoom(0.2);
    area->CenterOn(kPad.x, -kPad.y);
  }

  QTemporaryDir folder_;
  FileAsker* asker_ = nullptr;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(BoardDisplayTest, OpenedBoardShowsInLayerOrderAndFollowsTheActiveLayer) {
  CentreOnPad();
  window_->ActiveLayerButton(lyC1)->click();
  EXPECT_EQ(window_->Project().View.AktiverLayer, lyC1);
  EXPECT_EQ(At({kPad.x, kPad.y + 100}), kC1);  // the pad, above the track
  EXPECT_EQ(At({kPad.x + 100, kPad.y}), kC1);   // pad and track: C1 is drawn last
  EXPECT_EQ(At({kPad.x + 1000, kPad.y - 1000}), kBackground);
  window_->ActiveLayerButton(lyC2)->click();
  EXPECT_EQ(At({kPad.x + 100, kPad.y}), kC2);  // now the track lies on top
  EXPECT_EQ(At({kPad.x, kPad.y + 100}), kC1);
}

TEST_F(BoardDisplayTest, EditsShowAfterRepaintBoard) {
  CentreOnPad();
  const TFloatPoint empty{kPad.x + 1000, kPad.y - 1000};
  ASSERT_EQ(At(empty), kBackground);
  TObjekt t = CreateTrack(100, lyC2);
  t.Punkte = {{empty.x - 200, empty.y}, {empty.x + 200, empty.y}};
  window_->Project().ActiveElements().Add(t);
  EXPECT_EQ(At(empty), kBackground);  // the image is kept until invalidated
  window_->RepaintBoard();
  EXPECT_EQ(At(empty), kC2);
}

TEST_F(BoardDisplayTest, PhotoWindowSwitchesTheViewAndMirrorsTheScroll) {
  CentreOnPad();
  BoardDisplay* display = window_->Display();
  ASSERT_NE(display, nullptr);
  window_->Project().ActiveElements()[0].Markiert = 1;
  DrawingArea* area = window_->Surface();
  const TBoardView& view = area->View();
  const int32_t h0 = view.HPos();
  const int32_t mirroredPos = view.SurfaceWidth() - h0 - view.VisibleWidth();
  ASSERT_GT(mirroredPos, 0);
  ASSERT_NE(mirroredPos, h0);

  display->ShowPhotoView();
  EXPECT_TRUE(display->PhotoViewOn());
  EXPECT_TRUE(display->Context().PhotoView);
  EXPECT_EQ(window_->Project().ActiveElements()[0].Markiert, 0);
  EXPECT_EQ(At({kPad.x, kPad.y + 100}), kPhotoTinned);

  display->PhotoWindow()->Side2Button()->setChecked(true);
  EXPECT_TRUE(display->Context().PhotoMirrored);
  EXPECT_EQ(view.HPos(), mirroredPos);
  // The pad stays in view, mirrored; the C2 track is the viewed copper now.
  EXPECT_EQ(At({kPad.x, kPad.y + 100}), kPhotoBoard);
  EXPECT_EQ(At({kPad.x + 400, kPad.y}), kPhotoCopper);

  // Zooming in on the track keeps it under the cursor in the mirrored view.
  const TFloatPoint onTrack{kPad.x + 400, kPad.y};
  const TIntPoint cursor = area->View().WorldToDevice(onTrack);
  const std::optional<TIntPoint> after = area->View().ZoomInAt(cursor);
  ASSERT_TRUE(after.has_value());
  area->SyncFromView();
  const TFloatPoint under = area->View().DeviceToWorld(*after, false);
  EXPECT_NEAR(under.x, onTrack.x, 2.0);
  EXPECT_NEAR(under.y, onTrack.y, 2.0);
  EXPECT_EQ(At(onTrack), kPhotoCopper);
  area->View().SetZoom(0.2, false);
  area->View().ScrollTo(mirroredPos, view.VPos());
  area->SyncFromView();

  // Escape closes the window and switches the photo view off.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(display->PhotoWindow(), &escape);
  EXPECT_FALSE(display->PhotoWindow()->isVisible());
  EXPECT_FALSE(display->PhotoViewOn());
  EXPECT_FALSE(display->Context().PhotoView);
  EXPECT_EQ(view.HPos(), h0);
  EXPECT_EQ(At({kPad.x, kPad.y + 100}), kC1);
}

TEST_F(BoardDisplayTest, ScannedCopyLoadsShowsAndReportsFailures) {
  window_->ActiveLayerButton(lyC1)->click();
  DrawingArea* area = window_->Surface();
  area->SetZoom(0.2);
  area->CenterOn(0, 0);
  window_->Actions().ScannedCopy->trigger();
  ScannedCopyDialog* dialog = window_->Display()->ScannedCopy();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->ShownSide(), 1);

  // A fully dark 20 x 20 scan at 254 dpi covers 200 x 200 units.
  fixtures::TBmpSpec spec;
  spec.Width = spec.Height = 20;
  spec.Bpp = 1;
  spec.PixelsPerMetre = 10000;  // 254 dpi
  spec.Pixels.assign(400, fixtures::TBmpRgb{0, 0, 0});
  const std::vector<uint8_t> bytes = fixtures::MakeBmp(spec);
  const QString good = folder_.path() + "/scan.bmp", bad = folder_.path() + "/broken.bmp";
  std::ofstream(good.toStdString(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
  std::ofstream(bad.toStdString(), std::ios::binary) << "BM not really";

  asker_->Files.push_back(good);
  dialog->Page(1).Load->click();
  EXPECT_EQ(dialog->Page(1).File->text(), "scan.bmp");
  EXPECT_EQ(dialog->Page(1).Dpi->value(), 254);
  EXPECT_TRUE(dialog->Page(1).Show->isChecked());
  EXPECT_EQ(window_->Project().View.Vorlage1Zeigen, 1);
  const TRgb green{0, 255, 0};
  EXPECT_EQ(At({100, -100}), green);
  EXPECT_EQ(At({300, -100}), kBackground);

  asker_->Files.push_back(bad);
  dialog->Page(1).Load->click();
  ASSERT_FALSE(asker_->Messages.isEmpty());
  EXPECT_EQ(asker_->Messages.back(), "Error loading scanned-copy-bitmap: broken.bmp");
  EXPECT_EQ(dialog->Page(1).File->text(), "scan.bmp");
  EXPECT_EQ(At({100, -100}), green);

  // An offset of 20 (2 mm) moves it by 200 units.
  dialog->Page(1).X->setValue(20);
  EXPECT_EQ(At({100, -100}), kBackground);
  EXPECT_EQ(At({300, -100}), green);

  // The hold buttons: no template while the first is held; the template
  // alone while the second is held.
  TObjekt track = CreateTrack(60, lyC1);
  track.Punkte = {{250, -300}, {450, -300}};
  window_->Project().ActiveElements().Add(track);
  window_->RepaintBoard();
  auto* noBitmap = window_->findChild<QToolButton*>("HoldHideTemplates");
  auto* bitmapOnly = window_->findChild<QToolButton*>("HoldHideLayers");
  ASSERT_NE(noBitmap, nullptr);
  ASSERT_NE(bitmapOnly, nullptr);
  emit noBitmap->pressed();
  EXPECT_EQ(At({300, -100}), kBackground);
  emit noBitmap->released();
  EXPECT_EQ(At({300, -100}), green);
  EXPECT_EQ(At({350, -300}), kC1);
  emit bitmapOnly->pressed();
  EXPECT_EQ(At({350, -300}), kBackground);
  EXPECT_EQ(At({300, -100}), green);
  emit bitmapOnly->released();
  EXPECT_EQ(At({350, -300}), kC1);

  // The other side's page repaints nothing of the active side; C2 active
  // shows side 2, which has no bitmap.
  window_->ActiveLayerButton(lyC2)->click();
  EXPECT_EQ(At({300, -100}), kBackground);
  window_->ActiveLayerButton(lyC1)->click();
  dialog->DeleteBitmap(1);
  EXPECT_TRUE(window_->Project().View.Vorlage1Datei.empty());
  EXPECT_EQ(At({300, -100}), kBackground);
}

}  // namespace
}  // namespace corvane
