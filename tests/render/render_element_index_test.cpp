#include <gtest/gtest.h>

#include <vector>

#include "geom/element_bounds.h"
#include "geom/transforms.h"
#include "paint_fixtures.h"
#include "render/draw_element_list.h"
#include "render/element_index.h"

namespace corvane {
namespace {

using namespace test;

// A board of mixed elements on a 50 x 40 raster, and a few long ones.
ElementList Board() {
  ElementList list;
  for (int i = 0; i < 2000; ++i) {
    const float x = 100.0f * static_cast<float>(i % 50), y = -100.0f * static_cast<float>(i / 50);
    switch (i % 4) {
      case 0: list.Add(RoundPad({x, y}, 30, 10, lyC1)).Schalter1 = (i % 8 == 0); break;
      case 1: list.Add(Track({{x, y}, {x + 60, y - 30}}, 20, lyC2)); break;
      case 2: list.Add(CreateSmdPad({x, y}, 40, 20, lyC1)); break;
      default: list.Add(CreateCircle({x, y}, 30, 20, lyS1, psCircular)); break;
    }
    if (i % 500 == 0) list.Add(Track({{0, y}, {5000, y - 3000}}, 20, lyO));
  }
  // Rubber bands between pads far apart.
  std::vector<TObjekt*> pads;
  for (TObjekt& e : list)
    if (IsAnyPad(e)) pads.push_back(&e);
  for (std::size_t k = 0; k + 300 < pads.size(); k += 70) {
    pads[k]->Luftlinien.push_back(pads[k + 300]->Id());
    pads[k + 300]->Luftlinien.push_back(pads[k]->Id());
  }
  return list;
}

std::vector<const TObjekt*> Linear(const ElementList& list, const TIntRect& clip) {
  std::vector<const TObjekt*> out;
  for (const TObjekt& e : list)
    if (RectsMeet(ElementBounds(e, TLayerState{}, true), clip)) out.push_back(&e);
  return out;
}

TEST(ElementIndex, FindsWhatALinearSearchFindsInListOrder) {
  const ElementList list = Board();
  TElementIndex index;
  const TIntRect clips[] = {
      {-50, -50, 50, 50},       {1000, -2000, 1400, -1700}, {-100000, -100000, 100000, 100000},
      {2450, -3950, 2460, -3940}, {6000, 0, 7000, 100},     {0, -10, 5000, -5},
  };
  for (const TIntRect& clip : clips) EXPECT_EQ(index.Query(list, clip), Linear(list, clip));
  EXPECT_EQ(index.BuildCount(), 1u) << "one build serves every query";
}

TEST(ElementIndex, RebuildsWhenTheListChanges) {
  ElementList list = Board();
  TElementIndex index;
  const TIntRect clip{900, -950, 1100, -850};
  index.Query(list, clip);
  // Added, removed and reordered elements are noticed without being told.
  list.Add(Track({{1000, -900}, {1010, -910}}, 10, lyC1));
  EXPECT_EQ(index.Query(list, clip), Linear(list, clip));
  list.Erase(0);
  EXPECT_EQ(index.Query(list, clip), Linear(list, clip));
  list.Move(list.size() - 1, 0);
  EXPECT_EQ(index.Query(list, clip), Linear(list, clip));
  // An element replaced in place by another one: a new identity.
  const std::vector<const TObjekt*> before = index.Query(list, clip);
  ASSERT_FALSE(before.empty());
  std::size_t at = 0;
  while (&list[at] != before.front()) ++at;
  list[at] = Track({{5, -5}, {6, -6}}, 10, lyC1);
  EXPECT_EQ(index.Query(list, clip), Linear(list, clip));
  EXPECT_EQ(index.BuildCount(), 5u);
}

TEST(ElementIndex, InPlaceEditsNeedInvalidate) {
  ElementList list = Board();
  TElementIndex index;
  const TIntRect far{20000, -20000, 20100, -19900};
  EXPECT_TRUE(index.Query(list, far).empty());
  MoveElement(list[7], 20050 - list[7].Punkte[0].x, -19950 - list[7].Punkte[0].y);
  index.Invalidate();
  const std::vector<const TObjekt*> found = index.Query(list, far);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], &list[7]);
}

TEST(ElementIndex, DrawingThroughTheIndexGivesTheSamePicture) {
  const ElementList list = Board();
  std::size_t connected = 0;
  for (const TObjekt& e : list) connected += e.Luftlinien.size();
  ASSERT_GT(connected, 4u);
  TRenderContext ctx = Context(lyC1, 0.2);
  ctx.GroundPlane[lyC1 - 1] = 1;
  TElementIndex index;
  auto paint = [&](TElementIndex* with) {
    return PaintWith(5000, 4000, 0.2, [&](TCanvas& canvas) {
      canvas.SetClipDevice(QRect(130, 170, 300, 200));
      TBoardScene scene;
      scene.Elements = &list;
      scene.Breite = 5000;
      scene.Hoehe = 4000;
      scene.Index = with;
      PaintBoard(canvas, scene, ctx);
    });
  };
  EXPECT_EQ(paint(&index).image, paint(nullptr).image);
}

}  // namespace
}  // namespace corvane
