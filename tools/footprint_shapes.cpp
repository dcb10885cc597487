#include "footprint_shapes.h"

#include "geom/element_create.h"
#include "geom/text_strokes.h"

namespace corvane::examples {

namespace {

TObjekt& Place(ElementList& list, TObjekt e) {
  e.Freistanz = kDefaultClearance;
  return list.Add(std::move(e));
}

}  // namespace

TObjekt& AddPad(ElementList& list, TFloatPoint centre, uint8_t shape, double diameter, double drill, uint8_t layer) {
  return Place(list, CreatePad(centre, layer, shape, drill / 2.0, diameter / 2.0));
}

TObjekt& AddSmd(ElementList& list, TFloatPoint centre, double w, double h, uint8_t layer) {
  return Place(list, CreateSmdPad(centre, w, h, layer));
}

TObjekt& AddTrack(ElementList& list, const std::vector<TFloatPoint>& points, int32_t width, uint8_t layer) {
  TObjekt t = CreateTrack(width, layer);
  t.Punkte = points;
  return Place(list, std::move(t));
}

TObjekt& AddSilkLine(ElementList& list, const std::vector<TFloatPoint>& points, int32_t width) {
  return AddTrack(list, points, width, lyS1);
}

TObjekt& AddSilkRect(ElementList& list, TFloatPoint a, TFloatPoint b, int32_t width) {
  return AddSilkLine(list, {{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}, {a.x, a.y}}, width);
}

TObjekt& AddSilkArc(ElementList& list, TFloatPoint centre, double r, int startDeg, int stopDeg, int32_t width) {
  TObjekt c = CreateCircle(centre, r + width / 2.0, r - width / 2.0, lyS1, psCircular);
  c.Wert2 = startDeg;
  c.Wert1 = stopDeg;
  return Place(list, std::move(c));
}

TObjekt& AddSilkDot(ElementList& list, TFloatPoint centre, double r) {
  return Place(list, CreateCircle(centre, r, 0, lyS1, psCircular));
}

TObjekt& AddText(ElementList& list, const std::string& content, TFloatPoint at, double height, uint8_t layer) {
  TTextParams params;
  params.content = content;
  params.height = height;
  TTextEditorState editor;
  editor.AktiverLayer = layer;
  editor.Freistanz = kDefaultClearance;
  TObjekt text = CreateText(at, params, layer, editor);
  return Place(list, std::move(text));
}

}  // namespace corvane::examples
