#pragma once
// The pictures of the layer visibility buttons, and what a visibility change
// does to the selection.

#include <QImage>

#include "core/element_list.h"
#include "render/render_context.h"

namespace corvane {

inline constexpr int kLayerButtonSize = 16;

// 16 x 16 pixels: the background colour, the layer's short name in bold in
// the layer colour, centred ("K1", "B1", ... for German, LanguageIndex 0;
// "C1", "S1", ... otherwise), and for a hidden layer a white diagonal line
// from (1, 14) to (15, 0).
QImage LayerButtonPicture(int layer, bool visible, const TRenderColours& colours, int language);

// After a layer's visibility changed: its elements are deselected. Returns
// whether any element was selected.
bool SetViewLayer(ElementList& list, int layer);

}  // namespace corvane
