#pragma once
// PaintBoard: the whole repaint of a board into a canvas whose mapping and
// clip rectangle are set: background and ground plane, template, cut-outs and
// spokes of the active layer's plane, grid, elements, connections, isolation
// outlines and the cross-hair.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/element_list.h"
#include "geom/device_mapping.h"
#include "geom/int_point.h"
#include "render/board_view.h"
#include "render/canvas.h"
#include "render/element_index.h"
#include "render/render_context.h"

namespace corvane {

// A closed polyline in world units.
using TOutline = std::vector<TIntPoint>;

// What a repaint draws besides the render context.
struct TBoardScene {
  const ElementList* Elements = nullptr;
  int32_t Breite = 0;  // board size W x H, world units
  int32_t Hoehe = 0;
  // The grid comes from the view; without a view no grid is drawn.
  const TBoardView* View = nullptr;
  TElementIndex* Index = nullptr;
  // Isolation-milling outlines to show (none while hidden).
  const std::vector<TOutline>* IsolationOutlines = nullptr;

  // Seams for the parts drawn by other subsystems. The photo view replaces
  // the whole repaint while ctx.PhotoView is set; the template is drawn over
  // the background; the DRC markers last in the element list; the cross-hair
  // at the very end.
  std::function<void(TCanvas&)> PhotoView;
  std::function<void(TCanvas&)> Template;
  std::function<void(TCanvas&)> DrcMarkers;
  std::function<void(TCanvas&)> Crosshair;
};

// The margin beyond the board's right and bottom edge that the background
// covers: rnd(2 / zoom) on the screen, 1 elsewhere.
int32_t BackgroundMargin(const TRenderContext& ctx);

// The colour of the background rectangle: the ground-plane colour (white in
// MonoMap) while the active layer's plane is on, else the background.
TRgb BoardFillColour(const TRenderContext& ctx);

// The mapping of the drawing area's visible part.
TDeviceMapping ScreenMapping(const TBoardView& view);
// The isotropic mapping of a board of W x H onto a picture of w x h pixels
// (mirrored: the photo view of side 2).
TDeviceMapping PictureMapping(int32_t boardWidth, int32_t boardHeight, int32_t pixelsWide, int32_t pixelsHigh,
                              bool mirrored = false);

// Draws the grid lines of the view for the canvas's clip rectangle.
void PaintGrid(TCanvas& canvas, const TBoardView& view, const TRenderContext& ctx);

// The whole repaint: background (with the plane colour while the active
// layer's plane is on), template, the cut-outs and spokes of that plane,
// grid, DrawElementList, the connections (not in the photo view or MonoMap),
// isolation outlines (white, one pixel) and the cross-hair. Only elements
// meeting the canvas's clip rectangle are drawn.
void PaintBoard(TCanvas& canvas, const TBoardScene& scene, const TRenderContext& ctx);

}  // namespace corvane
