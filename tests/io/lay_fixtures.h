#pragma once
// Test fixtures for the project file: a sample project made with the
// element creators (saved by our own writer), and a byte builder for files of
// the older versions 0..4, which our writer does not produce.

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/byte_order.h"
#include "core/element_ops.h"
#include "core/project.h"
#include "geom/element_create.h"
#include "geom/text_strokes.h"

namespace corvane::fixtures {

// --- a sample project covering every element kind ---

inline TObjekt Track(std::vector<TFloatPoint> points, uint8_t layer = lyC1, int32_t width = 40) {
  TObjekt t = CreateTrack(width, layer);
  t.Punkte = std::move(points);
  t.Freistanz = 40;
  return t;
}

inline TObjekt Text(const std::string& content, TFloatPoint at, uint8_t layer) {
  TTextParams params;
  params.content = content;
  params.height = 200;
  TObjekt t = CreateText(at, params, layer);
  TTextEditorState editor;
  editor.AktiverLayer = layer;
  GenerateTextStrokes(t, editor);
  return t;
}

// Fills a board with one element of each kind, two connected pads and an
// autorouted track between them; everything lies inside a 160 x 100 mm board.
inline void FillBoard(ElementList& list, float dx) {
  TObjekt& a = list.Add(CreatePad({1000 + dx, -1000}, lyC2, psOctagonH, 40, 80));
  a.Durchkontaktiert = 1;
  a.Gruppen = {1, 2};
  TObjekt& b = list.Add(CreateSmdPad({3000 + dx, -1000}, 150, 80, lyC1));
  b.Gruppen = {2};
  b.Schalter1 = 1;
  b.Wert2 = 0x11;
  b.Wert3 = 150;
  a.Luftlinien = {b.Id()};
  b.Luftlinien = {a.Id()};
  TObjekt route = Track({{1000 + dx, -1000}, {2000 + dx, -1500.5f}, {3000 + dx, -1000}});
  route.Autoroute = 1;
  route.RouteStart = a.Id();
  route.RouteEnde = b.Id();
  list.Add(std::move(route));
  TObjekt zone = CreateZone(30, lyC1);
  zone.Punkte = {{100, -100}, {900, -100}, {900, -900}, {100, -900}};
  zone.Schalter1 = 1;
  zone.Sperrflaeche = 1;
  list.Add(std::move(zone));
  TObjekt arc = CreateCircle({5000 + dx, -5000}, 300, 250, lyS1, psCircular);
  arc.Wert1 = 90;
  arc.Wert2 = 270;
  arc.Fuellung = 1;
  arc.Name = "R\xE9sistance";  // code page 1252 e acute
  list.Add(std::move(arc));
  TObjekt text = Text("Corvane \x80", {6000 + dx, -8000}, lyS2);
  text.Gruppen = {3};
  list.Add(std::move(text));
  TObjekt font;
  font.Typ = otFontText;
  font.Layer = lyS1;
  font.X = 7000 + dx;
  font.Y = -9000;
  font.Mass1 = 7500 + dx;
  font.Mass2 = -9100;
  font.Wert1 = -13;
  font.Wert2 = 90;
  font.Text = "old font text";
  list.Add(std::move(font));
}

// Two boards, the second one shown, project information set, not modified.
inline TProject SampleProject() {
  TProject p;
  p.NewProject(1);
  FillBoard(p.ActiveElements(), 0);
  p.View.Zoom = 0.25;
  p.View.MasseAn[lyC1 - 1] = 1;
  p.View.Vorlage1Datei = "scan top.bmp";
  p.View.Vorlage1Zeigen = 1;
  p.View.UrsprungX = 1000000;
  p.View.UrsprungY = -500000;
  p.AddBoard("Second \xC4");  // A umlaut
  FillBoard(p.ActiveElements(), 50);
  p.SetInnerLayers(true);
  p.SetActiveLayer(lyI1);
  p.StoreViewState();
  p.Info.Title = "Sample";
  p.Info.Author = "Tester";
  p.Info.Company = "Workshop";
  p.Info.Comment = "line one\r\nline two";
  p.Modified = false;
  return p;
}

// --- byte builder for files of the older versions ---

class Bytes {
 public:
  template <typename T>
  Bytes& Put(T v) {
    const std::size_t at = b_.size();
    b_.resize(at + sizeof(T));
    PutLE<T>(b_.data() + at, v);
    return *this;
  }
  Bytes& Raw(const std::vector<uint8_t>& v) {
    b_.insert(b_.end(), v.begin(), v.end());
    return *this;
  }
  Bytes& ShortString(const std::string& s, std::size_t n) {
    b_.push_back(static_cast<uint8_t>(s.size()));
    b_.insert(b_.end(), s.begin(), s.end());
    b_.insert(b_.end(), n - std::min(n, s.size()), 0);
    return *this;
  }
  Bytes& LongString(const std::string& s) {
    Put<int32_t>(static_cast<int32_t>(s.size()));
    b_.insert(b_.end(), s.begin(), s.end());
    return *this;
  }
  std::vector<uint8_t>& Data() { return b_; }

 private:
  std::vector<uint8_t> b_;
};

// One element as the old records and blocks hold it.
struct OldElement {
  uint8_t Typ = otLeiterbahn;
  uint8_t Layer = lyC1;
  uint8_t Form = 0;
  int32_t X = 0, Y = 0, Mass1 = 0, Mass2 = 0, Wert1 = 0, Wert2 = 0;
  int16_t AltGruppe = 0;
  uint8_t Fuellung = 0;
  int32_t Freistanz = 25;
  uint8_t Autoroute = 0, Schalter1 = 0, Schalter2 = 0, Sperrflaeche = 0;
  std::string Text;
  std::vector<int32_t> Gruppen;
  std::vector<std::pair<int32_t, int32_t>> Punkte;
  int32_t Partner = -1;
  std::vector<OldElement> Striche;  // version 4 texts
  std::vector<int32_t> Luftlinien;
  int32_t RouteStart = -1, RouteEnde = -1;
};

inline std::vector<uint8_t> RecordV0(const OldElement& e) {
  std::vector<uint8_t> r(49, 0);
  r[0] = e.Typ;
  PutLE<int16_t>(&r[1], static_cast<int16_t>(e.X));
  PutLE<int16_t>(&r[3], static_cast<int16_t>(e.Y));
  PutLE<int16_t>(&r[5], static_cast<int16_t>(e.Mass1));
  PutLE<int16_t>(&r[7], static_cast<int16_t>(e.Mass2));
  PutLE<int16_t>(&r[9], static_cast<int16_t>(e.Wert1));
  r[11] = 1;  // Markiert: readers clear it
  r[12] = e.Layer;
  r[13] = e.Form;
  r[14] = static_cast<uint8_t>(e.Text.size());
  std::memcpy(&r[15], e.Text.data(), std::min<std::size_t>(e.Text.size(), 15));
  PutLE<int16_t>(&r[34], e.AltGruppe);
  PutLE<int16_t>(&r[37], static_cast<int16_t>(e.Wert2));
  return r;
}

inline std::vector<uint8_t> RecordV3(const OldElement& e) {
  std::vector<uint8_t> r(74, 0);
  r[0] = e.Typ;
  PutLE<int32_t>(&r[1], e.X);
  PutLE<int32_t>(&r[5], e.Y);
  PutLE<int32_t>(&r[9], e.Mass1);
  PutLE<int32_t>(&r[13], e.Mass2);
  PutLE<int32_t>(&r[17], e.Wert1);
  r[21] = 1;
  r[22] = e.Layer;
  r[23] = e.Form;
  r[24] = static_cast<uint8_t>(e.Text.size());
  std::memcpy(&r[25], e.Text.data(), std::min<std::size_t>(e.Text.size(), 15));
  PutLE<int16_t>(&r[44], e.AltGruppe);
  PutLE<int32_t>(&r[47], e.Wert2);
  r[56] = e.Fuellung;
  PutLE<int32_t>(&r[57], e.Freistanz);
  return r;
}

inline std::vector<uint8_t> RecordV4(const OldElement& e) {
  std::vector<uint8_t> r(75, 0);
  r[0] = e.Typ;
  PutLE<int32_t>(&r[1], e.X);
  PutLE<int32_t>(&r[5], e.Y);
  PutLE<int32_t>(&r[9], e.Mass1);
  PutLE<int32_t>(&r[13], e.Mass2);
  PutLE<int32_t>(&r[17], e.Wert1);
  r[21] = 1;
  r[22] = e.Layer;
  r[23] = e.Form;
  PutLE<int16_t>(&r[28], e.AltGruppe);
  PutLE<int32_t>(&r[31], e.Wert2);
  r[40] = e.Fuellung;
  PutLE<int32_t>(&r[41], e.Freistanz);
  r[53] = e.Autoroute;
  r[54] = e.Schalter1;
  r[55] = e.Schalter2;
  r[56] = e.Sperrflaeche;
  return r;
}

inline void IntPoints(Bytes& b, const OldElement& e) {
  b.Put<int32_t>(static_cast<int32_t>(e.Punkte.size()));
  for (auto [x, y] : e.Punkte) b.Put<int32_t>(x).Put<int32_t>(y);
}

// A version 0, 1 or 2 file.
inline std::vector<uint8_t> FileV0(int version, int32_t width, int32_t height, const std::vector<OldElement>& elements) {
  Bytes b;
  b.Put<uint32_t>(0xFFAA3300u + static_cast<uint32_t>(version)).Put<int32_t>(width).Put<int32_t>(height);
  b.Put<int16_t>(static_cast<int16_t>(elements.size()));
  for (const OldElement& e : elements) {
    b.Raw(RecordV0(e));
    if (version == 2) {
      b.Put<int16_t>(static_cast<int16_t>(e.Gruppen.size()));
      for (int32_t id : e.Gruppen) b.Put<int16_t>(static_cast<int16_t>(id));
    }
    if (e.Typ == otFlaeche || e.Typ == otLeiterbahn) {
      b.Put<int16_t>(static_cast<int16_t>(e.Punkte.size()));
      for (auto [x, y] : e.Punkte) b.Put<int16_t>(static_cast<int16_t>(x)).Put<int16_t>(static_cast<int16_t>(y));
    }
  }
  return std::move(b.Data());
}

struct OldBoard {
  std::string Name = "Old";
  int32_t Breite = 10000, Hoehe = 8000;
  uint8_t Masse1 = 0, Masse3 = 0;  // ground plane of layers 1 and 3
  double Raster = 50.0, Zoom = 0.2;
  int32_t ScrollX = 5, ScrollY = 6, AktiverLayer = lyC1;
  uint8_t Sichtbar[4] = {1, 0, 1, 0};  // version 4 only
  std::string Vorlage1Datei = "top.bmp", Vorlage2Datei;
  int32_t Vorlage1Dpi = 300, UrsprungX = 12, UrsprungY = -34;  // origin: version 4 only
  std::vector<OldElement> Elemente;
};

inline std::vector<uint8_t> HeaderV3V4(const OldBoard& o, int version) {
  std::vector<uint8_t> h(version == 3 ? 482 : 490, 0);
  PutLE<int32_t>(&h[4], o.Breite);
  PutLE<int32_t>(&h[8], o.Hoehe);
  h[12] = o.Masse1;
  h[13] = o.Masse3;
  PutLE<double>(&h[14], o.Raster);
  PutLE<double>(&h[22], o.Zoom);
  PutLE<int32_t>(&h[30], o.ScrollX);
  PutLE<int32_t>(&h[34], o.ScrollY);
  PutLE<int32_t>(&h[38], o.AktiverLayer);
  if (version == 4) std::memcpy(&h[42], o.Sichtbar, 4);
  h[46] = 1;
  h[48] = static_cast<uint8_t>(o.Vorlage1Datei.size());
  std::memcpy(&h[49], o.Vorlage1Datei.data(), o.Vorlage1Datei.size());
  h[249] = static_cast<uint8_t>(o.Vorlage2Datei.size());
  std::memcpy(&h[250], o.Vorlage2Datei.data(), o.Vorlage2Datei.size());
  PutLE<int32_t>(&h[450], o.Vorlage1Dpi);
  PutLE<int32_t>(&h[454], 600);
  PutLE<int32_t>(&h[474], 65280);
  PutLE<int32_t>(&h[478], 255);
  if (version == 4) {
    PutLE<int32_t>(&h[482], o.UrsprungX);
    PutLE<int32_t>(&h[486], o.UrsprungY);
  }
  return h;
}

// A version 3 or 4 file. Version 4 also stores the project information.
inline std::vector<uint8_t> FileV3V4(int version, const std::vector<OldBoard>& boards, int32_t active,
                                     const std::string& title = "Old title") {
  Bytes b;
  b.Put<uint32_t>(0xFFAA3300u + static_cast<uint32_t>(version)).Put<int32_t>(static_cast<int32_t>(boards.size()));
  for (const OldBoard& o : boards) {
    b.ShortString(o.Name, 30).Raw(HeaderV3V4(o, version));
    b.Put<int32_t>(static_cast<int32_t>(o.Elemente.size()));
    for (const OldElement& e : o.Elemente) {
      b.Raw(version == 3 ? RecordV3(e) : RecordV4(e));
      if (version == 4) b.LongString(e.Text);
      b.Put<int32_t>(static_cast<int32_t>(e.Gruppen.size()));
      for (int32_t id : e.Gruppen) b.Put<int32_t>(id);
      if (e.Typ == otFlaeche || e.Typ == otLeiterbahn) IntPoints(b, e);
      if (version == 4 && e.Typ == otText) {
        b.Put<int32_t>(static_cast<int32_t>(e.Striche.size()));
        for (const OldElement& s : e.Striche) {
          b.Raw(RecordV4(s));
          IntPoints(b, s);
        }
      }
      if (e.Typ == otLoetauge) b.Put<int32_t>(e.Partner);
    }
    for (const OldElement& e : o.Elemente) {
      if (!(e.Typ == otLoetauge || (version == 4 && e.Typ == otSmdPad))) continue;
      b.Put<int32_t>(static_cast<int32_t>(e.Luftlinien.size()));
      for (int32_t i : e.Luftlinien) b.Put<int32_t>(i);
    }
    if (version == 4)
      for (const OldElement& e : o.Elemente)
        if (e.Autoroute) b.Put<int32_t>(e.RouteStart).Put<int32_t>(e.RouteEnde);
  }
  b.Put<int32_t>(active);
  if (version == 3) {
    b.Put<int64_t>(0);
  } else {
    b.ShortString(title, 100).ShortString("Old author", 100).ShortString("", 100).LongString("old comment");
  }
  return std::move(b.Data());
}

}  // namespace corvane::fixtures
