#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/project.h"
#include "edit/command_states.h"

namespace corvane {
namespace {

TObjekt Element(uint8_t typ, uint8_t layer = lyC1, bool selected = false, std::vector<int32_t> groups = {}) {
  TObjekt e;
  e.Typ = typ;
  e.Layer = layer;
  e.Markiert = selected ? 1 : 0;
  e.Gruppen = std::move(groups);
  return e;
}

TProject OneBoard() {
  TProject p;
  p.AddBoard("Board 1");
  return p;
}

TCommandStates States(const TProject& p, bool clipboard = false) { return ComputeCommandStates(p, clipboard); }

// The commands that follow "something is selected".
constexpr bool TCommandStates::*kSelectionCommands[] = {
    &TCommandStates::Copy,          &TCommandStates::Cut,           &TCommandStates::Delete,
    &TCommandStates::Duplicate,     &TCommandStates::Tile,          &TCommandStates::Rotate,
    &TCommandStates::MirrorHorizontal, &TCommandStates::MirrorVertical, &TCommandStates::SnapToGrid,
    &TCommandStates::ChangeBoardSide, &TCommandStates::SetToLayer,  &TCommandStates::Name,
    &TCommandStates::ZoomSelection,
};
constexpr bool TCommandStates::*kBoardCommands[] = {
    &TCommandStates::DeleteBoard, &TCommandStates::MoveBoardToEnd, &TCommandStates::MoveBoardToFront,
    &TCommandStates::MoveBoardRight, &TCommandStates::MoveBoardLeft,
};

TEST(CommandStates, EmptyBoard) {
  const TCommandStates c = States(OneBoard());
  TCommandStates expected;
  expected.ThroughPad = true;  // nothing selected: the check mark is the default of new pads
  EXPECT_EQ(c, expected);
}

TEST(CommandStates, SelectionEnablesTheSelectionCommands) {
  TProject p = OneBoard();
  p.ActiveElements().Add(Element(otLeiterbahn));
  TCommandStates c = States(p);
  EXPECT_FALSE(c.Selected);
  for (auto member : kSelectionCommands) EXPECT_FALSE(c.*member);
  EXPECT_TRUE(c.ZoomObjects);
  EXPECT_TRUE(c.SelectAll);

  p.ActiveElements()[0].Markiert = 1;
  c = States(p);
  EXPECT_TRUE(c.Selected);
  for (auto member : kSelectionCommands) EXPECT_TRUE(c.*member);
  EXPECT_FALSE(c.BuildGroup);  // one element
}

TEST(CommandStates, BuildGroupAndAlign) {
  struct Case {
    const char* what;
    std::vector<TObjekt> elements;
    bool build;
  };
  const auto sel = [](std::vector<int32_t> groups) { return Element(otLoetauge, lyC1, true, std::move(groups)); };
  const auto unsel = [](std::vector<int32_t> groups) { return Element(otLoetauge, lyC1, false, std::move(groups)); };
  std::vector<Case> cases;
  cases.push_back({"two of one group", {sel({3}), sel({3})}, false});
  cases.push_back({"two ungrouped", {sel({}), sel({})}, true});
  cases.push_back({"grouped and ungrouped", {sel({3}), sel({})}, true});
  cases.push_back({"ungrouped and grouped", {sel({}), sel({3})}, true});
  cases.push_back({"two groups", {sel({3}), sel({4})}, true});
  cases.push_back({"same outermost group, inner groups differ", {sel({1, 5}), sel({2, 5})}, false});
  cases.push_back({"same inner group, outermost differs", {sel({5, 1}), sel({5, 2})}, true});
  cases.push_back({"three, one of another group", {sel({3}), sel({3}), sel({4})}, true});
  cases.push_back({"one selected", {sel({})}, false});
  cases.push_back({"unselected elements do not count", {sel({3}), sel({3}), unsel({})}, false});
  for (Case& c : cases) {
    TProject p = OneBoard();
    for (TObjekt& e : c.elements) p.ActiveElements().Add(std::move(e));
    const TCommandStates s = States(p);
    EXPECT_EQ(s.BuildGroup, c.build) << c.what;
    EXPECT_EQ(s.AlignElements, c.build) << c.what;
  }
}

TEST(CommandStates, SplitGroupNeedsASelectedGroupedElement) {
  TProject p = OneBoard();
  p.ActiveElements().Add(Element(otLoetauge, lyC1, true));
  p.ActiveElements().Add(Element(otLoetauge, lyC1, false, {2}));
  EXPECT_FALSE(States(p).SplitGroup);
  p.ActiveElements()[1].Markiert = 1;
  EXPECT_TRUE(States(p).SplitGroup);
}

TEST(CommandStates, ClipboardStacksAndViewHistory) {
  TProject p = OneBoard();
  EXPECT_TRUE(States(p, true).Paste);
  EXPECT_FALSE(States(p, false).Paste);

  TPlatine& board = p.ActiveBoard();
  board.Undo.emplace_back();
  TCommandStates c = States(p);
  EXPECT_TRUE(c.Undo);
  EXPECT_FALSE(c.Redo);
  board.Redo.emplace_back();
  board.Undo.clear();
  c = States(p);
  EXPECT_FALSE(c.Undo);
  EXPECT_TRUE(c.Redo);
  EXPECT_FALSE(c.ZoomPrevious);
  board.ZoomHistory.push_back({});
  EXPECT_TRUE(States(p).ZoomPrevious);
}

TEST(CommandStates, StacksOfTheActiveBoardOnly) {
  TProject p = OneBoard();
  p.ActiveBoard().Undo.emplace_back();
  p.ActiveBoard().ZoomHistory.push_back({});
  p.AddBoard("Board 2");  // now active, with empty stacks
  const TCommandStates c = States(p);
  EXPECT_FALSE(c.Undo);
  EXPECT_FALSE(c.ZoomPrevious);
}

TEST(CommandStates, BoardCommandsNeedASecondBoard) {
  TProject p = OneBoard();
  for (auto member : kBoardCommands) EXPECT_FALSE(States(p).*member);
  p.AddBoard("Board 2");
  for (auto member : kBoardCommands) EXPECT_TRUE(States(p).*member);
}

TEST(CommandStates, RemoveConnectionsNeedsALiveConnection) {
  TProject p = OneBoard();
  ElementList& list = p.ActiveElements();
  TObjekt& a = list.Add(Element(otLoetauge));
  TObjekt& b = list.Add(Element(otSmdPad));
  EXPECT_FALSE(States(p).RemoveConnections);
  b.Luftlinien.push_back(a.Id());
  EXPECT_TRUE(States(p).RemoveConnections);
  // A reference to an element no longer in the list is no connection.
  b.Luftlinien = {a.Id()};
  list.Erase(0);
  EXPECT_FALSE(States(p).RemoveConnections);
}

TEST(CommandStates, SizeFieldsFollowTheSelectedKindOnAVisibleLayer) {
  struct Case {
    const char* what;
    uint8_t typ;
    uint8_t layer;
    bool through;
    std::vector<int> hidden;  // layers switched off
    bool track, pad, smd;
  };
  const Case cases[] = {
      {"track", otLeiterbahn, lyC2, false, {}, true, false, false},
      {"zone", otFlaeche, lyC1, false, {}, true, false, false},
      {"circle", otKreis, lyS1, false, {}, true, false, false},
      {"track on a hidden layer", otLeiterbahn, lyC2, false, {lyC2}, false, false, false},
      {"text", otText, lyS1, false, {}, false, false, false},
      {"pad", otLoetauge, lyC1, false, {}, false, true, false},
      {"pad on a hidden layer", otLoetauge, lyC1, false, {lyC1}, false, false, false},
      {"through pad, its layer hidden, C2 shown", otLoetauge, lyC1, true, {lyC1}, false, true, false},
      {"through pad, all copper hidden", otLoetauge, lyC1, true, {lyC1, lyC2, lyI1, lyI2}, false, false, false},
      {"SMD pad", otSmdPad, lyC1, false, {}, false, false, true},
      {"SMD pad on a hidden layer", otSmdPad, lyC1, false, {lyC1}, false, false, false},
  };
  for (const Case& c : cases) {
    TProject p = OneBoard();
    p.View.AktiverLayer = lyS2;  // hidden layers must not be the active one
    for (int layer : c.hidden) p.ActiveBoard().Kopf.Sichtbar[static_cast<std::size_t>(layer - 1)] = 0;
    TObjekt e = Element(c.typ, c.layer, true);
    e.Durchkontaktiert = c.through ? 1 : 0;
    p.ActiveElements().Add(std::move(e));
    const TCommandStates s = States(p);
    EXPECT_EQ(s.TrackWidthField, c.track) << c.what;
    EXPECT_EQ(s.PadFields, c.pad) << c.what;
    EXPECT_EQ(s.SmdFields, c.smd) << c.what;
  }
}

TEST(CommandStates, ClearanceFieldNeedsTheGroundPlaneAndNoKeepOut) {
  struct Case {
    const char* what;
    bool groundPlane, keepOut, hidden, expected;
  };
  const Case cases[] = {
      {"element with the ground plane on", true, false, false, true},
      {"ground plane off", false, false, false, false},
      {"keep-out zone", true, true, false, false},
      {"element on a hidden layer", true, false, true, false},
  };
  for (const Case& c : cases) {
    TProject p = OneBoard();
    p.View.AktiverLayer = lyC2;
    p.View.MasseAn[lyC2 - 1] = c.groundPlane ? 1 : 0;
    if (c.hidden) p.ActiveBoard().Kopf.Sichtbar[lyC1 - 1] = 0;
    TObjekt e = Element(otFlaeche, lyC1, true);
    e.Sperrflaeche = c.keepOut ? 1 : 0;
    p.ActiveElements().Add(std::move(e));
    EXPECT_EQ(States(p).ClearanceField, c.expected) << c.what;
  }
}

TEST(CommandStates, ThroughPadNeedsNoSelectionOrASelectedCopperPad) {
  struct Case {
    const char* what;
    std::vector<TObjekt> elements;
    bool expected;
  };
  std::vector<Case> cases;
  cases.push_back({"nothing selected", {Element(otSmdPad)}, true});
  cases.push_back({"an SMD pad selected", {Element(otSmdPad, lyC1, true)}, false});
  cases.push_back({"a pad on a silkscreen selected", {Element(otLoetauge, lyS1, true)}, false});
  cases.push_back({"a pad on an inner layer selected", {Element(otLoetauge, lyI1, true)}, true});
  cases.push_back({"a track and a copper pad selected",
                   {Element(otLeiterbahn, lyC1, true), Element(otLoetauge, lyC2, true)}, true});
  for (Case& c : cases) {
    TProject p = OneBoard();
    for (TObjekt& e : c.elements) p.ActiveElements().Add(std::move(e));
    EXPECT_EQ(States(p).ThroughPad, c.expected) << c.what;
  }
}

TEST(CommandStates, WithoutActiveBoard) {
  const TProject none;
  TCommandStates expected;
  expected.Paste = true;
  expected.ThroughPad = true;
  EXPECT_EQ(ComputeCommandStates(none, true), expected);
}

}  // namespace
}  // namespace corvane
