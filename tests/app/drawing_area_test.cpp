// The drawing area: surface size, wheel zoom and its limit, zoom history,
// mouse input as view events, middle-button panning.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "app/drawing_area.h"
#include "core/units.h"

namespace corvane {
namespace {

class DrawingAreaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view.SetBoardSize(16000, 10000);  // MaxZoom = min(5, 64000 / 16000) = 4
    area = std::make_unique<DrawingArea>(view);
    area->resize(420, 320);
    area->show();
    QApplication::processEvents();
  }

  void Wheel(int delta, QPoint pos) {
    QWheelEvent event(QPointF(pos), QPointF(area->viewport()->mapToGlobal(pos)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &event);
  }

  QPoint Centre() const { return area->viewport()->rect().center(); }

  TBoardView view;
  std::unique_ptr<DrawingArea> area;
};

TEST_F(DrawingAreaTest, VisibleSizeOfTheViewIsTheViewport) {
  EXPECT_EQ(view.VisibleWidth(), area->viewport()->width());
  EXPECT_EQ(view.VisibleHeight(), area->viewport()->height());
}

TEST_F(DrawingAreaTest, SurfaceSizeAndScrollRangeFollowTheZoom) {
  for (double zoom : {0.01, 0.1, 0.37, 1.0, 4.0}) {
    area->SetZoom(zoom);
    const QSize surface = area->SurfaceSize();
    EXPECT_EQ(surface.width(), Rnd(view.Zoom() * 16000 + 1)) << zoom;
    EXPECT_EQ(surface.height(), Rnd(view.Zoom() * 10000 + 1)) << zoom;
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), std::max(0, surface.width() - area->viewport()->width()))
        << zoom;
    EXPECT_EQ(area->verticalScrollBar()->maximum(), std::max(0, surface.height() - area->viewport()->height()))
        << zoom;
  }
}

TEST_F(DrawingAreaTest, WheelZoomStopsAtMaxZoomAndDoesNotPushHistory) {
  double previous = view.Zoom();
  int steps = 0;
  for (; steps < 40; ++steps) {
    Wheel(120, Centre());
    if (view.Zoom() == previous) break;
    EXPECT_GT(view.Zoom(), previous);
    previous = view.Zoom();
  }
  EXPECT_LT(steps, 40);
  EXPECT_DOUBLE_EQ(view.Zoom(), view.MaxZoom());
  EXPECT_DOUBLE_EQ(view.MaxZoom(), 4.0);
  EXPECT_FALSE(area->ZoomInAt(Centre()));
  EXPECT_TRUE(view.ZoomHistory().empty());
  // And back out: the zoom never goes below the lower limit.
  for (int i = 0; i < 60; ++i) Wheel(-120, QPoint(5, 5));
  EXPECT_GE(view.Zoom(), 0.01);
  EXPECT_LE(view.Zoom(), kZoomOutStop);
}

TEST_F(DrawingAreaTest, WheelOffTheSurfaceDoesNothing) {
  area->SetZoom(0.01);  // surface 161 x 101 pixels, the rest of the viewport is white
  const double zoom = view.Zoom();
  Wheel(120, QPoint(area->viewport()->width() - 5, area->viewport()->height() - 5));
  EXPECT_DOUBLE_EQ(view.Zoom(), zoom);
}

TEST_F(DrawingAreaTest, ZoomPreviousRestoresZoomAndScrollThenStops) {
  area->SetZoom(0.5);
  area->CenterOn(8000, 5000);
  const double zoom = view.Zoom();
  const int h = view.HPos(), v = view.VPos();
  area->ZoomBoard();
  EXPECT_NE(view.Zoom(), zoom);
  ASSERT_EQ(view.ZoomHistory().size(), 1u);
  EXPECT_TRUE(area->ZoomPrevious());
  EXPECT_DOUBLE_EQ(view.Zoom(), zoom);
  EXPECT_EQ(view.HPos(), h);
  EXPECT_EQ(view.VPos(), v);
  EXPECT_EQ(area->horizontalScrollBar()->value(), h);
  EXPECT_FALSE(area->ZoomPrevious());
}

TEST_F(DrawingAreaTest, ZoomObjectsOnTooSmallBoundsLeavesViewAndHistoryAlone) {
  const double zoom = view.Zoom();
  EXPECT_FALSE(area->ZoomAllObjects(TIntRect{100, -100, 140, -60}));
  EXPECT_DOUBLE_EQ(view.Zoom(), zoom);
  EXPECT_TRUE(view.ZoomHistory().empty());
  EXPECT_TRUE(area->ZoomAllObjects(TIntRect{1000, -1000, 3000, -2000}));
  EXPECT_EQ(view.ZoomHistory().size(), 1u);
}

TEST_F(DrawingAreaTest, ClickAndDragBecomeViewEventsWithWorldPoints) {
  std::vector<TViewMouseEvent> events;
  QObject::connect(area.get(), &DrawingArea::MouseInput, [&](const TViewMouseEvent& e) { events.push_back(e); });
  view.SetGrid(254.0);
  QTest::mouseClick(area->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 40));
  ASSERT_GE(events.size(), 2u);
  const TViewMouseEvent& press = events.front();
  EXPECT_EQ(press.Action, TViewMouseAction::Press);
  EXPECT_EQ(press.Button, vbLeft);
  EXPECT_TRUE(press.Shift);
  EXPECT_FALSE(press.Ctrl);
  EXPECT_FLOAT_EQ(press.World.x, 500.0f);   // 50 px at 0.1 px per unit
  EXPECT_FLOAT_EQ(press.World.y, -400.0f);  // y grows upwards
  EXPECT_FLOAT_EQ(press.Snapped.x, 508.0f);
  EXPECT_FLOAT_EQ(press.Snapped.y, -508.0f);
  EXPECT_EQ(events.back().Action, TViewMouseAction::Release);
  EXPECT_TRUE(events.back().Click);

  events.clear();
  QTest::mousePress(area->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
  QMouseEvent move(QEvent::MouseMove, QPointF(90, 70), QPointF(area->viewport()->mapToGlobal(QPoint(90, 70))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(area->viewport(), &move);
  QTest::mouseRelease(area->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(90, 70));
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().Action, TViewMouseAction::Release);
  EXPECT_FALSE(events.back().Click);
}

TEST_F(DrawingAreaTest, MiddleButtonPans) {
  area->SetZoom(1.0);
  area->CenterOn(8000, 5000);
  const int h = view.HPos(), v = view.VPos();
  QTest::mousePress(area->viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(200, 150));
  QMouseEvent move(QEvent::MouseMove, QPointF(150, 110), QPointF(area->viewport()->mapToGlobal(QPoint(150, 110))),
                   Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(area->viewport(), &move);
  QTest::mouseRelease(area->viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(150, 110));
  EXPECT_EQ(view.HPos(), h + 50);
  EXPECT_EQ(view.VPos(), v + 40);
  EXPECT_EQ(area->horizontalScrollBar()->value(), h + 50);
}

TEST_F(DrawingAreaTest, OriginCommandsMoveTheMarker) {
  QSignalSpy changed(area.get(), &DrawingArea::OriginChanged);
  area->SetOriginBottomLeft();
  EXPECT_EQ(view.OriginY(), -10000 * 1000);
  EXPECT_EQ(area->OriginMarkerPos(), area->SurfaceToViewport(view.OriginPixel()));
  area->ResetOriginTopLeft();
  EXPECT_EQ(view.OriginY(), 0);
  EXPECT_EQ(changed.count(), 2);
}

TEST_F(DrawingAreaTest, PaintsWhiteOutsideTheBoardAndBackgroundInside) {
  area->SetZoom(0.01);
  TFarbschema scheme = StandardColourScheme();
  scheme.Farben[fsBackground] = 0x000080;  // dark red
  area->SetColours(scheme);
  const QImage image = area->viewport()->grab().toImage();
  EXPECT_EQ(QColor(image.pixel(80, 60)), QColor(0x80, 0, 0));
  EXPECT_EQ(QColor(image.pixel(area->viewport()->width() - 3, area->viewport()->height() - 3)), QColor(Qt::white));
}

TEST_F(DrawingAreaTest, BoardPaintCallDrawsWithTheContextColours) {
  area->SetZoom(0.01);
  ElementList elements;
  TFarbschema scheme = StandardColourScheme();
  scheme.Farben[fsBackground] = 0x008000;  // green
  int calls = 0;
  area->SetBoard(&elements, [&] {
    ++calls;
    TRenderContext ctx;
    ctx.Colours = MakeRenderColours(scheme, lyC2, false);
    return ctx;
  });
  const QImage image = area->viewport()->grab().toImage();
  EXPECT_GE(calls, 1);
  EXPECT_EQ(QColor(image.pixel(80, 60)), QColor(0, 0x80, 0));
  EXPECT_EQ(QColor(image.pixel(area->viewport()->width() - 3, area->viewport()->height() - 3)), QColor(Qt::white));
}

}  // namespace
}  // namespace corvane
