#pragma once
// Small boards painted into RGB32 images for the pixel tests of the drawing
// routines. The mapping puts world (0, 0) at pixel (0, 0); a world point is
// sampled at the pixel that contains it.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

#include "core/board_header.h"
#include "core/element_list.h"
#include "core/objekt.h"
#include "geom/device_mapping.h"
#include "geom/element_create.h"
#include "io/colour_scheme.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/paint_board.h"
#include "render/render_context.h"

namespace corvane {

inline void PrintTo(const TRgb& c, std::ostream* os) {
  *os << "(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}

}  // namespace corvane

namespace corvane::test {

// The Standard scheme's colours.
inline constexpr TRgb kBackground{0, 0, 0};
inline constexpr TRgb kC1{30, 30, 255};
inline constexpr TRgb kS1{255, 0, 0};
inline constexpr TRgb kC2{0, 186, 0};
inline constexpr TRgb kC1Plane{0, 0, 175};  // C1 darkened by 80 per channel

inline TRgb Pixel(const QImage& image, int x, int y) { return TRgb::FromRgb32(image.pixel(x, y) & 0xFFFFFFu); }

struct TPainted {
  QImage image;
  TDeviceMapping mapping;

  // The pixel that holds world point (x, y).
  TRgb At(double x, double y) const {
    const int px = static_cast<int>(std::floor(mapping.DeviceX(x)));
    const int py = static_cast<int>(std::floor(mapping.DeviceY(y)));
    EXPECT_TRUE(image.valid(px, py)) << "world point (" << x << ", " << y << ") is off the picture";
    return image.valid(px, py) ? Pixel(image, px, py) : TRgb{};
  }
};

// The screen context of a board with this active layer, Standard colours,
// no virtual nodes.
inline TRenderContext Context(int activeLayer, double zoom = 1.0) {
  TPlatinenKopf header;
  header.AktiverLayer = activeLayer;
  TRenderSettings settings;
  settings.VirtuelleKnoten = false;
  TRenderContext ctx = ScreenContext(header, StandardColourScheme(), settings, zoom);
  ctx.Screen = false;
  return ctx;
}

// The colours of the context recomputed after changing the active layer.
inline void SetActiveLayer(TRenderContext& ctx, int layer) {
  ctx.ActiveLayer = layer;
  ctx.Colours = MakeRenderColours(StandardColourScheme(), layer, true);
}

// Draws with `draw` into a picture of a w x h world area at ctx.Zoom
// (painted white first).
inline TPainted PaintWith(int32_t w, int32_t h, double zoom, const std::function<void(TCanvas&)>& draw,
                          QImage::Format format = QImage::Format_RGB32) {
  TPainted out;
  out.mapping.zoom = zoom;
  out.image = QImage(static_cast<int>(std::ceil(w * zoom)) + 2, static_cast<int>(std::ceil(h * zoom)) + 2, format);
  out.image.fill(Qt::white);
  QPainter painter(&out.image);
  TCanvas canvas(painter);
  canvas.SetMapping(out.mapping);
  draw(canvas);
  painter.end();
  return out;
}

// The whole repaint of a board of w x h with these elements.
inline TPainted PaintScene(const ElementList& list, const TRenderContext& ctx, int32_t w = 400, int32_t h = 400) {
  return PaintWith(w, h, ctx.Zoom, [&](TCanvas& canvas) {
    TBoardScene scene;
    scene.Elements = &list;
    scene.Breite = w;
    scene.Hoehe = h;
    PaintBoard(canvas, scene, ctx);
  });
}

inline TObjekt Track(std::vector<TFloatPoint> points, int32_t width, uint8_t layer) {
  TObjekt t = CreateTrack(width, layer);
  t.Punkte = std::move(points);
  return t;
}

inline TObjekt Zone(std::vector<TFloatPoint> points, int32_t width, uint8_t layer) {
  TObjekt z = CreateZone(width, layer);
  z.Punkte = std::move(points);
  return z;
}

inline TObjekt RoundPad(TFloatPoint centre, double outer, double drill, uint8_t layer, uint8_t shape = psCircular) {
  return CreatePad(centre, layer, shape, drill, outer);
}

}  // namespace corvane::test
