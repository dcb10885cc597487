// Rulers beside the drawing area, the unit button and the board overview.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/board_overview_panel.h"
#include "app/ruler.h"
#include "app/unit_button.h"

namespace corvane {
namespace {

TEST(Rulers, UnitSwitchChangesTheLabels) {
  TBoardView view;
  view.SetVisibleSize(400, 300);
  Ruler horizontal(rkHorizontal, view);
  Ruler vertical(rkVertical, view);
  horizontal.resize(400, Ruler::kThickness);
  horizontal.SetAreaLeft(Ruler::kThickness);  // the scrollable area starts right of the vertical ruler
  vertical.resize(Ruler::kThickness, 300);
  UnitButton unit(view);
  EXPECT_EQ(unit.text(), QStringLiteral("mm"));
  // Zoom 0.1: 10 pixels per mm (label every 10 mm), 25 pixels per 100 mil (every 500 mil).
  const std::vector<std::string> mm = horizontal.Labels();
  ASSERT_GE(mm.size(), 3u);
  EXPECT_EQ(mm[0], "0");
  EXPECT_EQ(mm[1], "10");
  EXPECT_EQ(mm[2], "20");

  QSignalSpy changed(&unit, &UnitButton::UnitChanged);
  QTest::mouseClick(&unit, Qt::LeftButton);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(unit.text(), QStringLiteral("mil"));
  const std::vector<std::string> mil = horizontal.Labels();
  ASSERT_GE(mil.size(), 3u);
  EXPECT_EQ(mil[0], "0");
  EXPECT_EQ(mil[1], "500");
  EXPECT_EQ(mil[2], "1000");
  EXPECT_EQ(vertical.Labels().front(), "0");

  // The menu items switch only to the other unit.
  unit.SetUnit(umMil);
  EXPECT_EQ(changed.count(), 1);
  unit.SetUnit(umMm);
  EXPECT_EQ(changed.count(), 2);
  EXPECT_EQ(horizontal.Labels(), mm);
}

TEST(Rulers, OriginAtTheBottomShowsNegativeValuesAbove) {
  TBoardView view;
  view.SetBoardSize(16000, 10000);
  view.SetVisibleSize(400, 1200);
  view.SetOriginBottomLeft();
  Ruler vertical(rkVertical, view);
  vertical.resize(Ruler::kThickness, 1200);
  const std::vector<std::string> labels = vertical.Labels();
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.front(), "-100");
  EXPECT_NE(std::find(labels.begin(), labels.end(), "0"), labels.end());
}

TEST(BoardOverview, ClickZoomsInAndPushesHistoryRightClickZoomsOut) {
  TBoardView view;
  view.SetVisibleSize(400, 300);
  BoardOverviewPanel panel(view);
  panel.resize(panel.sizeHint());
  QSignalSpy changed(&panel, &BoardOverviewPanel::ViewChanged);
  const double zoom = view.Zoom();
  QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
  EXPECT_GT(view.Zoom(), zoom);
  EXPECT_EQ(view.ZoomHistory().size(), 1u);
  QTest::mouseClick(&panel, Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
  EXPECT_NEAR(view.Zoom(), zoom, 0.002);
  EXPECT_EQ(view.ZoomHistory().size(), 2u);
  EXPECT_EQ(changed.count(), 2);
}

}  // namespace
}  // namespace corvane
