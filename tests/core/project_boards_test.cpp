#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/element_ops.h"
#include "core/project.h"

namespace corvane {
namespace {

constexpr int kGerman = 0, kEnglish = 1, kFrench = 2;

std::vector<std::string> Names(const TProject& p) {
  std::vector<std::string> names;
  for (const TPlatine& b : p.Boards()) names.push_back(b.Name);
  return names;
}

// A project of boards "A", "B", "C", ... with "A" active and not modified.
TProject ProjectOf(int boards) {
  TProject p;
  for (int i = 0; i < boards; ++i) p.AddBoard(std::string(1, static_cast<char>('A' + i)));
  p.SwitchBoard(0);
  p.Modified = false;
  return p;
}

TObjekt Pad(float x) {
  TObjekt e;
  e.Typ = otLoetauge;
  e.X = x;
  e.Layer = lyC1;
  e.Form = psCircular;
  e.Mass1 = 80;
  e.Mass2 = 40;
  e.Punkte = {{x - 80, 0}, {x + 80, 0}};
  return e;
}

TEST(ProjectBoards, NewProjectHasBoard1InTheUiLanguage) {
  const struct {
    int language;
    const char* name;
  } cases[] = {{kGerman, "Platine 1"}, {kEnglish, "Board 1"}, {kFrench, "Carte 1"}};
  for (const auto& c : cases) {
    TProject p;
    p.Modified = true;
    p.FileName = "old.lay";
    p.NewProject(c.language);
    ASSERT_EQ(p.BoardCount(), 1u);
    EXPECT_EQ(p.Boards()[0].Name, c.name);
    EXPECT_EQ(p.Boards()[0].TabCaption(), std::string(c.name) + " ");
    EXPECT_EQ(p.ActiveIndex(), 0);
    EXPECT_FALSE(p.Modified);
    EXPECT_TRUE(p.FileName.empty());
    TPlatinenKopf shown;  // the defaults; a shown board without inner layers hides I1 and I2
    shown.Sichtbar[lyI1 - 1] = 0;
    shown.Sichtbar[lyI2 - 1] = 0;
    EXPECT_EQ(p.Boards()[0].Kopf, shown);
  }
}

TEST(ProjectBoards, ANewBoardInAProjectOfThreeIsBoard4AndActive) {
  TProject p = ProjectOf(3);
  EXPECT_EQ(p.AddNewBoard(kEnglish), "Board 4");
  EXPECT_EQ(p.BoardCount(), 4u);
  EXPECT_EQ(p.ActiveIndex(), 3);
  EXPECT_TRUE(p.Modified);
  EXPECT_EQ(p.AddNewBoard(kFrench), "Carte 5");
  EXPECT_EQ(p.AddNewBoard(kGerman), "Platine 6");
}

TEST(ProjectBoards, SwitchingKeepsEachBoardsViewState) {
  TProject p = ProjectOf(2);
  p.View.Zoom = 0.5;
  p.View.ScrollX = 300;
  p.View.Breite = 5000;
  p.SwitchBoard(1);
  EXPECT_EQ(p.View.Zoom, 0.1);  // board B still has the defaults
  EXPECT_EQ(p.View.Breite, 16000);
  EXPECT_EQ(p.Boards()[0].Kopf.Zoom, 0.5);
  p.View.Zoom = 0.2;
  p.SwitchBoard(0);
  EXPECT_EQ(p.View.Zoom, 0.5);
  EXPECT_EQ(p.View.ScrollX, 300);
  EXPECT_EQ(p.View.Breite, 5000);
  EXPECT_EQ(p.Boards()[1].Kopf.Zoom, 0.2);
}

TEST(ProjectBoards, MovesChangeOrderOrNothing) {
  const struct {
    int active;
    bool (TProject::*move)();
    std::vector<std::string> order;
    int newActive;
  } cases[] = {
      {1, &TProject::MoveActiveBoardToEnd, {"A", "C", "D", "B"}, 3},
      {3, &TProject::MoveActiveBoardToEnd, {"A", "B", "C", "D"}, 3},
      {2, &TProject::MoveActiveBoardToFront, {"C", "A", "B", "D"}, 0},
      {0, &TProject::MoveActiveBoardToFront, {"A", "B", "C", "D"}, 0},
      {1, &TProject::MoveActiveBoardRight, {"A", "C", "B", "D"}, 2},
      {3, &TProject::MoveActiveBoardRight, {"A", "B", "C", "D"}, 3},
      {2, &TProject::MoveActiveBoardLeft, {"A", "C", "B", "D"}, 1},
      {0, &TProject::MoveActiveBoardLeft, {"A", "B", "C", "D"}, 0},
  };
  for (const auto& c : cases) {
    TProject p = ProjectOf(4);
    p.SwitchBoard(static_cast<std::size_t>(c.active));
    p.View.Zoom = 0.3;  // the active board's view state must follow it
    const bool moved = (p.*c.move)();
    EXPECT_EQ(Names(p), c.order) << c.active;
    EXPECT_EQ(p.ActiveIndex(), c.newActive) << c.active;
    EXPECT_EQ(moved, c.order != Names(ProjectOf(4))) << c.active;
    EXPECT_EQ(p.Modified, moved) << c.active;
    p.SwitchBoard(c.newActive == 0 ? 1 : 0);
    EXPECT_EQ(p.Boards()[static_cast<std::size_t>(c.newActive)].Kopf.Zoom, 0.3) << c.active;
  }
}

TEST(ProjectBoards, TheOnlyBoardCannotBeDeleted) {
  TProject p = ProjectOf(1);
  EXPECT_FALSE(p.CanDeleteActiveBoard());
  EXPECT_FALSE(p.DeleteActiveBoard());
  EXPECT_EQ(p.BoardCount(), 1u);
  EXPECT_FALSE(p.Modified);
}

TEST(ProjectBoards, DeletingTheActiveBoardShowsTheBoardNowAtItsTab) {
  TProject p = ProjectOf(3);
  p.SwitchBoard(1);
  p.View.Zoom = 0.77;  // belongs to B and goes with it
  ASSERT_TRUE(p.DeleteActiveBoard());
  EXPECT_EQ(Names(p), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(p.ActiveIndex(), 1);
  EXPECT_EQ(p.View.Zoom, 0.1);
  EXPECT_TRUE(p.Modified);
  ASSERT_TRUE(p.DeleteActiveBoard());  // the last tab: its left neighbour becomes active
  EXPECT_EQ(Names(p), (std::vector<std::string>{"A"}));
  EXPECT_EQ(p.ActiveIndex(), 0);
}

TEST(ProjectBoards, DeletingAnotherBoardKeepsTheActiveOne) {
  TProject p = ProjectOf(3);
  p.SwitchBoard(2);
  p.DeleteBoard(0);
  EXPECT_EQ(p.ActiveIndex(), 1);
  EXPECT_EQ(p.ActiveBoard().Name, "C");
}

TEST(ProjectBoards, CopyBoardJoinsConnectionsAndAutorouteLinksToTheCopies) {
  TProject p = ProjectOf(1);
  ElementList& list = p.ActiveElements();
  TObjekt& a = list.Add(Pad(0));
  TObjekt& b = list.Add(Pad(500));
  a.Luftlinien = {b.Id()};
  b.Luftlinien = {a.Id()};
  TObjekt track;
  track.Typ = otLeiterbahn;
  track.Layer = lyC1;
  track.Autoroute = 1;
  track.Punkte = {{0, 0}, {500, 0}};
  track.RouteStart = a.Id();
  track.RouteEnde = b.Id();
  list.Add(std::move(track));
  p.View.Breite = 7000;
  p.View.MasseAn[0] = 1;

  p.CopyActiveBoard(kEnglish);
  ASSERT_EQ(p.BoardCount(), 2u);
  EXPECT_EQ(p.ActiveIndex(), 1);
  EXPECT_EQ(p.ActiveBoard().Name, "Copy of A");
  EXPECT_TRUE(p.Modified);
  EXPECT_EQ(p.View.Breite, 7000);  // the source's view state was stored and copied
  EXPECT_EQ(p.View.MasseAn[0], 1);

  const ElementList& copy = p.ActiveBoard().Elemente;
  ASSERT_EQ(copy.size(), 3u);
  EXPECT_EQ(copy[0].Luftlinien, std::vector<ObjRef>{copy[1].Id()});
  EXPECT_EQ(copy[1].Luftlinien, std::vector<ObjRef>{copy[0].Id()});
  EXPECT_EQ(copy[2].RouteStart, copy[0].Id());
  EXPECT_EQ(copy[2].RouteEnde, copy[1].Id());
  // The source keeps its own references.
  const ElementList& source = p.Boards()[0].Elemente;
  EXPECT_EQ(source[0].Luftlinien, std::vector<ObjRef>{source[1].Id()});
  EXPECT_EQ(source[2].RouteStart, source[0].Id());

  const struct {
    int language;
    const char* name;
  } names[] = {{kGerman, "Kopie von A"}, {kFrench, "Copie de A"}};
  for (const auto& n : names) {
    p.SwitchBoard(0);
    p.CopyActiveBoard(n.language);
    EXPECT_EQ(p.ActiveBoard().Name, n.name);
  }
}

TEST(ProjectBoards, BoardPropertiesSetSizeNameAndLowerTheZoom) {
  TProject p = ProjectOf(1);
  p.View.Zoom = 5.0;
  TBoardProperties props;
  props.BreiteMm = 200.004;  // 20000.4 units round to 20000
  props.HoeheMm = 50;
  props.Name = "  Main board \t";
  p.ApplyBoardProperties(props);
  EXPECT_EQ(p.View.Breite, 20000);
  EXPECT_EQ(p.View.Hoehe, 5000);
  EXPECT_EQ(p.View.Zoom, 3.2);  // 64000 / 20000
  EXPECT_EQ(p.ActiveBoard().Name, "Main board");
  EXPECT_TRUE(p.Modified);

  props.BreiteMm = 0.2;  // below 1 mm
  props.HoeheMm = 900;   // above 500 mm
  p.ApplyBoardProperties(props);
  EXPECT_EQ(p.View.Breite, kMinBoardSize);
  EXPECT_EQ(p.View.Hoehe, kMaxBoardSize);
}

TEST(ProjectBoards, MaxZoomKeepsTheBoardBelow64000Pixels) {
  EXPECT_EQ(MaxZoomForBoard(16000, 10000), 4.0);
  EXPECT_EQ(MaxZoomForBoard(100, 100), 5.0);
  EXPECT_EQ(MaxZoomForBoard(50000, 300), 1.28);
  EXPECT_EQ(MaxZoomForBoard(30000, 1), 2.133);
}

TEST(ProjectBoards, EmptyMeansOneBoardWithoutElements) {
  TProject p = ProjectOf(1);
  EXPECT_TRUE(p.IsEmpty());
  p.ActiveElements().Add(Pad(0));
  EXPECT_FALSE(p.IsEmpty());
  TProject two = ProjectOf(2);
  EXPECT_FALSE(two.IsEmpty());
}

TEST(ProjectBoards, ATemplateThatCannotBeLoadedLosesNameAndShowFlag) {
  TProject p = ProjectOf(2);
  p.Boards()[1].Kopf.Vorlage1Datei = "missing.bmp";
  p.Boards()[1].Kopf.Vorlage1Zeigen = 1;
  p.Boards()[1].Kopf.Vorlage2Datei = "present.bmp";
  p.Boards()[1].Kopf.Vorlage2Zeigen = 1;
  p.TemplateLoader = [](const std::string& f) { return f == "present.bmp"; };
  p.SwitchBoard(1);
  EXPECT_EQ(p.View.Vorlage1Datei, "");
  EXPECT_EQ(p.View.Vorlage1Zeigen, 0);
  EXPECT_EQ(p.View.Vorlage2Datei, "present.bmp");
  EXPECT_EQ(p.View.Vorlage2Zeigen, 1);
  p.StoreViewState();
  EXPECT_EQ(p.ActiveBoard().Kopf.Vorlage1Datei, "");
}

}  // namespace
}  // namespace corvane
