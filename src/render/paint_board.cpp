#include "render/paint_board.h"

#include <algorithm>

#include "core/element_ops.h"
#include "core/units.h"
#include "render/draw_clearances.h"
#include "render/draw_connections.h"
#include "render/draw_element_list.h"
#include "render/draw_shapes.h"
#include "render/element_prefetch.h"
#include "render/grid_lines.h"
#include "render/sorted_elements.h"

namespace corvane {

int32_t BackgroundMargin(const TRenderContext& ctx) { return ctx.Screen ? Rnd(2.0 / ctx.Zoom) : 1; }

TRgb BoardFillColour(const TRenderContext& ctx) {
  if (!ctx.ActiveGroundPlaneOn()) return ctx.Colours.Background;
  return ctx.MonoMap ? kWhite : ctx.Colours.GroundPlane;
}

TDeviceMapping ScreenMapping(const TBoardView& view) { return view.VisibleMapping(); }

TDeviceMapping PictureMapping(int32_t boardWidth, int32_t boardHeight, int32_t pixelsWide, int32_t pixelsHigh,
                              bool mirrored) {
  TDeviceMapping m;
  const double w = std::max(1, boardWidth), h = std::max(1, boardHeight);
  m.zoom = std::min(pixelsWide / w, pixelsHigh / h);
  m.mirrored = mirrored;
  m.boardWidth = boardWidth;
  return m;
}

void PaintGrid(TCanvas& canvas, const TBoardView& view, const TRenderContext& ctx) {
  const TGridPicture pic = GridLines(view, canvas.ClipWorld(), ctx.Colours.Grid.ColorRef());
  auto draw = [&](const TGridLine& l) {
    canvas.SetPenWidth(l.Width);
    if (l.Vertical) {
      canvas.MoveTo({l.At, l.From});
      canvas.LineTo({l.At, l.To});
    } else {
      canvas.MoveTo({l.From, l.At});
      canvas.LineTo({l.To, l.At});
    }
  };
  canvas.SetPenMode(TPenMode::Copy);
  canvas.SetPenStyle(TPenStyle::Solid);
  canvas.SetPenColour(ctx.Colours.Grid);
  for (const TGridLine& l : pic.Lines) draw(l);
  canvas.SetPenColour(TRgb::FromColorRef(pic.OriginColour));
  for (const TGridLine& l : pic.OriginLines) draw(l);
}

namespace {

// Step 5: the plane of the active layer with the cut-outs of its elements,
// then the spokes of its thermal pads over them.
void PaintGroundPlaneCutOuts(TCanvas& canvas, const std::vector<const TObjekt*>& onLayer,
                             const TRenderContext& ctx) {
  ForEachPrefetched(onLayer, [&](const TObjekt& e) { DrawClearance(e, canvas, ctx); });
  for (const TObjekt* e : onLayer)
    if (IsAnyPad(*e) && e->Schalter1) DrawSpokes(*e, canvas, ctx);
}

void PaintOutlines(TCanvas& canvas, const std::vector<TOutline>& outlines) {
  canvas.SetPenMode(TPenMode::Copy);
  SetHairPen(canvas, kWhite);
  for (const TOutline& o : outlines) {
    if (o.size() < 2) continue;
    canvas.Polyline(std::span<const TIntPoint>(o));
    canvas.MoveTo(o.back());
    canvas.LineTo(o.front());
  }
}

}  // namespace

void PaintBoard(TCanvas& canvas, const TBoardScene& scene, const TRenderContext& ctx) {
  if (ctx.PhotoView && scene.PhotoView) {
    scene.PhotoView(canvas);
    return;
  }
  const int32_t p = BackgroundMargin(ctx);
  const TRgb fill = BoardFillColour(ctx);
  canvas.FillRect({0, 0, scene.Breite + p, -scene.Hoehe - p}, fill);
  canvas.SetBackdrop(fill);
  if (scene.Template) scene.Template(canvas);
  // The elements meeting the clip rectangle, found once for every step.
  std::vector<const TObjekt*> found;
  const std::vector<const TObjekt*>* meeting = &found;
  if (scene.Elements != nullptr) {
    if (scene.Index != nullptr)
      meeting = &scene.Index->Query(*scene.Elements, canvas.ClipWorld());
    else
      found = ElementsMeeting(*scene.Elements, canvas.ClipWorld(), ctx.LayerState());
  }
  // One walk sorts them for the cut-outs and for the layers.
  TSortedScratch scratch;
  TSortedElements& sorted = scratch.Lists();
  SortElements(*meeting, ctx, sorted);
  if (ctx.ActiveGroundPlaneOn()) PaintGroundPlaneCutOuts(canvas, sorted.activeLayer, ctx);
  if (scene.View != nullptr) PaintGrid(canvas, *scene.View, ctx);
  if (scene.Elements != nullptr) {
    TElementListOptions options;
    options.DrcMarkers = scene.DrcMarkers;
    DrawSortedElements(canvas, sorted, ctx, options);
    if (!ctx.PhotoView && !ctx.MonoMap) {
      if (scene.Index != nullptr && !ctx.DragPreview) {
        for (const TElementIndex::TConnection& c : scene.Index->Connections())
          if (c.To->Id() == c.ToId) DrawConnectionLine(canvas, ctx, *c.From, *c.To);
      } else {
        for (const TObjekt& e : *scene.Elements) DrawConnections(canvas, ctx, *scene.Elements, e);
      }
    }
  }
  if (scene.IsolationOutlines != nullptr) PaintOutlines(canvas, *scene.IsolationOutlines);
  if (scene.Crosshair) scene.Crosshair(canvas);
}

}  // namespace corvane
