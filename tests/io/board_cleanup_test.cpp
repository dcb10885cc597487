#include <gtest/gtest.h>

#include <random>

#include "core/element_ops.h"
#include "io/board_cleanup.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

TEST(CleanUpBoard, RemovesWhatCannotBeDrawnAndRepairsTheRest) {
  ElementList list;
  TObjekt kind0;
  kind0.Layer = lyC1;
  list.Add(std::move(kind0));                               // removed: kind 0
  list.Add(fixtures::Track({{0, 0}, {1, 1}}, lyNone));      // removed: layer 0
  list.Add(fixtures::Track({{0, 0}}));                      // removed: one point
  TObjekt zone = CreateZone(10, lyC1);
  zone.Punkte = {{0, 0}};
  list.Add(std::move(zone));                                // removed: one point
  TObjekt text;
  text.Typ = otText;
  text.Layer = lyS1;
  list.Add(std::move(text));                                // removed: no strokes
  TObjekt& silkPad = list.Add(CreatePad({0, 0}, lyS2, psCircular, 20, 50));
  silkPad.Durchkontaktiert = 1;
  TObjekt& copperPad = list.Add(CreatePad({0, 0}, lyC1, psCircular, 20, 50));
  copperPad.Durchkontaktiert = 1;
  list.Add(CreateCircle({0, 0}, 40, 60, lyC1, psCircular));
  list.Add(CreateCircle({0, 0}, 60, 40, lyC1, psCircular));
  list.Add(fixtures::Text("T", {0, 0}, lyS1));

  EXPECT_TRUE(CleanUpBoard(list));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].Durchkontaktiert, 0);
  EXPECT_EQ(list[1].Durchkontaktiert, 1);
  EXPECT_EQ(list[2].Mass1, 51.0f);
  EXPECT_EQ(list[2].Mass2, 49.0f);
  EXPECT_EQ(list[3].Mass1, 60.0f);  // in order: untouched
  EXPECT_EQ(list[3].Mass2, 40.0f);
  EXPECT_FALSE(CleanUpBoard(list));
}

// The pass exactly as it reads: j from 1 to n - 1, one step at a time.
void LiteralCompact(ElementList& list) {
  const int32_t n = NewGroupId(list);
  int32_t a = 0, k = 0;
  for (int32_t j = 1; j <= n - 1; ++j) {
    bool used = false;
    for (const TObjekt& e : list)
      for (int32_t id : e.Gruppen) used = used || id == j;
    if (used) {
      if (k > 0) {
        for (TObjekt& e : list)
          for (int32_t& id : e.Gruppen)
            if (id > a) id -= k;
        k = 0;
      }
    } else {
      if (k == 0) a = j;
      ++k;
    }
  }
}

ElementList WithGroups(const std::vector<std::vector<int32_t>>& groups) {
  ElementList list;
  for (const auto& g : groups) {
    TObjekt& e = list.Add(fixtures::Track({{0, 0}, {1, 1}}));
    e.Gruppen = g;
  }
  return list;
}

std::vector<std::vector<int32_t>> Groups(const ElementList& list) {
  std::vector<std::vector<int32_t>> g;
  for (const TObjekt& e : list) g.push_back(e.Gruppen);
  return g;
}

TEST(CompactGroupIds, ClosesGapsWithTheQuirkOfTheSinglePass) {
  const struct {
    std::vector<std::vector<int32_t>> before, after;
  } cases[] = {
      {{{1}, {4}, {5}}, {{1}, {2}, {3}}},
      {{{1}, {3}, {5}}, {{1}, {2}, {4}}},  // the gap moved below j stays
      {{{2}, {3}}, {{1}, {2}}},
      {{{1}, {2}}, {{1}, {2}}},
      {{{1, 7}, {7}, {}}, {{1, 2}, {2}, {}}},  // inner ids count as used
      {{{9, 4}, {}}, {{6, 1}, {}}},    // an inner id above the outermost ids is not looked at
  };
  for (const auto& c : cases) {
    ElementList list = WithGroups(c.before);
    CompactGroupIds(list);
    EXPECT_EQ(Groups(list), c.after);
  }
}

TEST(CompactGroupIds, AgreesWithTheStepByStepPass) {
  std::mt19937 random(1234);
  for (int round = 0; round < 400; ++round) {
    std::vector<std::vector<int32_t>> groups(1 + random() % 8);
    const int32_t range = 1 + static_cast<int32_t>(random() % 30);
    for (auto& g : groups) {
      const std::size_t depth = random() % 4;
      for (std::size_t d = 0; d < depth; ++d) g.push_back(1 + static_cast<int32_t>(random() % range));
    }
    ElementList fast = WithGroups(groups);
    ElementList literal = WithGroups(groups);
    CompactGroupIds(fast);
    LiteralCompact(literal);
    ASSERT_EQ(Groups(fast), Groups(literal)) << "round " << round;
  }
}

TEST(CompactGroupIds, LargeIdsTakeNoLongerThanSmallOnes) {
  // One step per used id, not per number up to the largest id. The first
  // shift (by 4, at j = 5) moves the large ids down by 4 as well; the second
  // closes the gap from 6 and leaves 7 in place.
  ElementList list = WithGroups({{5}, {1000000000}, {1000000001}});
  CompactGroupIds(list);
  EXPECT_EQ(Groups(list), (std::vector<std::vector<int32_t>>{{1}, {6}, {7}}));
}

}  // namespace
}  // namespace corvane
