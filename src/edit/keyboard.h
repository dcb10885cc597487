#pragma once
// The keyboard handler of the drawing area, without a window: a key with its
// modifiers and the tool state in, one action value out. The window calls it
// only while the drawing area has the keyboard focus and carries out the
// action (undo snapshot and repaint for moves, mode switch as by the tool
// button, ...).

#include <cstdint>

#include "edit/hotkeys.h"
#include "edit/tool_mode.h"

namespace corvane {

// The keys the handler knows; the window maps its toolkit's key codes to
// these and everything else to Other. Letters are contiguous from A to Z.
enum class TKey : uint8_t {
  Other = 0,
  Space,
  Left,
  Right,
  Up,
  Down,
  Delete,
  Escape,
  Digit0,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
};

// TKey::A..Z for a letter of either case, else TKey::Other.
constexpr TKey LetterKey(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c < 'A' || c > 'Z') return TKey::Other;
  return static_cast<TKey>(static_cast<int>(TKey::A) + (c - 'A'));
}
// 'A'..'Z' for a letter key, else 0.
constexpr char KeyLetter(TKey key) {
  const int i = static_cast<int>(key) - static_cast<int>(TKey::A);
  return i >= 0 && i < 26 ? static_cast<char>('A' + i) : 0;
}

struct TModifiers {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

// The current tool sizes the arrow keys change, world units. Pads are given
// by their diameters, as the size fields show them.
struct TToolSizes {
  int32_t TrackWidth = 80;
  int32_t PadOuter = 180;
  int32_t PadDrill = 60;
  int32_t SmdWidth = 90;
  int32_t SmdHeight = 180;
  friend bool operator==(const TToolSizes&, const TToolSizes&) = default;
};

// Limits of the arrow-key size changes; a change that would leave them is refused.
inline constexpr int32_t kMaxTrackWidth = 9998;  // 0..9998
inline constexpr int32_t kMaxPadOuter = 9998;    // below 9999 and not below the drill
inline constexpr int32_t kMaxSmdSide = 9998;     // width and height 0..9998
inline constexpr int32_t kCtrlSizeStep = 10;     // step with Ctrl; 1 without
inline constexpr int kBendModeCount = 5;         // BendMode 0..4

// The tool state the handler reads.
struct TKeyContext {
  ToolMode Mode = ToolMode::Edit;
  bool Drawing = false;   // a track or zone is being drawn (Track and Zone modes)
  int DrawnCorners = 0;   // corners of the track or zone being drawn
  int BendMode = 0;       // 0..4
  TToolSizes Sizes;
  double Grid = 127.0;    // grid step, world units
  bool AnySelected = false;
  bool ThroughPadEnabled = true;  // TCommandStates::ThroughPad
};

enum class TKeyActionKind : uint8_t {
  NotHandled,          // left to others: menu shortcuts with Ctrl, Space for zooming, other keys
  Ignored,             // taken, nothing to do (a refused size change, nothing selected to move, ...)
  SwitchMode,          // Mode, as by the row's tool button; remove transient feedback, release the pointer
  NextBendMode,        // BendMode holds the new value; redraw the rubber band
  ChangeSizes,         // Sizes holds the new current sizes
  MoveSelection,       // undo snapshot, then move the selection by (Dx, Dy) world units
  Delete,              // DeleteSelection and/or RemoveLastCorner
  SetOriginAtMouse,    // coordinate origin at the mouse position
  SetActiveLayer,      // Layer
  ToggleLayerVisible,  // Layer, as its layer button
  ThroughPad,          // the command "Through pad"
};

struct TKeyAction {
  TKeyActionKind Kind = TKeyActionKind::NotHandled;
  ToolMode Mode = ToolMode::Edit;  // SwitchMode
  bool ShowPhotoView = false;      // SwitchMode of the "Photoview" row: Zoom mode plus the photo view
  int BendMode = 0;                // NextBendMode
  TToolSizes Sizes;                // ChangeSizes
  double Dx = 0;                   // MoveSelection; y grows upwards, so Up gives Dy > 0
  double Dy = 0;
  bool DeleteSelection = false;    // Delete: delete the selected elements
  bool RemoveLastCorner = false;   // Delete: remove the last corner of the track or zone being drawn
  int Layer = 0;                   // SetActiveLayer, ToggleLayerVisible: C1, S1, C2 or S2
};

// Nothing is handled while Alt is held. With Ctrl, Escape and the letters
// are left to the menu shortcuts, arrow keys step by 10 world units (sizes)
// or one world unit (moves). Size changes: in the Track mode only while
// drawing, in the Pad and SMD-Pad modes always; elsewhere the arrow keys move
// the selection by one grid step. Delete deletes the selection (not in the
// Connections mode) and, while a track or zone with at least 2 corners is
// drawn, removes its last corner.
TKeyAction DrawingAreaKeyAction(TKey key, TModifiers modifiers, const TKeyContext& context,
                                const THotkeys& hotkeys);

}  // namespace corvane
