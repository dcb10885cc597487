#include <gtest/gtest.h>

#include "core/element_ops.h"
#include "core/grouping.h"

namespace corvane {
namespace {

ElementList ListWithGroups(std::initializer_list<std::vector<int32_t>> groups) {
  ElementList list;
  for (const auto& g : groups) {
    TObjekt e;
    e.Typ = otLeiterbahn;
    e.Layer = lyC1;
    e.Gruppen = g;
    list.Add(std::move(e));
  }
  return list;
}

TEST(NewGroupId, IsOnePastTheLargestOutermostId) {
  EXPECT_EQ(NewGroupId(ElementList{}), 1);
  EXPECT_EQ(NewGroupId(ListWithGroups({{}, {}})), 1);
  // Only the outermost (last) id counts.
  EXPECT_EQ(NewGroupId(ListWithGroups({{9, 3}, {7}})), 8);
}

TEST(GroupSelection, Rules) {
  struct Case {
    const char* what;
    std::vector<std::vector<int32_t>> groups;
    std::vector<int> selected;
    bool grouped;
  } cases[] = {
      {"one selected element", {{}, {}}, {0}, false},
      {"already share the outermost id", {{4}, {2, 4}, {}}, {0, 1}, false},
      {"two ungrouped", {{}, {}, {7}}, {0, 1}, true},
      {"different outermost ids", {{4}, {5}}, {0, 1}, true},
      {"grouped and ungrouped", {{4}, {}}, {0, 1}, true},
  };
  for (const Case& c : cases) {
    ElementList list;
    for (const auto& g : c.groups) {
      TObjekt e;
      e.Typ = otLeiterbahn;
      e.Gruppen = g;
      list.Add(std::move(e));
    }
    for (int i : c.selected) list[i].Markiert = 1;
    const int32_t expectedId = NewGroupId(list);
    std::vector<std::vector<int32_t>> before;
    for (const TObjekt& e : list) before.push_back(e.Gruppen);
    EXPECT_EQ(GroupSelection(list), c.grouped) << c.what;
    for (std::size_t i = 0; i < list.size(); ++i) {
      std::vector<int32_t> want = before[i];
      if (c.grouped && list[i].Markiert) want.push_back(expectedId);
      EXPECT_EQ(list[i].Gruppen, want) << c.what << " element " << i;
    }
  }
}

TEST(GroupSelection, TwoUngroupedWhenLargestIsSevenGetEight) {
  ElementList list = ListWithGroups({{}, {}, {7}});
  list[0].Markiert = list[1].Markiert = 1;
  ASSERT_TRUE(GroupSelection(list));
  EXPECT_EQ(list[0].Gruppen, std::vector<int32_t>{8});
  EXPECT_EQ(list[1].Gruppen, std::vector<int32_t>{8});
}

TEST(UngroupSelection, RemovesOnlyTheOutermostIdOfSelected) {
  ElementList list = ListWithGroups({{1, 2}, {2}, {2}});
  list[0].Markiert = list[1].Markiert = 1;
  UngroupSelection(list);
  EXPECT_EQ(list[0].Gruppen, std::vector<int32_t>{1});
  EXPECT_TRUE(list[1].Gruppen.empty());
  EXPECT_EQ(list[2].Gruppen, std::vector<int32_t>{2});
}

TEST(ConvertVersion1Groups, OldNumbersBecomeOneGroupEach) {
  ElementList list = ListWithGroups({{}, {}, {}, {}, {}});
  const int16_t old[] = {5, 0, 5, 3, 3};
  for (std::size_t i = 0; i < list.size(); ++i) list[i].AltGruppe = old[i];
  ConvertVersion1Groups(list);
  EXPECT_EQ(list[0].Gruppen, std::vector<int32_t>{1});
  EXPECT_TRUE(list[1].Gruppen.empty());
  EXPECT_EQ(list[2].Gruppen, std::vector<int32_t>{1});
  EXPECT_EQ(list[3].Gruppen, std::vector<int32_t>{2});
  EXPECT_EQ(list[4].Gruppen, std::vector<int32_t>{2});
  for (const TObjekt& e : list) EXPECT_EQ(e.Markiert, 0);
  // Every element except the last has its old number cleared.
  for (std::size_t i = 0; i + 1 < list.size(); ++i) EXPECT_EQ(list[i].AltGruppe, 0);
}

TEST(ConvertVersion1Groups, ALoneOldNumberMakesNoGroup) {
  ElementList list = ListWithGroups({{}, {}});
  list[0].AltGruppe = 4;
  ConvertVersion1Groups(list);
  EXPECT_TRUE(list[0].Gruppen.empty());
  EXPECT_TRUE(list[1].Gruppen.empty());
}

}  // namespace
}  // namespace corvane
