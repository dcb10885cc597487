#include "render/render_context.h"

#include <algorithm>

#include "core/units.h"

namespace corvane {

namespace {

TRgb SchemeColour(const TFarbschema& scheme, int index) {
  return TRgb::FromColorRef(static_cast<uint32_t>(scheme.Farben[static_cast<std::size_t>(index)]));
}

uint8_t ViaChannel(int a, int b) { return static_cast<uint8_t>(Rnd((a + b) / 1.7) & 0xFF); }

uint8_t Darkened(uint8_t v) { return static_cast<uint8_t>(std::max(0, v - 80)); }

}  // namespace

TRgb ViaColour(const TFarbschema& scheme) {
  const TRgb c1 = SchemeColour(scheme, fsC1), c2 = SchemeColour(scheme, fsC2);
  return {ViaChannel(c1.r, c2.r), ViaChannel(c1.g, c2.g), ViaChannel(c1.b, c2.b)};
}

TRgb GroundPlaneColour(const TFarbschema& scheme, int activeLayer, bool darken) {
  const TRgb c = IsValidLayer(activeLayer) ? SchemeColour(scheme, fsC1 + activeLayer - 1) : kBlack;
  return darken ? TRgb{Darkened(c.r), Darkened(c.g), Darkened(c.b)} : c;
}

TRenderColours MakeRenderColours(const TFarbschema& scheme, int activeLayer, bool darkenGroundPlane) {
  TRenderColours c;
  c.Background = SchemeColour(scheme, fsBackground);
  c.Grid = SchemeColour(scheme, fsGrid);
  for (int layer = 1; layer <= kLayerCount; ++layer)
    c.Layers[static_cast<std::size_t>(layer - 1)] = SchemeColour(scheme, fsC1 + layer - 1);
  c.Connections = SchemeColour(scheme, fsConnections);
  c.Via = ViaColour(scheme);
  c.GroundPlane = GroundPlaneColour(scheme, activeLayer, darkenGroundPlane);
  return c;
}

TLayerState TRenderContext::LayerState() const {
  TLayerState s;
  s.Sichtbar = Visible;
  s.MasseAn = GroundPlane;
  s.AktiverLayer = ActiveLayer;
  return s;
}

TRgb TRenderContext::LayerColour(int layer) const {
  return IsValidLayer(layer) ? Colours.Layers[static_cast<std::size_t>(layer - 1)] : kBlack;
}

TRenderContext ScreenContext(const TPlatinenKopf& board, const TFarbschema& scheme, const TRenderSettings& settings,
                             double zoom) {
  TRenderContext ctx;
  ctx.ActiveLayer = board.AktiverLayer;
  ctx.GroundPlane = board.MasseAn;
  ctx.Visible = board.Sichtbar;
  ctx.Colours = MakeRenderColours(scheme, board.AktiverLayer, settings.AutoMasseDunkel);
  ctx.Zoom = zoom;
  ctx.Screen = true;
  ctx.Transparent = settings.Transparent;
  ctx.WhiteDrills = settings.BohrungenWeiss;
  ctx.ShowVirtualNodes = settings.VirtuelleKnoten;
  return ctx;
}

}  // namespace corvane
