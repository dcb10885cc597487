#include "edit/macro_drop.h"

#include <gtest/gtest.h>

#include "io/lay_fixtures.h"

namespace corvane {
namespace {

TEST(MacroDrop, DisplacementIsSnappedAndKeepsTheReferencePointOnTheBoard) {
  TBoardView view;  // 160 x 100 mm, grid 1.27 mm
  struct Case {
    TFloatPoint pointer;
    bool ctrl;
    TFloatPoint expected;
  } cases[] = {
      {{1000.4f, -1000.2f}, false, {1016, -1016}},
      {{1000.4f, -1000.2f}, true, {1016, -1016}},  // snapped whatever Ctrl
      {{-300, 50}, false, {0, 0}},
      // Clamped to the edge, then snapped again unless Ctrl is held.
      {{16100, -10100}, false, {16002, -10033}},
      {{16100, -10100}, true, {16000, -10000}},
  };
  for (const Case& c : cases) {
    const TFloatPoint d = MacroDropDisplacement(c.pointer, view, c.ctrl);
    EXPECT_EQ(d, c.expected) << c.pointer.x << ", " << c.pointer.y << (c.ctrl ? " ctrl" : "");
  }
}

TEST(MacroDrop, CopiesAreMovedSelectedAndGroupedAsOne) {
  TProject project;
  project.NewProject(1);
  TUndoControl undo;
  ElementList& list = project.ActiveElements();
  list.Add(fixtures::Track({{0, 0}, {1, 0}})).Gruppen = {2};
  list[0].Markiert = 1;

  ElementList macro;
  macro.Add(fixtures::Track({{0, 0}, {100, 0}})).Gruppen = {1};
  macro.Add(fixtures::Track({{0, 50}, {100, 50}}));
  ASSERT_EQ(DropMacro(project, macro, {500, -600}, undo), 2u);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Markiert, 0);
  EXPECT_EQ(list[1].Markiert, 1);
  EXPECT_EQ(list[2].Markiert, 1);
  EXPECT_EQ(list[1].Punkte[0], (TFloatPoint{500, -600}));
  EXPECT_EQ(list[2].Punkte[1], (TFloatPoint{600, -550}));
  // g = 3 is added to the macro's own ids; then the two become one new group.
  EXPECT_EQ(list[1].Gruppen, (std::vector<int32_t>{4, 5}));
  EXPECT_EQ(list[2].Gruppen, (std::vector<int32_t>{5}));
  EXPECT_EQ(list[0].Gruppen, (std::vector<int32_t>{2}));
  // The macro list is unchanged; the drop is one undo step.
  EXPECT_EQ(macro[0].Gruppen, (std::vector<int32_t>{1}));
  EXPECT_EQ(macro[0].Punkte[0], (TFloatPoint{0, 0}));
  EXPECT_EQ(macro[0].Kopiert, 0);
  EXPECT_TRUE(project.Modified);
  ASSERT_TRUE(Undo(project, false));
  EXPECT_EQ(project.ActiveElements().size(), 1u);

  ElementList empty;
  EXPECT_EQ(DropMacro(project, empty, {0, 0}, undo), 0u);
  EXPECT_TRUE(project.ActiveBoard().Undo.empty());
}

}  // namespace
}  // namespace corvane
