#include "render/element_colour.h"

#include "core/element_ops.h"

namespace corvane {

namespace {

bool OnSide(int layer) { return layer == lyC1 || layer == lyS1; }

}  // namespace

TElementLook LookOf(const TObjekt& e) { return {e.Markiert != 0, e.Hervorgehoben != 0, std::nullopt, std::nullopt}; }

TElementLook LookInColour(TRgb colour) { return {false, true, colour, std::nullopt}; }

TRgb ElementColour(const TObjekt& e, const TRenderContext& ctx, bool selected) {
  if (ctx.MonoMap) return kWhite;
  if (selected) {
    const bool otherSide = (OnSide(ctx.ActiveLayer) && e.Layer > lyS1) || (ctx.ActiveLayer > lyS1 && OnSide(e.Layer));
    return otherSide ? kOtherSideMagenta : kSelectionMagenta;
  }
  if (ctx.MaskToolActive && HasSolderOpening(e)) return kWhite;
  return ctx.LayerColour(e.Layer);
}

void ApplyDrawColour(TCanvas& canvas, const TRenderContext& ctx, TRgb c) {
  TPenMode mode = TPenMode::Copy;
  if (ctx.DragPreview) {
    mode = TPenMode::NotXor;
    c = ctx.DragColour;
  } else if (ctx.Transparent && !ctx.PhotoView && !ctx.MonoMap) {
    const TRgb bg = ctx.Colours.Background;
    if (bg.Sum() <= 384) {
      mode = TPenMode::Merge;
    } else {
      mode = TPenMode::MaskNotPen;
      c = c ^ bg;
    }
  }
  canvas.SetPenMode(mode);
  canvas.SetPenColour(c);
  canvas.SetBrushColour(c);
  canvas.SetBrushStyle(TBrushStyle::Solid);
}

void SetElementColour(TCanvas& canvas, const TRenderContext& ctx, const TObjekt& e, const TElementLook& look) {
  ApplyDrawColour(canvas, ctx, look.Colour ? *look.Colour : ElementColour(e, ctx, look.Selected));
  if (look.Mode) canvas.SetPenMode(*look.Mode);
}

}  // namespace corvane
