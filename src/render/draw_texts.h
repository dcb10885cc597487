#pragma once
// Drawing of vector texts (through their strokes) and of the font texts of
// older files. The colour is set by the caller.

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/element_colour.h"
#include "render/render_context.h"

namespace corvane {

// Every stroke as a track with the text's keep-out, selection and highlight
// state; the strokes keep their own autorouted flag.
void DrawText(const TObjekt& text, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look);

// The font of a font text: Arial, bold, height Wert1, turned by Wert2 degrees.
TCanvasFont FontTextFont(const TObjekt& fontText);

// A font text at its position in the pen colour, transparent background.
void DrawFontText(const TObjekt& fontText, TCanvas& canvas);

}  // namespace corvane
