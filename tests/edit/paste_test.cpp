#include "edit/paste.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/clipboard.h"
#include "core/element_ops.h"
#include "geom/element_create.h"

namespace corvane {
namespace {

TObjekt Pad(float x, std::vector<int32_t> groups = {}) {
  TObjekt p = CreatePad({x, -1000}, lyC1, psCircular, 20, 50);
  p.Gruppen = std::move(groups);
  return p;
}

TObjekt Track(float x, std::vector<int32_t> groups = {}) {
  TObjekt t = CreateTrack(25, lyC1);
  t.Punkte = {{x, -500}, {x + 100, -500}};
  t.Gruppen = std::move(groups);
  return t;
}

struct PasteTest : ::testing::Test {
  void SetUp() override { project.NewProject(1); }
  ElementList& List() { return project.ActiveElements(); }
  void Select(std::initializer_list<std::size_t> indices) {
    for (TObjekt& e : List()) e.Markiert = 0;
    for (std::size_t i : indices) List()[i].Markiert = 1;
  }
  TProject project;
  TUndoControl undo;
  TZwischenablage clipboard;
};

TEST_F(PasteTest, CopiesAreMovedSelectedAndUndoable) {
  List().Add(Pad(1000)).AltGruppe = 5;
  List().Add(Track(2000));
  Select({0, 1});
  CopySelection(List(), clipboard);
  const TPasteResult r = PasteClipboard(project, clipboard, 300, -200, undo);
  EXPECT_EQ(r.First, 2u);
  EXPECT_EQ(r.Count, 2u);
  ASSERT_EQ(List().size(), 4u);
  EXPECT_EQ(List()[0].Markiert, 0);
  EXPECT_EQ(List()[1].Markiert, 0);
  EXPECT_EQ(List()[2].Markiert, 1);
  EXPECT_EQ(List()[3].Markiert, 1);
  EXPECT_EQ(List()[2].X, 1300.0f);
  EXPECT_EQ(List()[2].Y, -1200.0f);
  EXPECT_EQ(List()[2].AltGruppe, 0);
  EXPECT_EQ(List()[3].Punkte[0], (TFloatPoint{2300, -700}));
  ASSERT_TRUE(r.Area.has_value());
  EXPECT_LE(r.Area->left, 1250);
  EXPECT_GE(r.Area->right, 2400);
  EXPECT_TRUE(project.Modified);
  // The clipboard stays as it was and can be pasted again.
  EXPECT_EQ(clipboard[0].X, 1000.0f);
  EXPECT_EQ(clipboard[0].Kopiert, 0);

  ASSERT_EQ(project.ActiveBoard().Undo.size(), 1u);
  ASSERT_TRUE(Undo(project, false));
  EXPECT_EQ(List().size(), 2u);
}

TEST_F(PasteTest, ConnectionsSurviveBetweenCopiedPadsOnly) {
  TObjekt& a = List().Add(Pad(0));
  TObjekt& b = List().Add(Pad(500));
  a.Luftlinien = {b.Id()};
  b.Luftlinien = {a.Id()};

  Select({0, 1});
  CopySelection(List(), clipboard);
  PasteClipboard(project, clipboard, 0, -3000, undo);
  ASSERT_EQ(List().size(), 4u);
  ASSERT_EQ(List()[2].Luftlinien.size(), 1u);
  EXPECT_EQ(List().IndexOf(List()[2].Luftlinien[0]), 3);
  ASSERT_EQ(List()[3].Luftlinien.size(), 1u);
  EXPECT_EQ(List().IndexOf(List()[3].Luftlinien[0]), 2);
  // The originals still join each other only.
  EXPECT_EQ(List().IndexOf(List()[0].Luftlinien.at(0)), 1);

  Select({0});
  CopySelection(List(), clipboard);
  PasteClipboard(project, clipboard, 0, 3000, undo);
  ASSERT_EQ(List().size(), 5u);
  EXPECT_TRUE(List()[4].Luftlinien.empty());
}

TEST_F(PasteTest, GroupIdsAreShiftedByTheNewGroupIdBeforeCompaction) {
  // Largest outermost id 7 on the board; the clipboard holds two elements of group 3.
  List().Add(Track(0, {7}));
  clipboard.Add(Track(100, {3}));
  clipboard.Add(Track(200, {3}));
  AppendMovedCopies(List(), clipboard, 0, 0, NewGroupId(List()), true);
  EXPECT_EQ(List()[1].Gruppen, (std::vector<int32_t>{11}));
  EXPECT_EQ(List()[2].Gruppen, (std::vector<int32_t>{11}));
}

TEST_F(PasteTest, PastedGroupIsCompactedAndNotGroupedAgain) {
  for (int32_t id = 1; id <= 7; ++id) List().Add(Track(100.0f * id, {id}));
  clipboard.Add(Track(0, {3}));
  clipboard.Add(Track(50, {3}));
  PasteClipboard(project, clipboard, 0, 0, undo);
  ASSERT_EQ(List().size(), 9u);
  // 3 + 8 = 11; compaction closes the gap 8..10 to give 8; no further group.
  EXPECT_EQ(List()[7].Gruppen, (std::vector<int32_t>{8}));
  EXPECT_EQ(List()[8].Gruppen, (std::vector<int32_t>{8}));
  EXPECT_EQ(List()[6].Gruppen, (std::vector<int32_t>{7}));
}

TEST_F(PasteTest, UngroupedElementsBecomeOneNewGroup) {
  List().Add(Track(0, {1}));
  clipboard.Add(Track(100));
  clipboard.Add(Pad(200));
  PasteClipboard(project, clipboard, 0, 0, undo);
  ASSERT_EQ(List().size(), 3u);
  EXPECT_EQ(List()[1].Gruppen, (std::vector<int32_t>{2}));
  EXPECT_EQ(List()[2].Gruppen, (std::vector<int32_t>{2}));
  EXPECT_EQ(List()[0].Gruppen, (std::vector<int32_t>{1}));
}

TEST_F(PasteTest, EmptyClipboardPastesNothing) {
  List().Add(Track(0));
  const TPasteResult r = PasteClipboard(project, clipboard, 10, 10, undo);
  EXPECT_EQ(r.Count, 0u);
  EXPECT_FALSE(r.Area.has_value());
  EXPECT_TRUE(project.ActiveBoard().Undo.empty());
  EXPECT_EQ(List().size(), 1u);
}

TEST(SelectionAreaTest, IncludesPartnersOfSelectedPads) {
  ElementList list;
  TObjekt& a = list.Add(CreatePad({0, 0}, lyC1, psCircular, 20, 50));
  TObjekt& b = list.Add(CreatePad({5000, 0}, lyC1, psCircular, 20, 50));
  a.Luftlinien = {b.Id()};
  b.Luftlinien = {a.Id()};
  list.Add(CreatePad({-9000, 0}, lyC1, psCircular, 20, 50));  // not a partner
  const TLayerState state;
  EXPECT_FALSE(SelectionAreaWithPartners(list, state).has_value());
  a.Markiert = 1;
  const auto area = SelectionAreaWithPartners(list, state);
  ASSERT_TRUE(area.has_value());
  EXPECT_EQ(area->left, -50);
  EXPECT_EQ(area->right, 5050);
}

}  // namespace
}  // namespace corvane
