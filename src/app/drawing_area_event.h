#pragma once
// TViewMouseEvent: raw mouse input of the drawing area translated once into
// toolkit-neutral terms, for the tool modes. Tools never see a QMouseEvent.
#include <cstdint>

#include "core/float_point.h"
#include "geom/int_point.h"

namespace corvane {

enum class TViewMouseAction : uint8_t {
  Press,
  Move,     // pointer moved, buttons as held
  Release,  // Click tells whether the press-release pair was a click or a drag
  DoubleClick,
};

// Mouse buttons as bit flags.
enum TViewButton : uint8_t {
  vbNone = 0,
  vbLeft = 1,
  vbRight = 2,
  vbMiddle = 4,
};

struct TViewMouseEvent {
  TViewMouseAction Action = TViewMouseAction::Move;
  uint8_t Button = vbNone;   // the button that changed (press, release, double click)
  uint8_t Buttons = vbNone;  // buttons held after the event
  TIntPoint Surface{};       // drawing-surface pixel
  TFloatPoint World{};       // world point under the pointer
  TFloatPoint Snapped{};     // the same snapped to the grid
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  // Release: the pointer stayed within the drag threshold since the press.
  bool Click = false;
};

// A press becomes a drag once the pointer has moved this far (pixels, either axis).
inline constexpr int32_t kDragThreshold = 3;

}  // namespace corvane
