// The grid button: built-in and user grids, the caption, removing, the
// "R_POPUP" settings and the subdivision and visibility items.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include "app/grid_button.h"

namespace corvane {
namespace {

QAction* ActionWithText(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text) return a;
  return nullptr;
}

class GridButtonTest : public ::testing::Test {
 protected:
  TBoardView view;
};

TEST_F(GridButtonTest, AddedUserGridIsSelectedAndCaptionsFollow) {
  GridButton button(view);
  button.SetGridSizeAsker([](TUnitMode) { return std::optional<double>(0.5); });
  QSignalSpy changed(&button, &GridButton::GridChanged);
  button.AddUserGrid();
  ASSERT_EQ(button.Menu().UserTags(), std::vector<int32_t>{500000});
  EXPECT_DOUBLE_EQ(view.Grid(), 50.0);
  EXPECT_EQ(button.text().toStdString(), GridButtonCaption(50.0, umMm));
  EXPECT_GE(changed.count(), 1);
  QAction* item = ActionWithText(button.Popup(), QString::fromStdString(GridCaption(500000, umMm)));
  ASSERT_NE(item, nullptr);
  button.UpdateMenuState();
  EXPECT_TRUE(item->isChecked());

  // The same size again only selects it.
  button.SetGrid(254.0);
  button.AddUserGrid();
  EXPECT_EQ(button.Menu().UserTags().size(), 1u);
  EXPECT_DOUBLE_EQ(view.Grid(), 50.0);

  // A unit switch re-captions the button and the user item.
  view.ToggleUnit();
  button.RefreshCaptions();
  EXPECT_EQ(button.text().toStdString(), GridButtonCaption(50.0, umMil));
  EXPECT_NE(ActionWithText(button.Popup(), QString::fromStdString(GridCaption(500000, umMil))), nullptr);
  EXPECT_EQ(ActionWithText(button.Popup(), QString::fromStdString(GridCaption(500000, umMm))), nullptr);
}

TEST_F(GridButtonTest, BuiltinGridInMilModeAndCancelledDialog) {
  view.SetUnit(umMil);
  GridButton button(view);
  button.SetGridSizeAsker([](TUnitMode unit) {
    EXPECT_EQ(unit, umMil);
    return std::optional<double>();
  });
  button.AddUserGrid();
  EXPECT_TRUE(button.Menu().UserTags().empty());
  ASSERT_NE(ActionWithText(button.Popup(), QString::fromLatin1(kBuiltinGrids[0].MilCaption)), nullptr);
  ActionWithText(button.Popup(), QString::fromLatin1(kBuiltinGrids[0].MilCaption))->trigger();
  EXPECT_DOUBLE_EQ(view.Grid(), 7.9375);
  EXPECT_EQ(button.text().trimmed(), QStringLiteral("3.125 mil"));
}

TEST_F(GridButtonTest, RemoveOnlyForACurrentUserGrid) {
  GridButton button(view);
  double size = 0.5;
  button.SetGridSizeAsker([&](TUnitMode) { return std::optional<double>(size); });
  button.AddUserGrid();
  size = 0.2;
  button.AddUserGrid();
  EXPECT_EQ(button.Menu().UserTags(), (std::vector<int32_t>{200000, 500000}));
  QAction* remove = ActionWithText(button.Popup(), QObject::tr("Remove current grid value"));
  ASSERT_NE(remove, nullptr);
  button.SetGrid(127.0);  // built-in 1.27 mm
  button.UpdateMenuState();
  EXPECT_FALSE(remove->isEnabled());
  button.SetGrid(20.0);
  button.UpdateMenuState();
  EXPECT_TRUE(remove->isEnabled());
  remove->trigger();
  EXPECT_EQ(button.Menu().UserTags(), std::vector<int32_t>{500000});
  EXPECT_EQ(ActionWithText(button.Popup(), QString::fromStdString(GridCaption(200000, umMm))), nullptr);
}

TEST_F(GridButtonTest, UserGridsRoundTripThroughTheSettings) {
  TSettings settings = DefaultSettings("/tmp");
  settings.SetSection(kUserGridSection, {{"T8", "1000000"}, {"T9", "3000000"}, {"T11", "4000000"}});
  GridButton button(view);
  button.LoadUserGrids(settings);
  EXPECT_EQ(button.Menu().UserTags(), (std::vector<int32_t>{1000000, 3000000}));
  TSettings saved = DefaultSettings("/tmp");
  button.SaveUserGrids(saved);
  EXPECT_EQ(saved.Section(kUserGridSection), (TKeyValueList{{"T8", "1000000"}, {"T9", "3000000"}}));
}

TEST_F(GridButtonTest, SubdivisionsAndVisibility) {
  GridButton button(view);
  QMenu* marks = nullptr;
  for (QAction* a : button.Popup()->actions())
    if (a->menu()) marks = a->menu();
  ASSERT_NE(marks, nullptr);
  ActionWithText(marks, QStringLiteral("10"))->trigger();
  EXPECT_EQ(view.GridMark(), 10);
  ActionWithText(marks, QObject::tr("Off"))->trigger();
  EXPECT_EQ(view.GridMark(), 0);
  QAction* show = ActionWithText(button.Popup(), QObject::tr("Show grid"));
  ASSERT_NE(show, nullptr);
  show->trigger();
  EXPECT_FALSE(view.GridVisible());
}

}  // namespace
}  // namespace corvane
