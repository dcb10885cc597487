#include "geom/element_create.h"

#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"

namespace corvane {

namespace {

// Pad and SMD pad defaults shared by both creators.
void SetPadDefaults(TObjekt& e, uint8_t layer) {
  e.Layer = layer;
  e.Durchkontaktiert = 0;
  e.Loetstopp = 1;
  e.Wert2 = kDefaultSpokeMask;
  e.Wert3 = kDefaultSpokePercent;
  e.ThermalStempel = kThermalStamp;
  e.Schalter1 = 0;
  e.Sperrflaeche = 0;
}

}  // namespace

TObjekt CreateTrack(int32_t width, uint8_t layer) {
  TObjekt e;
  e.Typ = otLeiterbahn;
  e.Wert1 = width;
  e.Layer = layer;
  return e;
}

TObjekt CreateZone(int32_t outlineWidth, uint8_t layer) {
  TObjekt e;
  e.Typ = otFlaeche;
  e.Wert1 = outlineWidth;
  e.Layer = layer;
  e.Geschlossen = 1;
  e.Schalter1 = 0;
  e.Schalter2 = 1;
  e.Wert3 = outlineWidth;
  return e;
}

TObjekt CreatePad(TFloatPoint centre, uint8_t layer, uint8_t shape, double drillRadius, double outerRadius) {
  TObjekt e;
  e.Typ = otLoetauge;
  e.X = centre.x;
  e.Y = centre.y;
  e.Mass1 = static_cast<float>(outerRadius);
  e.Mass2 = static_cast<float>(drillRadius);
  e.Form = shape;
  const TPadOutline outline = PadShapePoints(centre, 0, e.Mass1, shape);
  e.Punkte.assign(outline.points.begin(), outline.points.begin() + outline.count);
  SetPadDefaults(e, layer);
  return e;
}

TObjekt CreateSmdPad(TFloatPoint centre, double width, double height, uint8_t layer) {
  TObjekt e;
  e.Typ = otSmdPad;
  const TSmdCorners corners = SmdRectangle(centre, width, height);
  e.Punkte.assign(corners.begin(), corners.end());
  e.X = centre.x;
  e.Y = centre.y;
  e.Mass1 = static_cast<float>(width);
  e.Mass2 = static_cast<float>(height);
  SetPadDefaults(e, layer);
  return e;
}

TObjekt CreateCircle(TFloatPoint centre, double outerRadius, double innerRadius, uint8_t layer,
                     uint8_t currentPadShape) {
  TObjekt e;
  e.Typ = otKreis;
  e.X = centre.x;
  e.Y = centre.y;
  e.Mass1 = static_cast<float>(outerRadius);
  e.Mass2 = static_cast<float>(innerRadius);
  e.Wert1 = 0;
  e.Wert2 = 0;
  e.Fuellung = 0;
  e.Form = currentPadShape;
  e.Layer = layer;
  return e;
}

TObjekt CreateText(TFloatPoint anchor, const TTextParams& params, uint8_t layer) {
  TObjekt e;
  e.Typ = otText;
  e.X = anchor.x;
  e.Y = anchor.y;
  e.Mass1 = static_cast<float>(params.height);
  e.Mass2 = static_cast<float>(params.thickness);
  e.Wert1 = params.style;
  e.Schalter1 = params.mirrorH ? 1 : 0;
  e.Schalter2 = params.mirrorV ? 1 : 0;
  e.Wert3 = NormaliseDegrees(params.angle);
  e.Text = params.content;
  e.Layer = layer;
  return e;
}

}  // namespace corvane

namespace corvane {

TObjekt CreateText(TFloatPoint anchor, const TTextParams& params, uint8_t layer, const TTextEditorState& editor) {
  TObjekt text = CreateText(anchor, params, layer);
  GenerateTextStrokes(text, editor);
  return text;
}

}  // namespace corvane
