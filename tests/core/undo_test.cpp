#include "core/undo.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/element_ops.h"

namespace corvane {
namespace {

TObjekt Pad(float x) {
  TObjekt e;
  e.Typ = otLoetauge;
  e.Layer = lyC1;
  e.X = x;
  e.Punkte = {{x - 1, 0}, {x + 1, 0}};
  return e;
}

// The X of every element, in list order: the state the tests compare.
std::vector<float> Xs(const ElementList& list) {
  std::vector<float> xs;
  for (const TObjekt& e : list) xs.push_back(e.X);
  return xs;
}

// One changing command: snapshot, then an element appended.
void Change(TPlatine& board, const TUndoControl& control, float x) {
  PushUndo(board, control);
  board.Elemente.Add(Pad(x));
}

TEST(UndoTest, DepthOneKeepsOnlyTheLastStep) {
  TPlatine board;
  TUndoControl control;
  control.SetUndoDepth(1);
  Change(board, control, 1);
  Change(board, control, 2);
  EXPECT_TRUE(Undo(board, false));
  EXPECT_EQ(Xs(board.Elemente), (std::vector<float>{1}));
  EXPECT_FALSE(Undo(board, false));
  EXPECT_EQ(Xs(board.Elemente), (std::vector<float>{1}));
}

TEST(UndoTest, DefaultDepthFiftyRefusesTheFiftyFirstUndo) {
  TPlatine board;
  TUndoControl control;
  ASSERT_EQ(control.UndoDepth(), 50);
  for (int i = 1; i <= 60; ++i) Change(board, control, static_cast<float>(i));
  EXPECT_EQ(board.Undo.size(), 50u);
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(Undo(board, false)) << "undo " << i + 1;
  EXPECT_EQ(board.Elemente.size(), 10u);  // the state after the 10th change
  EXPECT_EQ(board.Elemente.back().X, 10.0f);
  EXPECT_FALSE(Undo(board, false));
  EXPECT_EQ(board.Elemente.size(), 10u);
}

TEST(UndoTest, LoweringTheDepthTrimsTheStackAtTheNextSnapshot) {
  TPlatine board;
  TUndoControl control;
  for (int i = 1; i <= 10; ++i) Change(board, control, static_cast<float>(i));
  control.SetUndoDepth(3);
  Change(board, control, 11);
  EXPECT_EQ(board.Undo.size(), 3u);
  // The newest three snapshots are kept: the states after changes 10, 9 and 8.
  EXPECT_EQ(board.Undo.front().size(), 8u);
}

TEST(UndoTest, UndoDepthIsClampedToOneToFifty) {
  struct Case {
    int set, expected;
  } cases[] = {{0, 1}, {-5, 1}, {1, 1}, {25, 25}, {50, 50}, {51, 50}};
  for (const Case& c : cases) {
    TUndoControl control;
    control.SetUndoDepth(c.set);
    EXPECT_EQ(control.UndoDepth(), c.expected) << c.set;
  }
}

TEST(UndoTest, RedoRestoresAndAChangeEmptiesIt) {
  TPlatine board;
  TUndoControl control;
  Change(board, control, 1);
  Change(board, control, 2);
  ASSERT_TRUE(Undo(board, false));
  ASSERT_TRUE(Undo(board, false));
  EXPECT_TRUE(board.Elemente.empty());
  EXPECT_EQ(board.Redo.size(), 2u);
  ASSERT_TRUE(Redo(board, false));
  EXPECT_EQ(Xs(board.Elemente), (std::vector<float>{1}));
  EXPECT_EQ(board.Undo.size(), 1u);

  Change(board, control, 7);
  EXPECT_TRUE(board.Redo.empty());
  EXPECT_FALSE(Redo(board, false));
  EXPECT_EQ(Xs(board.Elemente), (std::vector<float>{1, 7}));
}

TEST(UndoTest, NothingHappensWhileATrackIsBeingDrawn) {
  TPlatine board;
  TUndoControl control;
  Change(board, control, 1);
  EXPECT_FALSE(Undo(board, true));
  EXPECT_EQ(board.Elemente.size(), 1u);
  EXPECT_EQ(board.Undo.size(), 1u);
  EXPECT_TRUE(board.Redo.empty());
  ASSERT_TRUE(Undo(board, false));
  EXPECT_FALSE(Redo(board, true));
  EXPECT_TRUE(board.Elemente.empty());
  EXPECT_EQ(board.Redo.size(), 1u);
}

TEST(UndoTest, NothingIsSelectedAfterUndoOrRedo) {
  TPlatine board;
  TUndoControl control;
  board.Elemente.Add(Pad(1)).Markiert = 1;
  board.Elemente.Add(Pad(2)).Markiert = 1;
  PushUndo(board, control);
  for (const TObjekt& e : board.Undo.back()) EXPECT_EQ(e.Markiert, 0);
  board.Elemente.Erase(0);
  ASSERT_TRUE(Undo(board, false));
  ASSERT_EQ(board.Elemente.size(), 2u);
  for (const TObjekt& e : board.Elemente) EXPECT_EQ(e.Markiert, 0);
  board.Elemente[0].Markiert = 1;
  ASSERT_TRUE(Redo(board, false));
  ASSERT_TRUE(Undo(board, false));
  for (const TObjekt& e : board.Elemente) EXPECT_EQ(e.Markiert, 0);
}

TEST(UndoTest, SnapshotsShareNothingWithTheList) {
  TPlatine board;
  TUndoControl control;
  TObjekt& a = board.Elemente.Add(Pad(1));
  TObjekt& b = board.Elemente.Add(Pad(2));
  a.Luftlinien = {b.Id()};
  b.Luftlinien = {a.Id()};
  TObjekt track;
  track.Typ = otLeiterbahn;
  track.Layer = lyC1;
  track.Punkte = {{1, 0}, {2, 0}};
  track.Autoroute = 1;
  track.RouteStart = a.Id();
  track.RouteEnde = b.Id();
  board.Elemente.Add(std::move(track));

  PushUndo(board, control);
  const ElementList& snap = board.Undo.back();
  for (const TObjekt& e : board.Elemente) EXPECT_EQ(e.Kopiert, 0);
  for (std::size_t i = 0; i < snap.size(); ++i) EXPECT_NE(snap[i].Id(), board.Elemente[i].Id());
  // References inside the snapshot lead to the snapshot's own elements.
  EXPECT_EQ(snap.IndexOf(snap[0].Luftlinien.at(0)), 1);
  EXPECT_EQ(snap.IndexOf(snap[1].Luftlinien.at(0)), 0);
  EXPECT_EQ(snap.IndexOf(snap[2].RouteStart), 0);
  EXPECT_EQ(snap.IndexOf(snap[2].RouteEnde), 1);

  // Changing the list leaves the snapshot as it was.
  board.Elemente[0].X = 99;
  board.Elemente[0].Punkte.clear();
  EXPECT_EQ(snap[0].X, 1.0f);
  EXPECT_EQ(snap[0].Punkte.size(), 2u);

  // After undo the list holds fresh copies: changing it does not reach the
  // snapshot that redo will bring back, and its references stay inside it.
  ASSERT_TRUE(Undo(board, false));
  const ElementList& redo = board.Redo.back();
  for (std::size_t i = 0; i < redo.size(); ++i) EXPECT_NE(redo[i].Id(), board.Elemente[i].Id());
  EXPECT_EQ(board.Elemente.IndexOf(board.Elemente[0].Luftlinien.at(0)), 1);
  EXPECT_EQ(board.Elemente.IndexOf(board.Elemente[2].RouteEnde), 1);
  board.Elemente[0].X = -5;
  ASSERT_TRUE(Redo(board, false));
  EXPECT_EQ(board.Elemente[0].X, 99.0f);
  ASSERT_TRUE(Undo(board, false));
  EXPECT_EQ(board.Elemente[0].X, -5.0f);
}

TEST(UndoTest, SuppressionStopsSnapshotsAndNests) {
  TPlatine board;
  TUndoControl control;
  {
    TUndoSuppression outer(&control);
    {
      TUndoSuppression inner(&control);
      EXPECT_FALSE(PushUndo(board, control));
    }
    EXPECT_TRUE(control.Suppressed());
    EXPECT_FALSE(PushUndo(board, control));
  }
  EXPECT_FALSE(control.Suppressed());
  EXPECT_TRUE(board.Undo.empty());
  EXPECT_TRUE(PushUndo(board, control));
  TUndoSuppression none(nullptr);  // no control: nothing to switch
  EXPECT_TRUE(PushUndo(board, control));
}

TEST(UndoTest, ProjectLevelActsOnTheActiveBoardAndMarksModified) {
  TProject project;
  project.NewProject(1);
  project.AddBoard("Second");
  TUndoControl control;
  EXPECT_FALSE(project.Modified);
  ASSERT_TRUE(PushUndo(project, control));
  EXPECT_TRUE(project.Modified);
  EXPECT_EQ(project.Boards()[1].Undo.size(), 1u);
  EXPECT_TRUE(project.Boards()[0].Undo.empty());

  project.Modified = false;  // as after a save
  ASSERT_TRUE(Undo(project, false));
  EXPECT_TRUE(project.Modified);
  project.Modified = false;
  EXPECT_FALSE(Undo(project, false));
  EXPECT_FALSE(project.Modified);

  control.SetSuppressed(true);
  EXPECT_FALSE(PushUndo(project, control));
  EXPECT_FALSE(project.Modified);
}

}  // namespace
}  // namespace corvane
