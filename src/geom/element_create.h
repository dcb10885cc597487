#pragma once
// Creation of new elements with their defaults. Each returns the new element;
// the clearance (Freistanz) is set by the calling command from the current
// clearance setting.

#include <cstdint>
#include <string>

#include "core/float_point.h"
#include "core/objekt.h"
#include "geom/text_strokes.h"

namespace corvane {

TObjekt CreateTrack(int32_t width, uint8_t layer);
TObjekt CreateZone(int32_t outlineWidth, uint8_t layer);
// Unrotated outline points for the shape.
TObjekt CreatePad(TFloatPoint centre, uint8_t layer, uint8_t shape, double drillRadius, double outerRadius);
TObjekt CreateSmdPad(TFloatPoint centre, double width, double height, uint8_t layer);
// A full circle; Form keeps a copy of the current pad shape.
TObjekt CreateCircle(TFloatPoint centre, double outerRadius, double innerRadius, uint8_t layer,
                     uint8_t currentPadShape);

struct TTextParams {
  std::string content;
  double height = 0;     // character height, world units
  int thickness = 1;     // 0 thin, 1 normal, 2 thick
  int32_t style = 1;     // 0 narrow, 1 normal, 2 wide
  bool mirrorH = false;
  bool mirrorV = false;
  int32_t angle = 0;     // degrees 0..359, clockwise as displayed
};

// A vector text without strokes: the caller generates them afterwards.
TObjekt CreateText(TFloatPoint anchor, const TTextParams& params, uint8_t layer);
// A vector text with its strokes generated on the editor's active layer and
// with its current clearance.
TObjekt CreateText(TFloatPoint anchor, const TTextParams& params, uint8_t layer, const TTextEditorState& editor);

}  // namespace corvane
