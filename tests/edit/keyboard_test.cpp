#include <gtest/gtest.h>

#include <random>

#include "core/layers.h"
#include "edit/keyboard.h"

namespace corvane {
namespace {

constexpr TModifiers kNone{};
constexpr TModifiers kCtrl{false, true, false};
constexpr TModifiers kAlt{false, false, true};

TKeyContext InMode(ToolMode mode, bool drawing = false) {
  TKeyContext c;
  c.Mode = mode;
  c.Drawing = drawing;
  return c;
}

TKeyAction Press(TKey key, const TKeyContext& c, TModifiers m = kNone, const THotkeys& keys = THotkeys()) {
  return DrawingAreaKeyAction(key, m, c, keys);
}

TEST(Keyboard, LetterKeysMapBothCases) {
  EXPECT_EQ(LetterKey('a'), TKey::A);
  EXPECT_EQ(LetterKey('Z'), TKey::Z);
  EXPECT_EQ(LetterKey('1'), TKey::Other);
  EXPECT_EQ(KeyLetter(TKey::M), 'M');
  EXPECT_EQ(KeyLetter(TKey::F12), 0);
}

TEST(Keyboard, NothingIsHandledWithAlt) {
  TKeyContext c = InMode(ToolMode::Track, true);
  c.AnySelected = true;
  for (TKey key : {TKey::Space, TKey::Up, TKey::Delete, TKey::Digit0, TKey::F1, TKey::F12, TKey::Escape, TKey::L})
    EXPECT_EQ(Press(key, c, kAlt).Kind, TKeyActionKind::NotHandled) << static_cast<int>(key);
}

TEST(Keyboard, HotkeysSwitchModes) {
  struct Case {
    TKey key;
    ToolMode mode;
    bool photoView;
  };
  const Case cases[] = {
      {TKey::Escape, ToolMode::Edit, false},     {TKey::Z, ToolMode::Zoom, false},
      {TKey::L, ToolMode::Track, false},         {TKey::P, ToolMode::Pad, false},
      {TKey::S, ToolMode::SmdPad, false},        {TKey::R, ToolMode::Circle, false},
      {TKey::F, ToolMode::Zone, false},          {TKey::N, ToolMode::SpecialForm, false},
      {TKey::T, ToolMode::Text, false},          {TKey::C, ToolMode::Connections, false},
      {TKey::A, ToolMode::Autoroute, false},     {TKey::X, ToolMode::Test, false},
      {TKey::M, ToolMode::Measure, false},       {TKey::V, ToolMode::Zoom, true},
      {TKey::O, ToolMode::SolderMask, false},
  };
  const TKeyContext c = InMode(ToolMode::Pad);
  for (const Case& k : cases) {
    const TKeyAction a = Press(k.key, c);
    EXPECT_EQ(a.Kind, TKeyActionKind::SwitchMode) << static_cast<int>(k.key);
    EXPECT_EQ(a.Mode, k.mode) << static_cast<int>(k.key);
    EXPECT_EQ(a.ShowPhotoView, k.photoView) << static_cast<int>(k.key);
  }
}

TEST(Keyboard, CtrlLeavesEscapeAndLettersToTheMenu) {
  const TKeyContext c = InMode(ToolMode::Track);
  EXPECT_EQ(Press(TKey::Escape, c, kCtrl).Kind, TKeyActionKind::NotHandled);
  EXPECT_EQ(Press(TKey::Z, c, kCtrl).Kind, TKeyActionKind::NotHandled);
  EXPECT_EQ(Press(TKey::L, c, kCtrl).Kind, TKeyActionKind::NotHandled);
}

TEST(Keyboard, LettersFollowTheHotkeyTable) {
  const THotkeys keys = THotkeys::Parse("Z_PSRFNTCAXMVQ");
  const TKeyContext c = InMode(ToolMode::Edit);
  EXPECT_EQ(Press(TKey::L, c, kNone, keys).Kind, TKeyActionKind::NotHandled);
  EXPECT_EQ(Press(TKey::O, c, kNone, keys).Kind, TKeyActionKind::NotHandled);
  const TKeyAction q = Press(TKey::Q, c, kNone, keys);
  EXPECT_EQ(q.Kind, TKeyActionKind::SwitchMode);
  EXPECT_EQ(q.Mode, ToolMode::SolderMask);
  EXPECT_EQ(Press(TKey::B, c).Kind, TKeyActionKind::NotHandled);  // no row has B
}

TEST(Keyboard, SpaceStepsTheBendModeWhileDrawing) {
  for (ToolMode mode : {ToolMode::Track, ToolMode::Zone}) {
    TKeyContext c = InMode(mode, true);
    for (int bend = 0; bend < kBendModeCount; ++bend) {
      c.BendMode = bend;
      const TKeyAction a = Press(TKey::Space, c);
      EXPECT_EQ(a.Kind, TKeyActionKind::NextBendMode);
      EXPECT_EQ(a.BendMode, (bend + 1) % 5);
    }
  }
  EXPECT_EQ(Press(TKey::Space, InMode(ToolMode::Track, false)).Kind, TKeyActionKind::NotHandled);
  EXPECT_EQ(Press(TKey::Space, InMode(ToolMode::Edit)).Kind, TKeyActionKind::NotHandled);
}

struct SizeCase {
  const char* what;
  ToolMode mode;
  TKey key;
  TModifiers mods;
  TToolSizes before;
  bool taken;
  TToolSizes after;  // when taken
};

TToolSizes Sizes(int32_t track, int32_t outer, int32_t drill, int32_t w, int32_t h) {
  return {track, outer, drill, w, h};
}

TEST(Keyboard, ArrowKeysChangeSizesWithinTheirLimits) {
  const TToolSizes d = Sizes(80, 180, 60, 90, 180);
  const SizeCase cases[] = {
      {"track Up", ToolMode::Track, TKey::Up, kNone, d, true, Sizes(81, 180, 60, 90, 180)},
      {"track Right", ToolMode::Track, TKey::Right, kNone, d, true, Sizes(81, 180, 60, 90, 180)},
      {"track Down", ToolMode::Track, TKey::Down, kNone, d, true, Sizes(79, 180, 60, 90, 180)},
      {"track Left Ctrl", ToolMode::Track, TKey::Left, kCtrl, d, true, Sizes(70, 180, 60, 90, 180)},
      {"track 0 Down", ToolMode::Track, TKey::Down, kNone, Sizes(0, 180, 60, 90, 180), false, {}},
      {"track 5 Ctrl Down", ToolMode::Track, TKey::Down, kCtrl, Sizes(5, 180, 60, 90, 180), false, {}},
      {"track 9998 Up", ToolMode::Track, TKey::Up, kNone, Sizes(9998, 180, 60, 90, 180), false, {}},
      {"track 9997 Up", ToolMode::Track, TKey::Up, kNone, Sizes(9997, 180, 60, 90, 180), true,
       Sizes(9998, 180, 60, 90, 180)},
      {"pad Right: drill", ToolMode::Pad, TKey::Right, kNone, d, true, Sizes(80, 180, 61, 90, 180)},
      {"pad Left: drill", ToolMode::Pad, TKey::Left, kCtrl, d, true, Sizes(80, 180, 50, 90, 180)},
      {"pad Up: outer", ToolMode::Pad, TKey::Up, kNone, d, true, Sizes(80, 181, 60, 90, 180)},
      {"pad Down: outer", ToolMode::Pad, TKey::Down, kCtrl, d, true, Sizes(80, 170, 60, 90, 180)},
      {"pad drill at outer", ToolMode::Pad, TKey::Right, kNone, Sizes(80, 100, 100, 90, 180), false, {}},
      {"pad outer at drill", ToolMode::Pad, TKey::Down, kNone, Sizes(80, 100, 100, 90, 180), false, {}},
      {"pad drill 5 below outer, Ctrl", ToolMode::Pad, TKey::Right, kCtrl, Sizes(80, 100, 95, 90, 180), false, {}},
      {"pad drill 0", ToolMode::Pad, TKey::Left, kNone, Sizes(80, 100, 0, 90, 180), false, {}},
      {"pad outer 9998", ToolMode::Pad, TKey::Up, kNone, Sizes(80, 9998, 60, 90, 180), false, {}},
      {"pad outer 9997", ToolMode::Pad, TKey::Up, kNone, Sizes(80, 9997, 60, 90, 180), true,
       Sizes(80, 9998, 60, 90, 180)},
      {"SMD Right: width", ToolMode::SmdPad, TKey::Right, kNone, d, true, Sizes(80, 180, 60, 91, 180)},
      {"SMD Left: width", ToolMode::SmdPad, TKey::Left, kCtrl, d, true, Sizes(80, 180, 60, 80, 180)},
      {"SMD Up: height", ToolMode::SmdPad, TKey::Up, kNone, d, true, Sizes(80, 180, 60, 90, 181)},
      {"SMD Down: height", ToolMode::SmdPad, TKey::Down, kNone, d, true, Sizes(80, 180, 60, 90, 179)},
      {"SMD width 0", ToolMode::SmdPad, TKey::Left, kNone, Sizes(80, 180, 60, 0, 180), false, {}},
      {"SMD height 9990 Ctrl Up", ToolMode::SmdPad, TKey::Up, kCtrl, Sizes(80, 180, 60, 90, 9990), false, {}},
  };
  for (const SizeCase& c : cases) {
    TKeyContext ctx = InMode(c.mode, c.mode == ToolMode::Track);
    ctx.Sizes = c.before;
    ctx.AnySelected = true;  // sizes win over moving in these modes
    const TKeyAction a = Press(c.key, ctx, c.mods);
    if (c.taken) {
      EXPECT_EQ(a.Kind, TKeyActionKind::ChangeSizes) << c.what;
      EXPECT_EQ(a.Sizes, c.after) << c.what;
    } else {
      EXPECT_EQ(a.Kind, TKeyActionKind::Ignored) << c.what;
    }
  }
}

TEST(Keyboard, PadArrowKeysNeverMakeTheDrillLargerThanTheOuterDiameter) {
  std::mt19937 random(12345);
  const TKey arrows[] = {TKey::Left, TKey::Right, TKey::Up, TKey::Down};
  // Biased towards larger drills and smaller pads, so the limits are met often.
  std::discrete_distribution<int> pick({3, 5, 3, 5});
  TKeyContext c = InMode(ToolMode::Pad);
  c.Sizes.PadOuter = 40;
  c.Sizes.PadDrill = 20;
  int refused = 0;
  for (int i = 0; i < 5000; ++i) {
    const TModifiers m = random() % 3 == 0 ? kCtrl : kNone;
    const TKeyAction a = Press(arrows[pick(random)], c, m);
    if (a.Kind == TKeyActionKind::Ignored) {
      ++refused;
      continue;
    }
    ASSERT_EQ(a.Kind, TKeyActionKind::ChangeSizes);
    c.Sizes = a.Sizes;
    ASSERT_GE(c.Sizes.PadDrill, 0);
    ASSERT_LE(c.Sizes.PadDrill, c.Sizes.PadOuter);
    ASSERT_LT(c.Sizes.PadOuter, 9999);
  }
  EXPECT_GT(refused, 0) << "the walk should have met the limits";
}

TEST(Keyboard, ArrowKeysMoveTheSelectionElsewhere) {
  struct Case {
    TKey key;
    TModifiers mods;
    double dx, dy;
  };
  const Case cases[] = {
      {TKey::Up, kNone, 0, 127},  // up is towards larger y, up on the screen
      {TKey::Down, kNone, 0, -127},
      {TKey::Left, kNone, -127, 0},
      {TKey::Right, kNone, 127, 0},
      {TKey::Up, kCtrl, 0, 1},  // one world unit with Ctrl
      {TKey::Left, kCtrl, -1, 0},
  };
  // The Zone mode and the Track mode outside drawing move as well.
  for (TKeyContext c : {InMode(ToolMode::Edit), InMode(ToolMode::Zone, true), InMode(ToolMode::Track, false)}) {
    c.Grid = 127;
    c.AnySelected = true;
    for (const Case& k : cases) {
      const TKeyAction a = Press(k.key, c, k.mods);
      EXPECT_EQ(a.Kind, TKeyActionKind::MoveSelection);
      EXPECT_DOUBLE_EQ(a.Dx, k.dx);
      EXPECT_DOUBLE_EQ(a.Dy, k.dy);
      EXPECT_EQ(a.Sizes, c.Sizes);
    }
  }
  // Nothing selected: nothing to move and no undo step.
  EXPECT_EQ(Press(TKey::Up, InMode(ToolMode::Edit)).Kind, TKeyActionKind::Ignored);
}

TEST(Keyboard, DeleteRemovesSelectionAndLastCorner) {
  struct Case {
    const char* what;
    ToolMode mode;
    bool drawing;
    int corners;
    bool selected;
    TKeyActionKind kind;
    bool deleteSelection, removeCorner;
  };
  const Case cases[] = {
      {"selection in Edit", ToolMode::Edit, false, 0, true, TKeyActionKind::Delete, true, false},
      {"nothing selected", ToolMode::Edit, false, 0, false, TKeyActionKind::Ignored, false, false},
      {"track with 2 corners", ToolMode::Track, true, 2, false, TKeyActionKind::Delete, false, true},
      {"track with 1 corner", ToolMode::Track, true, 1, false, TKeyActionKind::Ignored, false, false},
      {"zone with 3 corners and a selection", ToolMode::Zone, true, 3, true, TKeyActionKind::Delete, true, true},
      {"pad mode never removes corners", ToolMode::Pad, true, 3, true, TKeyActionKind::Delete, true, false},
      {"connections mode", ToolMode::Connections, false, 0, true, TKeyActionKind::Ignored, false, false},
  };
  for (const Case& c : cases) {
    TKeyContext ctx = InMode(c.mode, c.drawing);
    ctx.DrawnCorners = c.corners;
    ctx.AnySelected = c.selected;
    const TKeyAction a = Press(TKey::Delete, ctx);
    EXPECT_EQ(a.Kind, c.kind) << c.what;
    EXPECT_EQ(a.DeleteSelection, c.deleteSelection) << c.what;
    EXPECT_EQ(a.RemoveLastCorner, c.removeCorner) << c.what;
  }
}

TEST(Keyboard, LayerKeysOriginAndThroughPad) {
  struct Case {
    TKey key;
    TKeyActionKind kind;
    int layer;
  };
  const Case cases[] = {
      {TKey::F1, TKeyActionKind::SetActiveLayer, lyC1},     {TKey::F2, TKeyActionKind::SetActiveLayer, lyS1},
      {TKey::F3, TKeyActionKind::SetActiveLayer, lyC2},     {TKey::F4, TKeyActionKind::SetActiveLayer, lyS2},
      {TKey::F5, TKeyActionKind::ToggleLayerVisible, lyC1}, {TKey::F6, TKeyActionKind::ToggleLayerVisible, lyS1},
      {TKey::F7, TKeyActionKind::ToggleLayerVisible, lyC2}, {TKey::F8, TKeyActionKind::ToggleLayerVisible, lyS2},
      {TKey::Digit0, TKeyActionKind::SetOriginAtMouse, 0},  {TKey::F12, TKeyActionKind::ThroughPad, 0},
      {TKey::F9, TKeyActionKind::NotHandled, 0},            {TKey::Other, TKeyActionKind::NotHandled, 0},
  };
  const TKeyContext c = InMode(ToolMode::Track, true);
  for (const Case& k : cases) {
    const TKeyAction a = Press(k.key, c);
    EXPECT_EQ(a.Kind, k.kind) << static_cast<int>(k.key);
    EXPECT_EQ(a.Layer, k.layer) << static_cast<int>(k.key);
  }
  TKeyContext disabled = c;
  disabled.ThroughPadEnabled = false;
  EXPECT_EQ(Press(TKey::F12, disabled).Kind, TKeyActionKind::Ignored);
}

}  // namespace
}  // namespace corvane
