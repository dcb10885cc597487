#include "edit/keyboard.h"

#include "core/layers.h"

namespace corvane {

namespace {

TKeyAction Make(TKeyActionKind kind) {
  TKeyAction a;
  a.Kind = kind;
  return a;
}

TKeyAction SwitchTo(ToolMode mode, bool photoView = false) {
  TKeyAction a = Make(TKeyActionKind::SwitchMode);
  a.Mode = mode;
  a.ShowPhotoView = photoView;
  return a;
}

TKeyAction LayerAction(TKeyActionKind kind, int layer) {
  TKeyAction a = Make(kind);
  a.Layer = layer;
  return a;
}

// x and y steps of an arrow key: Right and Up count positive.
struct Arrow {
  int dx = 0;
  int dy = 0;
};

Arrow ArrowOf(TKey key) {
  switch (key) {
    case TKey::Left: return {-1, 0};
    case TKey::Right: return {1, 0};
    case TKey::Up: return {0, 1};
    case TKey::Down: return {0, -1};
    default: return {};
  }
}

// The sizes after an arrow key in a size-changing mode, or false when the
// change would leave the limits (the key is then ignored).
bool ChangedSizes(ToolMode mode, Arrow arrow, int32_t step, TToolSizes& sizes) {
  const auto within = [](int64_t v, int64_t lo, int64_t hi) { return v >= lo && v <= hi; };
  const int64_t along = static_cast<int64_t>(arrow.dx + arrow.dy) * step;  // one of dx, dy is 0
  switch (mode) {
    case ToolMode::Track: {
      const int64_t w = sizes.TrackWidth + along;
      if (!within(w, 0, kMaxTrackWidth)) return false;
      sizes.TrackWidth = static_cast<int32_t>(w);
      return true;
    }
    case ToolMode::Pad: {
      const int64_t drill = sizes.PadDrill + static_cast<int64_t>(arrow.dx) * step;
      const int64_t outer = sizes.PadOuter + static_cast<int64_t>(arrow.dy) * step;
      if (drill < 0 || drill > outer || outer > kMaxPadOuter) return false;
      sizes.PadDrill = static_cast<int32_t>(drill);
      sizes.PadOuter = static_cast<int32_t>(outer);
      return true;
    }
    case ToolMode::SmdPad: {
      const int64_t w = sizes.SmdWidth + static_cast<int64_t>(arrow.dx) * step;
      const int64_t h = sizes.SmdHeight + static_cast<int64_t>(arrow.dy) * step;
      if (!within(w, 0, kMaxSmdSide) || !within(h, 0, kMaxSmdSide)) return false;
      sizes.SmdWidth = static_cast<int32_t>(w);
      sizes.SmdHeight = static_cast<int32_t>(h);
      return true;
    }
    default: return false;
  }
}

bool ChangesSizes(const TKeyContext& c) {
  return (c.Mode == ToolMode::Track && c.Drawing) || c.Mode == ToolMode::Pad || c.Mode == ToolMode::SmdPad;
}

TKeyAction ArrowAction(Arrow arrow, bool ctrl, const TKeyContext& c) {
  if (ChangesSizes(c)) {
    TKeyAction a = Make(TKeyActionKind::ChangeSizes);
    a.Sizes = c.Sizes;
    if (!ChangedSizes(c.Mode, arrow, ctrl ? kCtrlSizeStep : 1, a.Sizes)) return Make(TKeyActionKind::Ignored);
    return a;
  }
  // Without a selection there is nothing to move and no undo step to take.
  if (!c.AnySelected) return Make(TKeyActionKind::Ignored);
  const double step = ctrl ? 1.0 : c.Grid;
  TKeyAction a = Make(TKeyActionKind::MoveSelection);
  a.Dx = arrow.dx * step;
  a.Dy = arrow.dy * step;
  return a;
}

TKeyAction DeleteAction(const TKeyContext& c) {
  TKeyAction a = Make(TKeyActionKind::Delete);
  // Deleting is not available in the Connections mode; with nothing selected
  // it would only take an empty undo step.
  a.DeleteSelection = c.AnySelected && c.Mode != ToolMode::Connections;
  a.RemoveLastCorner = DrawsCorners(c.Mode) && c.Drawing && c.DrawnCorners >= 2;
  if (!a.DeleteSelection && !a.RemoveLastCorner) return Make(TKeyActionKind::Ignored);
  return a;
}

}  // namespace

TKeyAction DrawingAreaKeyAction(TKey key, TModifiers modifiers, const TKeyContext& context,
                                const THotkeys& hotkeys) {
  if (modifiers.Alt) return {};
  const TKeyContext& c = context;
  switch (key) {
    case TKey::Space: {
      if (!DrawsCorners(c.Mode) || !c.Drawing) return {};
      TKeyAction a = Make(TKeyActionKind::NextBendMode);
      const int current = c.BendMode >= 0 && c.BendMode < kBendModeCount ? c.BendMode : 0;
      a.BendMode = (current + 1) % kBendModeCount;
      return a;
    }
    case TKey::Left:
    case TKey::Right:
    case TKey::Up:
    case TKey::Down: return ArrowAction(ArrowOf(key), modifiers.Ctrl, c);
    case TKey::Delete: return DeleteAction(c);
    case TKey::Digit0: return Make(TKeyActionKind::SetOriginAtMouse);
    case TKey::F1: return LayerAction(TKeyActionKind::SetActiveLayer, lyC1);
    case TKey::F2: return LayerAction(TKeyActionKind::SetActiveLayer, lyS1);
    case TKey::F3: return LayerAction(TKeyActionKind::SetActiveLayer, lyC2);
    case TKey::F4: return LayerAction(TKeyActionKind::SetActiveLayer, lyS2);
    case TKey::F5: return LayerAction(TKeyActionKind::ToggleLayerVisible, lyC1);
    case TKey::F6: return LayerAction(TKeyActionKind::ToggleLayerVisible, lyS1);
    case TKey::F7: return LayerAction(TKeyActionKind::ToggleLayerVisible, lyC2);
    case TKey::F8: return LayerAction(TKeyActionKind::ToggleLayerVisible, lyS2);
    case TKey::F12:
      return Make(c.ThroughPadEnabled ? TKeyActionKind::ThroughPad : TKeyActionKind::Ignored);
    case TKey::Escape: return modifiers.Ctrl ? TKeyAction{} : SwitchTo(ToolMode::Edit);
    default: break;
  }
  const char letter = KeyLetter(key);
  if (letter == 0 || modifiers.Ctrl) return {};
  const int row = hotkeys.RowOfLetter(letter);
  if (row < 0) return {};
  const THotkeyRowInfo& info = kHotkeyRows[static_cast<std::size_t>(row)];
  return SwitchTo(info.Mode, info.ShowsPhotoView);
}

}  // namespace corvane
