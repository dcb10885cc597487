#include "core/clipboard.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TObjekt Element(uint8_t typ, float x) {
  TObjekt e;
  e.Typ = typ;
  e.Layer = lyC1;
  e.X = x;
  e.Punkte = {{x, 0}, {x + 1, 0}};
  return e;
}

void Connect(TObjekt& a, TObjekt& b) {
  a.Luftlinien.push_back(b.Id());
  b.Luftlinien.push_back(a.Id());
}

// A board with pads A (0), B (1), SMD pad C (2) and a track (3); A-B and B-C connected.
struct BoardFixture : ::testing::Test {
  void SetUp() override {
    project.NewProject(1);
    ElementList& list = project.ActiveElements();
    TObjekt& a = list.Add(Element(otLoetauge, 0));
    TObjekt& b = list.Add(Element(otLoetauge, 1));
    TObjekt& c = list.Add(Element(otSmdPad, 2));
    list.Add(Element(otLeiterbahn, 3));
    Connect(a, b);
    Connect(b, c);
  }
  ElementList& List() { return project.ActiveElements(); }
  TProject project;
  TUndoControl undo;
  TZwischenablage clipboard;
};

TEST_F(BoardFixture, CopyKeepsConnectionsInsideTheCopiedSetOnly) {
  List()[0].Markiert = 1;  // A
  List()[1].Markiert = 1;  // B; C is not copied
  ASSERT_EQ(CopySelection(List(), clipboard), 2u);
  EXPECT_EQ(clipboard.IndexOf(clipboard[0].Luftlinien.at(0)), 1);
  ASSERT_EQ(clipboard[1].Luftlinien.size(), 1u);  // B's connection to C is dropped
  EXPECT_EQ(clipboard.IndexOf(clipboard[1].Luftlinien[0]), 0);
  for (const TObjekt& e : List()) EXPECT_EQ(e.Kopiert, 0);

  // A second copy replaces the clipboard.
  for (TObjekt& e : List()) e.Markiert = 0;
  List()[3].Markiert = 1;
  ASSERT_EQ(CopySelection(List(), clipboard), 1u);
  EXPECT_EQ(clipboard[0].Typ, otLeiterbahn);
}

TEST_F(BoardFixture, DeleteSelectionRemovesPadsFromTheirPartners) {
  List()[1].Markiert = 1;  // B, partner of A and C
  EXPECT_EQ(DeleteSelection(project, undo), 1u);
  ASSERT_EQ(List().size(), 3u);
  EXPECT_TRUE(List()[0].Luftlinien.empty());
  EXPECT_TRUE(List()[1].Luftlinien.empty());
  EXPECT_TRUE(project.Modified);
  // One snapshot, and undo brings B back with its connections.
  ASSERT_EQ(project.ActiveBoard().Undo.size(), 1u);
  ASSERT_TRUE(Undo(project, false));
  ASSERT_EQ(List().size(), 4u);
  EXPECT_EQ(List().IndexOf(List()[0].Luftlinien.at(0)), 1);
}

TEST_F(BoardFixture, DeleteSelectionIsIgnoredInConnectionModeAndWithoutSelection) {
  EXPECT_EQ(DeleteSelection(project, undo), 0u);
  List()[0].Markiert = 1;
  EXPECT_EQ(DeleteSelection(project, undo, true), 0u);
  EXPECT_EQ(List().size(), 4u);
  EXPECT_TRUE(project.ActiveBoard().Undo.empty());
  EXPECT_FALSE(project.Modified);
}

TEST_F(BoardFixture, CutRemovesThePadFromItsPartnerAndKeepsItOnTheClipboard) {
  List()[2].Markiert = 1;  // C, partner of B
  EXPECT_EQ(CutSelection(project, clipboard, undo), 1u);
  ASSERT_EQ(clipboard.size(), 1u);
  EXPECT_EQ(clipboard[0].Typ, otSmdPad);
  EXPECT_TRUE(clipboard[0].Luftlinien.empty());
  ASSERT_EQ(List().size(), 3u);
  ASSERT_EQ(List()[1].Luftlinien.size(), 1u);  // B keeps A only
  EXPECT_EQ(List().IndexOf(List()[1].Luftlinien[0]), 0);
}

TEST_F(BoardFixture, DeleteByIndexCleansPartnersWithoutSnapshot) {
  DeleteElementAt(List(), 0);  // A
  ASSERT_EQ(List().size(), 3u);
  ASSERT_EQ(List()[0].Luftlinien.size(), 1u);  // B keeps C only
  EXPECT_EQ(List().IndexOf(List()[0].Luftlinien[0]), 1);
  DeleteElementAt(List(), 17);  // outside the list: nothing
  EXPECT_EQ(List().size(), 3u);
  EXPECT_TRUE(project.ActiveBoard().Undo.empty());
}

TEST_F(BoardFixture, EnabledStatesFollowStacksClipboardAndSelection) {
  const TPlatine& board = project.ActiveBoard();
  EXPECT_EQ(EditCommandStates(board, clipboard), TEditCommandStates{});
  List()[3].Markiert = 1;
  TEditCommandStates s = EditCommandStates(board, clipboard);
  EXPECT_TRUE(s.Copy && s.Cut && s.Delete && s.Duplicate);
  EXPECT_FALSE(s.Paste || s.Undo || s.Redo);
  CutSelection(project, clipboard, undo);
  s = EditCommandStates(board, clipboard);
  EXPECT_TRUE(s.Paste && s.Undo);
  EXPECT_FALSE(s.Copy || s.Redo);
  Undo(project, false);
  s = EditCommandStates(board, clipboard);
  EXPECT_TRUE(s.Redo && s.Paste);
  EXPECT_FALSE(s.Undo || s.Copy);
}

}  // namespace
}  // namespace corvane
