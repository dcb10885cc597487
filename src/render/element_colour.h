#pragma once
// The colour an element is drawn in: layer colours, selection tints, the
// solder-mask view and the raster modes of transparent mode and drag previews.

#include <optional>

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/render_context.h"

namespace corvane {

// How an element is drawn in this pass beyond its own fields.
struct TElementLook {
  bool Selected = false;
  // Drawn in one given colour (printing): no via colour, no inner lines.
  bool Highlighted = false;
  std::optional<TRgb> Colour;
  // A raster mode that replaces the one the colour rules choose (the photo
  // view's shine-through).
  std::optional<TPenMode> Mode;
};

// Selected and highlighted as the element's fields say.
TElementLook LookOf(const TObjekt& e);
// Unselected, highlighted, in one colour (DrawElementInColour).
TElementLook LookInColour(TRgb colour);

// The element's colour before raster modes: white in MonoMap; selection
// magenta when selected (the darker magenta when element and active layer lie
// on different sides: one of them on layer 1 or 2, the other above 2); else
// the layer colour; with the solder-mask tool, white for unselected elements
// with a solder-mask opening.
TRgb ElementColour(const TObjekt& e, const TRenderContext& ctx, bool selected);

// Pen and brush take colour c, brush solid, pen mode copy; transparent mode
// (not in drag previews, the photo view or MonoMap) merges on dark
// backgrounds (R + G + B <= 384) and masks with c XOR background on light
// ones. A drag preview draws not-xor in the drag colour.
void ApplyDrawColour(TCanvas& canvas, const TRenderContext& ctx, TRgb c);

// SetElementColour: ApplyDrawColour with the look's colour or ElementColour.
void SetElementColour(TCanvas& canvas, const TRenderContext& ctx, const TObjekt& e, const TElementLook& look);

}  // namespace corvane
