// The main window shows its active board through the drawing area's board
// image, and the photo view window switches and mirrors the view; offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <deque>

#include "app/board_display.h"
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/photo_view_window.h"
#include "core/layers.h"
#include "geom/element_create.h"
#include "io/lay_save.h"
#include "render/photo_view.h"

namespace corvane {
namespace {

struct FileAsker : TShellAsker {
  std::deque<QString> Files;
  QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                      QMessageBox::StandardButtons) override {
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

  display->PhotoWindow()->hide();
  EXPECT_FALSE(display->PhotoViewOn());
  EXPECT_FALSE(display->Context().PhotoView);
  EXPECT_EQ(view.HPos(), h0);
  EXPECT_EQ(At({kPad.x, kPad.y + 100}), kC1);
}

}  // namespace
}  // namespace corvane
