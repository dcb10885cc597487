#include <gtest/gtest.h>

#include "geom/pad_geometry.h"
#include "io/lay_load.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

using fixtures::OldBoard;
using fixtures::OldElement;

TLoadResult Load(const std::vector<uint8_t>& bytes, TProject& p, int language = 1) {
  TLoadOptions options;
  options.Language = language;
  TLoadResult r = LoadLayoutBytes(bytes, "old.lay", p, options);
  EXPECT_TRUE(r.ok()) << r.Error.Describe();
  return r;
}

OldElement OldPad(int32_t x, uint8_t layer, int32_t partner = -1) {
  OldElement e;
  e.Typ = otLoetauge;
  e.Layer = layer;
  e.Form = psSquare;
  e.X = x;
  e.Y = -400;
  e.Mass1 = 60;
  e.Mass2 = 30;
  e.Wert2 = 3;  // an old spoke mask: replaced by the default
  e.Partner = partner;
  return e;
}

OldElement OldTrack(uint8_t layer) {
  OldElement e;
  e.Typ = otLeiterbahn;
  e.Layer = layer;
  e.Wert1 = 25;
  e.Punkte = {{100, -100}, {200, -300}};
  return e;
}

TEST(OldVersions, Version2FileBecomesOneBoardWithSwappedCopperSides) {
  OldElement circle;
  circle.Typ = otKreis;
  circle.Layer = lyS1;
  circle.X = 500;
  circle.Y = -500;
  circle.Mass1 = 50;
  circle.Mass2 = 40;
  circle.Wert1 = 90;
  circle.Wert2 = 180;
  OldElement zone = OldTrack(lyC2);
  zone.Typ = otFlaeche;
  zone.Punkte.push_back({100, -900});
  OldElement smd;
  smd.Typ = otSmdPad;
  smd.Layer = lyC1;
  smd.X = 1000;
  smd.Y = -1000;
  smd.Mass1 = 80;
  smd.Mass2 = 40;
  OldElement line;
  line.Typ = otLinie;
  line.Layer = lyC1;
  line.X = 10;
  line.Y = -20;
  line.Mass1 = 30;
  line.Mass2 = -40;
  line.Wert1 = 15;
  line.Gruppen = {4};
  OldElement font;
  font.Typ = otFontText;
  font.Layer = lyS2;
  font.Wert1 = -20;
  font.Text = "FONT";
  const std::vector<OldElement> elements = {OldTrack(lyC1), OldPad(700, lyC2), circle, zone, smd, line, font};

  for (const auto& [language, name] : {std::pair{0, "Platine 1"}, std::pair{1, "Board 1"}, std::pair{2, "Carte 1"}}) {
    TProject p;
    const TLoadResult r = Load(fixtures::FileV0(2, 12000, 9000, elements), p, language);
    EXPECT_EQ(r.Version, 2);
    EXPECT_TRUE(r.OldVersionWarning);
    ASSERT_EQ(p.BoardCount(), 1u);
    EXPECT_EQ(p.ActiveBoard().Name, name);
    EXPECT_EQ(p.View.Breite, 12000);
    EXPECT_EQ(p.View.Hoehe, 9000);
    EXPECT_FALSE(p.Modified);
  }

  TProject p;
  Load(fixtures::FileV0(2, 12000, 9000, elements), p);
  const ElementList& list = p.ActiveElements();
  ASSERT_EQ(list.size(), 7u);
  for (const TObjekt& e : list) {
    EXPECT_EQ(e.Freistanz, 40);
    EXPECT_EQ(e.Markiert, 0);
    EXPECT_EQ(e.Sperrflaeche, 0);
  }
  EXPECT_EQ(list[0].Layer, lyC2);  // was C1
  EXPECT_EQ(list[0].Punkte, (std::vector<TFloatPoint>{{100, -100}, {200, -300}}));
  const TObjekt& pad = list[1];
  EXPECT_EQ(pad.Layer, lyC1);  // was C2
  EXPECT_EQ(pad.Wert2, 85);
  EXPECT_EQ(pad.Wert3, 100);
  EXPECT_EQ(pad.ThermalStempel, kThermalStamp);
  EXPECT_EQ(pad.Loetstopp, 1);
  const TPadOutline outline = PadShapePoints({700, -400}, 0, 60, psSquare);
  EXPECT_EQ(pad.Punkte, std::vector<TFloatPoint>(outline.points.begin(), outline.points.begin() + outline.count));
  EXPECT_EQ(list[2].Wert1, 0);  // circles become full, unfilled circles
  EXPECT_EQ(list[2].Wert2, 0);
  EXPECT_EQ(list[2].Loetstopp, 0);
  EXPECT_EQ(list[3].Wert3, 60);
  EXPECT_EQ(list[3].Schalter2, 1);
  EXPECT_EQ(list[4].Punkte, (std::vector<TFloatPoint>{{960, -980}, {1040, -980}, {1040, -1020}, {960, -1020}}));
  const TObjekt& track = list[5];  // the old line
  EXPECT_EQ(track.Typ, otLeiterbahn);
  EXPECT_EQ(track.Layer, lyC2);
  EXPECT_EQ(track.Wert1, 15);
  EXPECT_EQ(track.Punkte, (std::vector<TFloatPoint>{{10, -20}, {30, -40}}));
  EXPECT_EQ(track.Gruppen, std::vector<int32_t>{1});  // compacted on opening
  EXPECT_EQ(list[6].Text, "FONT");
}

TEST(OldVersions, Version1GroupNumbersBecomeGroupIds) {
  std::vector<OldElement> elements(4, OldTrack(lyS1));
  elements[0].AltGruppe = 5;
  elements[1].AltGruppe = 9;
  elements[2].AltGruppe = 5;
  TProject p;
  Load(fixtures::FileV0(1, 5000, 5000, elements), p);
  const ElementList& list = p.ActiveElements();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].LastGroupId(), 1);
  EXPECT_EQ(list[2].LastGroupId(), 1);
  EXPECT_EQ(list[1].LastGroupId(), 0);  // a group of one element is no group
  EXPECT_EQ(list[3].LastGroupId(), 0);
}

TEST(OldVersions, Version0TextOfOtherKindsIsDropped) {
  OldElement track = OldTrack(lyS1);
  track.Text = "junk";
  TProject p;
  Load(fixtures::FileV0(0, 5000, 5000, {track}), p);
  EXPECT_EQ(p.ActiveElements()[0].Text, "");
}

// Pads 4 and 9 name each other as twins; element 0 is connected to pad 9,
// pad 4 to element 1 and pad 9 to element 2.
OldBoard TwinBoard() {
  OldBoard b;
  b.Masse1 = 1;
  b.Elemente = {OldPad(0, lyC1), OldPad(100, lyC1), OldPad(200, lyC1), OldTrack(lyC1), OldPad(400, lyC1, 9),
                OldTrack(lyS1), OldTrack(lyS1), OldTrack(lyS1), OldTrack(lyS1), OldPad(900, lyC2, 4),
                OldPad(1000, lyC1, 10)};  // pad 10 names itself
  b.Elemente[0].Luftlinien = {9};
  b.Elemente[1].Luftlinien = {4};
  b.Elemente[2].Luftlinien = {9};
  b.Elemente[4].Luftlinien = {1};
  b.Elemente[9].Luftlinien = {0, 2};
  return b;
}

TEST(OldVersions, Version3TwinPadsBecomeOneThroughPad) {
  for (int version : {3, 4}) {
    TProject p;
    Load(fixtures::FileV3V4(version, {TwinBoard()}, 0), p);
    const ElementList& list = p.ActiveElements();
    ASSERT_EQ(list.size(), 10u) << version;
    const TObjekt& through = list[4];
    EXPECT_EQ(through.X, 400) << version;
    EXPECT_EQ(through.Durchkontaktiert, 1) << version;
    std::vector<ObjRef> expected = {list[1].Id(), list[0].Id(), list[2].Id()};
    EXPECT_EQ(through.Luftlinien, expected) << version;
    EXPECT_EQ(list[0].Luftlinien, std::vector<ObjRef>{through.Id()}) << version;
    EXPECT_EQ(list[2].Luftlinien, std::vector<ObjRef>{through.Id()}) << version;
    EXPECT_EQ(list[9].X, 1000) << version;  // the pad that named itself stays
    EXPECT_EQ(list[9].Durchkontaktiert, 0) << version;
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].Merker, 0) << i;
  }
}

TEST(OldVersions, Version3SwapsCopperSidesAndGroundPlanes) {
  TProject p;
  const TLoadResult r = Load(fixtures::FileV3V4(3, {TwinBoard()}, 0), p);
  EXPECT_TRUE(r.OldVersionWarning);
  const TPlatinenKopf& h = p.ActiveBoard().Kopf;
  EXPECT_EQ(h.MasseAn[lyC1 - 1], 0);
  EXPECT_EQ(h.MasseAn[lyC2 - 1], 1);
  EXPECT_EQ(p.ActiveElements()[0].Layer, lyC2);
  EXPECT_EQ(p.ActiveElements()[5].Layer, lyS1);
  EXPECT_EQ(h.Sichtbar, (std::array<uint8_t, 7>{1, 1, 1, 1, 0, 0, 1}));  // shown: no inner layers
  EXPECT_EQ(h.UrsprungX, 0);
  EXPECT_EQ(p.ActiveElements()[3].Freistanz, 25);  // version 3 keeps the stored clearance
}

TEST(OldVersions, Version3And4HeadersAreConverted) {
  OldBoard b;
  b.Elemente = {OldTrack(lyC1)};
  OldBoard second = b;
  second.Name = "Second";
  second.AktiverLayer = lyS1;
  TProject p;
  const TLoadResult r = Load(fixtures::FileV3V4(4, {b, second}, 1), p);
  EXPECT_FALSE(r.OldVersionWarning);
  ASSERT_EQ(p.BoardCount(), 2u);
  EXPECT_EQ(p.ActiveIndex(), 1);
  EXPECT_EQ(p.Info.Title, "Old title");
  EXPECT_EQ(p.Info.Comment, "old comment");
  const TPlatinenKopf& h = p.Boards()[0].Kopf;
  EXPECT_EQ(h.Breite, 10000);
  EXPECT_EQ(h.Hoehe, 8000);
  EXPECT_EQ(h.Raster, 50.0);
  EXPECT_EQ(h.Zoom, 0.2);
  EXPECT_EQ(h.ScrollX, 5);
  EXPECT_EQ(h.ScrollY, 6);
  EXPECT_EQ(h.AktiverLayer, lyC1);
  EXPECT_EQ(h.Sichtbar, (std::array<uint8_t, 7>{1, 0, 1, 0, 1, 1, 1}));
  EXPECT_EQ(h.Vorlage1Zeigen, 1);
  EXPECT_EQ(h.Vorlage1Datei, "top.bmp");
  EXPECT_EQ(h.Vorlage1Dpi, 300);
  EXPECT_EQ(h.Vorlage2Dpi, 600);
  EXPECT_EQ(h.Vorlage1Farbe, 65280);
  EXPECT_EQ(h.Vorlage2Farbe, 255);
  EXPECT_EQ(h.UrsprungX, 12000);
  EXPECT_EQ(h.UrsprungY, -34000);
  EXPECT_EQ(h.Innenlagen, 0);
  EXPECT_EQ(p.ActiveElements()[0].Layer, lyC1);  // version 4 keeps the copper sides

  // Version 3: the board count is followed by the active index and 8 bytes.
  TProject p3;
  Load(fixtures::FileV3V4(3, {b, second}, 1), p3);
  EXPECT_EQ(p3.ActiveIndex(), 1);
  EXPECT_EQ(p3.Boards()[0].Kopf.Sichtbar[1], 1);
  EXPECT_EQ(p3.Boards()[0].Kopf.UrsprungX, 0);
  EXPECT_EQ(p3.Info.Title, "");
}

TEST(OldVersions, Version4TextsStrokesAndLinks) {
  OldElement stroke = OldTrack(lyS1);
  stroke.Schalter1 = 1;  // switches of other kinds than texts are not taken
  OldElement text;
  text.Typ = otText;
  text.Layer = lyS1;
  text.X = 300;
  text.Y = -300;
  text.Mass1 = 200;
  text.Mass2 = 1;
  text.Wert1 = 1;
  text.Wert2 = 3;
  text.Schalter1 = 1;
  text.Text = std::string(250, 'x');
  text.Striche = {stroke, stroke};
  OldElement smdA;
  smdA.Typ = otSmdPad;
  smdA.Layer = lyC1;
  smdA.Mass1 = 50;
  smdA.Mass2 = 50;
  OldElement smdB = smdA;
  smdB.X = 500;
  smdA.Luftlinien = {2};
  smdB.Luftlinien = {1};
  OldElement route = OldTrack(lyC1);
  route.Autoroute = 1;
  route.RouteStart = 1;
  route.RouteEnde = 2;
  route.Schalter1 = 1;
  route.Schalter2 = 1;
  OldElement zone = OldTrack(lyC1);
  zone.Typ = otFlaeche;
  zone.Punkte.push_back({50, -50});
  zone.Sperrflaeche = 1;
  OldBoard b;
  b.Elemente = {text, smdA, smdB, route, zone};
  TProject p;
  Load(fixtures::FileV3V4(4, {b}, 0), p);
  const ElementList& list = p.ActiveElements();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].Wert3, 270);
  EXPECT_EQ(list[0].Schalter1, 1);
  EXPECT_EQ(list[0].Text.size(), 250u);
  ASSERT_EQ(list[0].Striche.size(), 2u);
  EXPECT_EQ(list[0].Striche[0].Schalter1, 0);
  EXPECT_EQ(list[0].Striche[0].Punkte.size(), 2u);
  EXPECT_EQ(list[1].Luftlinien, std::vector<ObjRef>{list[2].Id()});
  EXPECT_EQ(list[2].Luftlinien, std::vector<ObjRef>{list[1].Id()});
  EXPECT_EQ(list[3].RouteStart, list[1].Id());
  EXPECT_EQ(list[3].RouteEnde, list[2].Id());
  EXPECT_EQ(list[3].Schalter1, 0);
  EXPECT_EQ(list[3].Schalter2, 0);
  EXPECT_EQ(list[4].Sperrflaeche, 1);
  EXPECT_EQ(list[4].Schalter2, 1);
  EXPECT_EQ(list[4].Wert3, 60);
}

TEST(OldVersions, APadOfAnUnknownShapeLoadsWithoutOutline) {
  OldBoard b;
  b.Elemente = {OldPad(0, lyC1)};
  b.Elemente[0].Form = 0;
  TProject p;
  Load(fixtures::FileV3V4(4, {b}, 0), p);
  ASSERT_EQ(p.ActiveElements().size(), 1u);
  EXPECT_TRUE(p.ActiveElements()[0].Punkte.empty());
}

TEST(OldVersions, DamageInOldFilesIsRejected) {
  OldElement font;
  font.Typ = otFontText;
  font.Layer = lyS1;
  std::vector<uint8_t> v0 = fixtures::FileV0(0, 5000, 5000, {font});
  v0[4 + 8 + 2 + 14] = 16;  // the record's text is a short string of 15
  OldBoard b;
  b.Elemente = {OldPad(0, lyC1)};
  b.Elemente[0].Luftlinien = {1};  // only one element
  OldBoard good;
  good.Elemente = {OldTrack(lyC1)};
  OldBoard farPad;  // the pad's centre is usable, the outline made from it is not
  farPad.Elemente = {OldPad(536870000, lyC1)};
  farPad.Elemente[0].Mass1 = 100000;
  OldBoard badOrigin;
  badOrigin.UrsprungX = 3000000;  // x1000 leaves the 32-bit range
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    IoErrorKind kind;
  } cases[] = {
      {"text of 16", v0, IoErrorKind::StringTooLong},
      {"connection index", fixtures::FileV3V4(3, {b}, 0), IoErrorKind::BadIndex},
      {"origin", fixtures::FileV3V4(4, {badOrigin}, 0), IoErrorKind::BadValue},
      {"outline beyond the coordinates", fixtures::FileV3V4(4, {farPad}, 0), IoErrorKind::BadValue},
      {"active board", fixtures::FileV3V4(3, {good, good}, 2), IoErrorKind::BadIndex},
      {"board width", fixtures::FileV0(2, 0, 5000, {}), IoErrorKind::BadValue},
  };
  for (const auto& c : cases) {
    TProject p;
    EXPECT_EQ(LoadLayoutBytes(c.bytes, "old.lay", p, {}).Error.Kind, c.kind) << c.what;
    EXPECT_EQ(p.BoardCount(), 0u) << c.what;
  }
}

}  // namespace
}  // namespace corvane
