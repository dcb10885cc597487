#pragma once
// Putting footprints onto a board the way a user drops macros: moved to a
// position, optionally turned by quarter turns, grouped with their name text.

#include <string>
#include <vector>

#include "core/element_list.h"
#include "core/float_point.h"
#include "footprints.h"

namespace corvane::examples {

// A point on the 1.27 mm grid, given in grid steps in user coordinates
// (x to the right, y downwards from the board's top-left corner).
TFloatPoint Grid(double gx, double gy);

// The references of a placed component's pads, in pin order (index 0 is pin 1).
struct TPlacedPart {
  std::vector<ObjRef> Pins;
  TObjekt& Pin(ElementList& board, int pin) const;  // 1-based pin number
};

// Moves the footprint so that pin 1 lies at `at`, after turning it clockwise
// as displayed by quarterTurns x 90 degrees about pin 1, and adds it to the
// board together with the silk-screen name text (baseline start at nameAt,
// height 1.2 mm), all in one new group.
TPlacedPart PlacePart(ElementList& board, TFootprint footprint, TFloatPoint at, int quarterTurns,
                      const std::string& name, TFloatPoint nameAt);

// Makes a and b a rubber-band connection (each lists the other).
void Connect(TObjekt& a, TObjekt& b);

}  // namespace corvane::examples
