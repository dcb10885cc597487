#pragma once
// Drawing of one element of any kind.

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/element_colour.h"
#include "render/render_context.h"

namespace corvane {

// Sets the element colour and draws e by kind; the pen mode is restored after.
void DrawElement(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx);

// As DrawElement, in one colour, unselected and highlighted (printing).
void DrawElementInColour(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx, TRgb colour);

// As DrawElement with an explicit look.
void DrawElementWithLook(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look);

}  // namespace corvane
