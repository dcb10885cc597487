#include "render/photo_view.h"

#include <vector>

#include "core/element_ops.h"
#include "render/draw_clearances.h"
#include "render/draw_element.h"
#include "render/draw_element_list.h"
#include "render/draw_shapes.h"
#include "render/element_prefetch.h"
#include "render/paint_board.h"

namespace corvane {

int ViewedCopperLayer(int side) { return side == 2 ? lyC2 : lyC1; }
int ViewedSilkscreenLayer(int side) { return side == 2 ? lyS2 : lyS1; }
int FarCopperLayer(int side) { return side == 2 ? lyC1 : lyC2; }
int FarSilkscreenLayer(int side) { return side == 2 ? lyS1 : lyS2; }

namespace {

TElementLook PhotoLook(TRgb colour, TPenMode mode = TPenMode::Copy) {
  TElementLook look;
  look.Colour = colour;
  look.Mode = mode;
  return look;
}

bool IsCopper(int layer) { return layer == lyC1 || layer == lyC2 || layer == lyI1 || layer == lyI2; }

}  // namespace

void DrawPhotoBoard(TCanvas& canvas, const ElementList& elements, int32_t boardWidth, int32_t boardHeight,
                    const TRenderContext& ctx, const TPhotoOptions& options, TElementIndex* index) {
  const int copper = ViewedCopperLayer(options.Side), far = FarCopperLayer(options.Side);
  const int silk = ViewedSilkscreenLayer(options.Side), farSilk = FarSilkscreenLayer(options.Side);

  // The photo pass: fixed colours, no selection tints or transparent mode,
  // the board colour for cut-outs and the fill colour for spokes.
  TRenderContext photo = ctx;
  photo.PhotoView = true;
  photo.PhotoMirrored = options.Side == 2;
  photo.Transparent = false;
  photo.MaskToolActive = false;
  photo.TestToolActive = false;
  photo.DragPreview = false;
  photo.PhotoBoardColour = kPhotoBoard;
  const TRgb fill = ctx.GroundPlaneOn(copper) ? kPhotoCopper : kPhotoBoard;
  photo.Colours.GroundPlane = fill;

  // 1. Board material, or the plane of the viewed side.
  const int32_t p = BackgroundMargin(ctx);
  canvas.FillRect({0, 0, boardWidth + p, -boardHeight - p}, fill);
  canvas.SetBackdrop(fill);

  std::vector<const TObjekt*> found;
  const std::vector<const TObjekt*>* meeting = &found;
  if (index != nullptr) {
    meeting = &index->Query(elements, canvas.ClipWorld());
  } else {
    TRenderContext all = photo;
    all.Visible.fill(1);
    found = ElementsMeeting(elements, canvas.ClipWorld(), all.LayerState());
  }

  // 2. The plane's cut-outs in the board colour, whether the plane is on or
  // not (without it they vanish in the board colour), then the spokes.
  std::vector<const TObjekt*> viewed;
  for (const TObjekt* e : *meeting)
    if (OnLayer(*e, copper)) viewed.push_back(e);
  ForEachPrefetched(viewed, [&](const TObjekt& e) { DrawClearance(e, canvas, photo, false); });
  for (const TObjekt* e : viewed)
    if (IsAnyPad(*e) && e->Schalter1) DrawSpokes(*e, canvas, photo);

  // 3./4. X-Ray: the far side darkens what lies below.
  if (options.XRay) {
    const TElementLook shine = PhotoLook(kPhotoShineThrough, TPenMode::MaskNotPen);
    for (const TObjekt* e : *meeting) {
      if (e->Sperrflaeche) continue;
      if (OnLayer(*e, far) || OnLayer(*e, lyI1) || OnLayer(*e, lyI2) || (options.Silkscreen && OnLayer(*e, farSilk)))
        DrawElementWithLook(*e, canvas, photo, shine);
    }
  }

  // 5. Copper under the mask, then the openings tinned on top.
  for (const TObjekt* e : viewed)
    if (!e->Sperrflaeche && !e->Loetstopp) DrawElementWithLook(*e, canvas, photo, PhotoLook(kPhotoCopper));
  for (const TObjekt* e : viewed)
    if (!e->Sperrflaeche && e->Loetstopp) DrawElementWithLook(*e, canvas, photo, PhotoLook(kPhotoTinned));

  // 6. Silkscreen; 7. outline.
  if (options.Silkscreen)
    for (const TObjekt* e : *meeting)
      if (OnLayer(*e, silk)) DrawElementWithLook(*e, canvas, photo, PhotoLook(kPhotoSilkscreen));
  for (const TObjekt* e : *meeting)
    if (OnLayer(*e, lyO)) DrawElementWithLook(*e, canvas, photo, PhotoLook(kBlack));

  // 8. Drilled holes: white with a black one-pixel outline.
  canvas.SetPenMode(TPenMode::Copy);
  SetHairPen(canvas, kBlack);
  canvas.SetBrushColour(kWhite);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  for (const TObjekt* e : *meeting) {
    if (e->Typ != otLoetauge || !IsCopper(e->Layer) || !(e->Mass2 > 0)) continue;
    canvas.Ellipse(CircleBox(e->X, e->Y, e->Mass2));
  }
  // 9. The colour scheme is the caller's: nothing was changed in it.
}

}  // namespace corvane
