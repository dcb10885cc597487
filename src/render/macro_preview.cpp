#include "render/macro_preview.h"

#include "core/element_ops.h"
#include "render/draw_drill_holes.h"
#include "render/draw_element.h"

namespace corvane {

TLayerOrder MacroLayerOrder(bool swapSides) {
  if (swapSides) return {lyI1, lyI2, lyC1, lyC2, lyS1, lyS2, lyO};
  return {lyI1, lyI2, lyC2, lyC1, lyS2, lyS1, lyO};
}

void DrawMacroList(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx, double zoom, bool swapSides) {
  TRenderContext macro = ctx;
  macro.PhotoView = false;
  macro.Zoom = zoom;
  macro.Visible.fill(1);
  for (uint8_t layer : MacroLayerOrder(swapSides)) {
    for (const TObjekt& e : list)
      if (!IsPad(e) && e.Layer == layer) DrawElement(e, canvas, macro);
    for (const TObjekt& e : list)
      if (IsPad(e) && OnLayer(e, layer)) DrawElement(e, canvas, macro);
  }
  const TRgb brush = macro.Colours.Background;
  for (const TObjekt& e : list)
    if (IsPad(e) && e.Mass2 > 0) DrawDrillHole(e, canvas, macro, brush);
}

}  // namespace corvane
