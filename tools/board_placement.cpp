#include "board_placement.h"

#include <cmath>

#include "core/element_ops.h"
#include "footprint_shapes.h"
#include "geom/transforms.h"

namespace corvane::examples {

namespace {

constexpr double kGrid = 127.0;
constexpr double kNameHeight = Mm(1.2);

// Quarter turns are exact in principle; the trigonometry leaves float noise
// in the last bits, which is taken out so that pads stay on their grid.
float Clean(float v) { return static_cast<float>(std::round(static_cast<double>(v) * 64.0) / 64.0); }

void CleanCoordinates(TObjekt& e) {
  e.X = Clean(e.X);
  e.Y = Clean(e.Y);
  for (TFloatPoint& p : e.Punkte) p = {Clean(p.x), Clean(p.y)};
  for (TObjekt& s : e.Striche) CleanCoordinates(s);
}

}  // namespace

TFloatPoint Grid(double gx, double gy) {
  return {static_cast<float>(gx * kGrid), static_cast<float>(-gy * kGrid)};
}

TObjekt& TPlacedPart::Pin(ElementList& board, int pin) const {
  return *board.Find(Pins.at(static_cast<std::size_t>(pin - 1)));
}

TPlacedPart PlacePart(ElementList& board, TFootprint footprint, TFloatPoint at, int quarterTurns,
                      const std::string& name, TFloatPoint nameAt) {
  const int32_t group = NewGroupId(board);
  TPlacedPart part;
  ElementList& parts = footprint.Elemente;
  while (!parts.empty()) {
    std::unique_ptr<TObjekt> e = parts.Take(0);
    if (quarterTurns % 4 != 0) {
      RotateElement(*e, {0, 0}, 90.0 * quarterTurns);
      CleanCoordinates(*e);
    }
    MoveElement(*e, at.x, at.y);
    AddGroupId(*e, group);
    if (IsAnyPad(*e)) part.Pins.push_back(e->Id());
    board.Add(std::move(e));
  }
  AddGroupId(AddText(board, name, nameAt, kNameHeight, lyS1), group);
  return part;
}

void Connect(TObjekt& a, TObjekt& b) {
  a.Luftlinien.push_back(b.Id());
  b.Luftlinien.push_back(a.Id());
}

}  // namespace corvane::examples
