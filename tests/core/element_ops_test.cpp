#include <gtest/gtest.h>

#include "core/element_ops.h"
#include "core/grouping.h"

namespace corvane {
namespace {

TObjekt Pad(uint8_t layer, bool through = false, float outer = 80, float drill = 40) {
  TObjekt e;
  e.Typ = otLoetauge;
  e.Layer = layer;
  e.Durchkontaktiert = through ? 1 : 0;
  e.Mass1 = outer;
  e.Mass2 = drill;
  e.Loetstopp = 1;
  e.Punkte = {{-outer, 0}, {outer, 0}};
  return e;
}

TObjekt Track(uint8_t layer) {
  TObjekt e;
  e.Typ = otLeiterbahn;
  e.Layer = layer;
  e.Wert1 = 30;
  return e;
}

TEST(ElementPredicates, BareHoleHasNoSolderOpening) {
  TObjekt hole = Pad(lyC1, false, 40, 40);
  EXPECT_TRUE(IsHoleOnly(hole));
  EXPECT_FALSE(HasSolderOpening(hole));
  TObjekt pad = Pad(lyC1, false, 80, 40);
  EXPECT_FALSE(IsHoleOnly(pad));
  EXPECT_TRUE(HasSolderOpening(pad));
}

TEST(ElementPredicates, SolderOpeningNeedsAnOuterCopperSide) {
  struct Case {
    uint8_t layer;
    bool through;
    bool opening;
  } cases[] = {{lyC1, false, true}, {lyC2, false, true}, {lyI1, false, false},
               {lyI1, true, true},  {lyS1, true, false}, {lyS1, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(HasSolderOpening(Pad(c.layer, c.through)), c.opening) << int(c.layer) << " " << c.through;
  }
  TObjekt noMask = Pad(lyC1);
  noMask.Loetstopp = 0;
  EXPECT_FALSE(HasSolderOpening(noMask));
}

TEST(ElementPredicates, SameLayer) {
  struct Case {
    TObjekt a, b;
    bool same;
  };
  const Case cases[] = {
      {Pad(lyC1, true), Track(lyS1), false},    // through pad and silk screen
      {Pad(lyC1, true), Track(lyI1), true},     // through pad and inner copper
      {Pad(lyC1, true), Pad(lyC2, true), true},  // two through pads
      {Track(lyO), Track(lyO), true},
      {Track(lyC1), Track(lyC2), false},
      {Track(lyI2), Pad(lyC2, true), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameLayer(c.a, c.b), c.same);
    EXPECT_EQ(SameLayer(c.b, c.a), c.same);
  }
}

TEST(ElementPredicates, ThroughPadNeedsCopperLayer) {
  EXPECT_TRUE(IsThroughPad(Pad(lyC2, true)));
  EXPECT_FALSE(IsThroughPad(Pad(lyS1, true)));  // flag on a non-copper layer has no effect
  EXPECT_FALSE(IsThroughPad(Pad(lyC2, false)));
  TObjekt smd;
  smd.Typ = otSmdPad;
  smd.Layer = lyC1;
  smd.Durchkontaktiert = 1;
  EXPECT_FALSE(IsThroughPad(smd));
}

TEST(ElementPredicates, OnLayerAndOnVisibleLayer) {
  TLayerState st;
  st.Sichtbar = {1, 1, 0, 1, 1, 1, 1};  // C2 hidden
  TObjekt via = Pad(lyC1, true);
  EXPECT_TRUE(OnLayer(via, lyC2));
  EXPECT_TRUE(OnLayer(via, lyI2));
  EXPECT_FALSE(OnLayer(via, lyS1));
  EXPECT_FALSE(OnVisibleLayer(via, lyC2, st));
  EXPECT_TRUE(OnVisibleLayer(via, lyC1, st));
  EXPECT_TRUE(OnVisibleLayer(via, lyI1, st));
  TObjekt t = Track(lyC2);
  EXPECT_TRUE(OnLayer(t, lyC2));
  EXPECT_FALSE(OnVisibleLayer(t, lyC2, st));
}

TEST(ElementPredicates, LayerZeroIsVisible) {
  TLayerState st;
  st.Sichtbar.fill(0);
  EXPECT_TRUE(LayerVisible(0, st));
  EXPECT_FALSE(LayerVisible(lyC1, st));
  EXPECT_FALSE(LayerVisible(8, st));
}

TEST(ElementPredicates, ElementVisibleRules) {
  TLayerState st;
  st.Sichtbar = {0, 1, 0, 1, 0, 0, 1};  // every copper layer hidden
  EXPECT_FALSE(ElementVisible(Pad(lyC1, true), st));
  st.Sichtbar[lyI2 - 1] = 1;  // one copper layer visible shows through pads of any copper layer
  EXPECT_TRUE(ElementVisible(Pad(lyC1, true), st));
  EXPECT_FALSE(ElementVisible(Pad(lyC1, false), st));

  TLayerState k;
  k.AktiverLayer = lyC2;
  TObjekt keepOut = Track(lyC2);
  keepOut.Sperrflaeche = 1;
  EXPECT_FALSE(ElementVisible(keepOut, k));  // ground plane off
  k.MasseAn[lyC2 - 1] = 1;
  EXPECT_TRUE(ElementVisible(keepOut, k));
  k.AktiverLayer = lyC1;
  EXPECT_FALSE(ElementVisible(keepOut, k));  // not the active layer
}

TEST(ElementPredicates, ThermalApplies) {
  TLayerState st;
  st.AktiverLayer = lyC2;
  st.MasseAn[lyC2 - 1] = 1;
  TObjekt p = Pad(lyC2);
  EXPECT_FALSE(ThermalApplies(p, st));  // thermal flag off
  p.Schalter1 = 1;
  EXPECT_TRUE(ThermalApplies(p, st));
  TObjekt other = Pad(lyC1);
  other.Schalter1 = 1;
  EXPECT_FALSE(ThermalApplies(other, st));  // other side
  TObjekt via = Pad(lyC1, true);
  via.Schalter1 = 1;
  EXPECT_TRUE(ThermalApplies(via, st));  // plated pads join the plane of any copper layer
  st.MasseAn[lyC2 - 1] = 0;
  EXPECT_FALSE(ThermalApplies(via, st));
  TObjekt t = Track(lyC2);
  t.Schalter1 = 1;
  st.MasseAn[lyC2 - 1] = 1;
  EXPECT_FALSE(ThermalApplies(t, st));
}

TEST(CopyElement, ZoneVerticesRoundTiesToEvenTrackVerticesStayExact) {
  TObjekt zone;
  zone.Typ = otFlaeche;
  zone.Geschlossen = 0;
  zone.Punkte = {{10.5f, -20.5f}, {11.5f, -0.4f}};
  TObjekt zc;
  CopyElement(zone, zc);
  EXPECT_EQ(zc.Punkte[0], (TFloatPoint{10, -20}));
  EXPECT_EQ(zc.Punkte[1], (TFloatPoint{12, 0}));
  EXPECT_EQ(zc.Geschlossen, 1);

  TObjekt track = Track(lyC1);
  track.Punkte = {{10.5f, -20.5f}, {1, 1}};
  TObjekt tc;
  CopyElement(track, tc);
  EXPECT_EQ(tc.Punkte, track.Punkte);
}

TEST(CopyElement, DeepCopiesStringsGroupsStrokesAndMarksSource) {
  TObjekt text;
  text.Typ = otText;
  text.Text = "ABC";
  text.Name = "U1";
  text.Gruppen = {2, 5};
  text.Hervorgehoben = 1;
  TObjekt stroke = Track(lyS1);
  stroke.Punkte = {{0, 0}, {10, 10}};
  text.Striche.push_back(stroke);
  TObjekt copy;
  CopyElement(text, copy);
  EXPECT_EQ(text.Kopiert, 1);
  EXPECT_EQ(copy.Kopiert, 0);
  EXPECT_EQ(copy.Hervorgehoben, 0);
  EXPECT_EQ(copy.Text, "ABC");
  EXPECT_EQ(copy.Name, "U1");
  EXPECT_EQ(copy.Gruppen, text.Gruppen);
  ASSERT_EQ(copy.Striche.size(), 1u);
  EXPECT_EQ(copy.Striche[0].Punkte, stroke.Punkte);
  EXPECT_NE(copy.Id(), text.Id());
  EXPECT_NE(copy.Striche[0].Id(), text.Striche[0].Id());
  copy.Striche[0].Punkte[0].x = 99;  // no sharing
  EXPECT_EQ(text.Striche[0].Punkte[0].x, 0);
}

// Builds a list A, B (connected pads), T (autorouted track A->B), C (pad).
struct ConnectedBoard {
  ElementList list;
  ConnectedBoard() {
    TObjekt& a = list.Add(Pad(lyC1));
    TObjekt& b = list.Add(Pad(lyC1));
    a.Luftlinien = {b.Id()};
    b.Luftlinien = {a.Id()};
    TObjekt& t = list.Add(Track(lyC1));
    t.Autoroute = 1;
    t.RouteStart = a.Id();
    t.RouteEnde = b.Id();
    list.Add(Pad(lyC2));
  }
};

// Copies the elements of `src` at the given indices into `dst` as the callers do.
std::size_t CopySome(ElementList& src, ElementList& dst, std::initializer_list<std::size_t> which) {
  for (TObjekt& e : src) e.Kopiert = 0;
  const std::size_t first = dst.size();
  for (std::size_t i : which) {
    auto c = std::make_unique<TObjekt>();
    CopyElement(src[i], *c);
    dst.Add(std::move(c));
  }
  RemapReferences(src, dst, first);
  return first;
}

TEST(RemapReferences, CopyingOnePadOfAPairDropsTheConnection) {
  ConnectedBoard b;
  ElementList dst;
  CopySome(b.list, dst, {0});
  ASSERT_EQ(dst.size(), 1u);
  EXPECT_TRUE(dst[0].Luftlinien.empty());
}

TEST(RemapReferences, CopyingBothPadsGivesCopiesThatListEachOther) {
  ConnectedBoard b;
  ElementList dst;
  dst.Add(Track(lyO));  // copies start behind an existing element
  const std::size_t first = CopySome(b.list, dst, {0, 1, 2});
  ASSERT_EQ(first, 1u);
  EXPECT_EQ(dst[1].Luftlinien, std::vector<ObjRef>{dst[2].Id()});
  EXPECT_EQ(dst[2].Luftlinien, std::vector<ObjRef>{dst[1].Id()});
  EXPECT_EQ(dst[3].RouteStart, dst[1].Id());
  EXPECT_EQ(dst[3].RouteEnde, dst[2].Id());
}

TEST(RemapReferences, AutorouteLinkToAnUncopiedPadBecomesNone) {
  ConnectedBoard b;
  ElementList dst;
  CopySome(b.list, dst, {0, 2});
  EXPECT_EQ(dst[1].RouteStart, dst[0].Id());
  EXPECT_EQ(dst[1].RouteEnde, kNoRef);
}

TEST(RemapReferences, NeverLeavesAReferenceIntoTheSource) {
  // Every subset of the four elements: each remaining reference resolves in the copy list.
  for (unsigned mask = 1; mask < 16; ++mask) {
    ConnectedBoard b;
    b.list[3].Luftlinien = {b.list[0].Id()};  // one-sided entry to see it handled too
    ElementList dst;
    for (TObjekt& e : b.list) e.Kopiert = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      if (!(mask & (1u << i))) continue;
      auto c = std::make_unique<TObjekt>();
      CopyElement(b.list[i], *c);
      dst.Add(std::move(c));
    }
    RemapReferences(b.list, dst, 0);
    for (const TObjekt& c : dst) {
      for (ObjRef r : c.Luftlinien) {
        EXPECT_TRUE(dst.Contains(r)) << "mask " << mask;
        EXPECT_FALSE(b.list.Contains(r)) << "mask " << mask;
      }
      for (ObjRef r : {c.RouteStart, c.RouteEnde})
        EXPECT_TRUE(r == kNoRef || dst.Contains(r)) << "mask " << mask;
    }
  }
}

TEST(CopyList, CopiesTheWholeBoardWithItsLinks) {
  ConnectedBoard b;
  ElementList dst;
  EXPECT_EQ(CopyList(b.list, dst), 0u);
  ASSERT_EQ(dst.size(), 4u);
  EXPECT_EQ(dst[0].Luftlinien, std::vector<ObjRef>{dst[1].Id()});
  EXPECT_EQ(dst[2].RouteEnde, dst[1].Id());
}

TEST(StaleReference, IsDetectedAfterTheElementLeavesTheList) {
  ConnectedBoard b;
  const ObjRef a = b.list[0].Id();
  const ObjRef track = b.list[2].Id();
  EXPECT_EQ(b.list.IndexOf(track), 2);
  b.list.Erase(0);
  EXPECT_EQ(b.list.Find(a), nullptr);
  EXPECT_EQ(b.list.IndexOf(track), 1);  // positions follow the list
  EXPECT_EQ(b.list.Find(b.list[1].RouteStart), nullptr);
  EXPECT_EQ(b.list.Find(kNoRef), nullptr);
}

TEST(FreeElement, ReleasesTheOwnedListsOfTheKind) {
  TObjekt pad = Pad(lyC1);
  pad.Luftlinien = {1, 2};
  pad.Gruppen = {1};
  FreeElement(pad);
  EXPECT_TRUE(pad.Punkte.empty());
  EXPECT_TRUE(pad.Luftlinien.empty());
  EXPECT_TRUE(pad.Gruppen.empty());
  TObjekt text;
  text.Typ = otText;
  text.Striche.push_back(Track(lyS1));
  FreeElement(text);
  EXPECT_TRUE(text.Striche.empty());
}

}  // namespace
}  // namespace corvane
