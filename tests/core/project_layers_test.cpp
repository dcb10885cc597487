#include <gtest/gtest.h>

#include "core/project.h"

namespace corvane {
namespace {

TProject OneBoard() {
  TProject p;
  p.NewProject(1);
  return p;
}

TEST(ProjectLayers, TheActiveLayersButtonCannotHideIt) {
  TProject p = OneBoard();
  ASSERT_EQ(p.View.AktiverLayer, lyC2);
  EXPECT_FALSE(p.ToggleLayerVisible(lyC2));
  EXPECT_TRUE(p.LayerVisible(lyC2));
  EXPECT_TRUE(p.ToggleLayerVisible(lyS1));
  EXPECT_FALSE(p.LayerVisible(lyS1));
  EXPECT_FALSE(p.ActiveBoard().Kopf.Sichtbar[lyS1 - 1]);  // visibility lives in the header
  EXPECT_TRUE(p.ToggleLayerVisible(lyS1));
  EXPECT_TRUE(p.LayerVisible(lyS1));
}

TEST(ProjectLayers, TheVisibleLayersMenuDeselectsFirst) {
  TProject p = OneBoard();
  TObjekt e;
  e.Typ = otKreis;
  e.Layer = lyC1;
  e.Markiert = 1;
  p.ActiveElements().Add(std::move(e));
  p.ToggleLayerVisible(lyC2, true);  // even when the layer itself cannot change
  EXPECT_EQ(p.ActiveElements()[0].Markiert, 0);
}

TEST(ProjectLayers, ChoosingAHiddenLayerAsActiveShowsIt) {
  TProject p = OneBoard();
  p.ToggleLayerVisible(lyC1);
  ASSERT_FALSE(p.LayerVisible(lyC1));
  EXPECT_TRUE(p.SetActiveLayer(lyC1));
  EXPECT_EQ(p.View.AktiverLayer, lyC1);
  EXPECT_TRUE(p.LayerVisible(lyC1));
  EXPECT_EQ(p.LayerState().AktiverLayer, lyC1);
}

TEST(ProjectLayers, InnerLayersFollowMultilayer) {
  TProject p = OneBoard();
  EXPECT_FALSE(p.SetActiveLayer(lyI1));  // not a multilayer board
  EXPECT_FALSE(p.ToggleLayerVisible(lyI1));
  TBoardProperties props = p.BoardPropertiesOfActive();
  props.Multilayer = true;
  p.ApplyBoardProperties(props);
  EXPECT_TRUE(p.LayerVisible(lyI1));
  EXPECT_TRUE(p.LayerVisible(lyI2));
  ASSERT_TRUE(p.SetActiveLayer(lyI2));

  props.Multilayer = false;
  p.ApplyBoardProperties(props);
  EXPECT_EQ(p.View.AktiverLayer, lyC2);
  EXPECT_FALSE(p.LayerVisible(lyI1));
  EXPECT_FALSE(p.LayerVisible(lyI2));
  EXPECT_EQ(p.View.Innenlagen, 0);
}

TEST(ProjectLayers, ShowingABoardAppliesItsActiveLayerAndInnerLayers) {
  TProject p = OneBoard();
  p.AddBoard("second");
  TPlatinenKopf& h = p.Boards()[0].Kopf;
  h.AktiverLayer = lyS2;
  h.Sichtbar[lyS2 - 1] = 0;  // a hidden active layer becomes visible
  h.Sichtbar[lyI1 - 1] = 1;  // inner layers visible without Innenlagen are hidden
  p.SwitchBoard(0);
  EXPECT_EQ(p.View.AktiverLayer, lyS2);
  EXPECT_TRUE(p.LayerVisible(lyS2));
  EXPECT_FALSE(p.LayerVisible(lyI1));

  p.Boards()[1].Kopf.AktiverLayer = lyI1;  // active inner layer without Innenlagen: C2
  p.SwitchBoard(1);
  EXPECT_EQ(p.View.AktiverLayer, lyC2);
}

TEST(ProjectLayers, GroundPlaneButtonAndMenu) {
  TProject p = OneBoard();
  p.View.Sperrflaeche = true;
  p.SetGroundPlane(true);
  EXPECT_TRUE(p.GroundPlaneOn());
  EXPECT_TRUE(p.LayerState().GroundPlaneOn(lyC2));
  EXPECT_FALSE(p.View.Sperrflaeche);
  EXPECT_TRUE(p.Modified);

  ASSERT_TRUE(p.SetActiveLayer(lyS1));  // no ground plane on a silk-screen layer
  p.Modified = false;
  p.SetGroundPlane(true);
  EXPECT_FALSE(p.GroundPlaneOn());
  EXPECT_TRUE(p.Modified);

  ASSERT_TRUE(p.SetActiveLayer(lyC2));
  p.ToggleGroundPlane();
  EXPECT_FALSE(p.GroundPlaneOn());
  p.ToggleGroundPlane();
  EXPECT_TRUE(p.GroundPlaneOn());
  p.StoreViewState();
  EXPECT_EQ(p.ActiveBoard().Kopf.MasseAn[lyC2 - 1], 1);
}

}  // namespace
}  // namespace corvane
