#include "io/macro_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/byte_order.h"
#include "core/element_ops.h"
#include "geom/element_create.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

using fixtures::Bytes;
using fixtures::OldElement;

// A small macro: a pad with a connection, a selected SMD pad, a track
// (autorouted), a zone with a half-unit vertex and a text.
ElementList SampleList() {
  ElementList list;
  TObjekt& pad = list.Add(CreatePad({1000, -2000}, lyC1, psSquare, 30, 60));
  TObjekt& smd = list.Add(CreateSmdPad({1500, -2000}, 100, 50, lyC1));
  pad.Luftlinien = {smd.Id()};
  smd.Luftlinien = {pad.Id()};
  smd.Markiert = 1;
  smd.Gruppen = {4};
  TObjekt track = fixtures::Track({{1000, -2000}, {1500, -2000}});
  track.Autoroute = 1;
  track.RouteStart = pad.Id();
  track.RouteEnde = smd.Id();
  list.Add(std::move(track));
  TObjekt zone = CreateZone(20, lyC2);
  zone.Punkte = {{900.5f, -1900}, {1100, -1900}, {1100, -2100}};
  list.Add(std::move(zone));
  list.Add(fixtures::Text("U1", {800, -1800}, lyS1));
  return list;
}

TMacroData Parse(const std::vector<uint8_t>& bytes, TMacroReadOptions options = {}) {
  TMacroData data;
  const IoError e = ParseMacro(bytes, "part.lmk", options, data);
  EXPECT_TRUE(e.ok()) << e.Describe();
  return data;
}

TEST(MacroFile, Version5IsWrittenRelativeToTheReferencePointAndReadBack) {
  ElementList list = SampleList();
  const std::string longText(60, 'x');
  const std::vector<uint8_t> bytes = EncodeMacro(list, false, {1000, -2000}, "first line", longText);
  EXPECT_EQ(GetLE<uint32_t>(bytes.data()), 0xFFAA3305u);
  EXPECT_EQ(GetLE<int32_t>(&bytes[4]), 5);

  const TMacroData m = Parse(bytes);
  EXPECT_EQ(m.Version, 5);
  ASSERT_EQ(m.Elemente.size(), 5u);
  EXPECT_EQ(m.Elemente[0].X, 0.0f);
  EXPECT_EQ(m.Elemente[0].Y, 0.0f);
  EXPECT_EQ(m.Elemente[1].Punkte[0], (TFloatPoint{-50 + 500, 25}));
  EXPECT_EQ(m.Elemente[3].Punkte[0], (TFloatPoint{-100, 100}));  // copies of zones are integral
  EXPECT_EQ(m.Elemente[1].Gruppen, (std::vector<int32_t>{4}));
  for (const TObjekt& e : m.Elemente) {
    EXPECT_EQ(e.Markiert, 0);
    EXPECT_EQ(e.Autoroute, 0);
    EXPECT_TRUE(e.Luftlinien.empty());
  }
  EXPECT_EQ(m.Elemente[4].Text, "U1");
  EXPECT_EQ(m.Elemente[4].Striche.size(), list[4].Striche.size());
  EXPECT_EQ(m.Text1, "first line");
  EXPECT_EQ(m.Text2, std::string(50, 'x'));

  // The list itself is untouched.
  EXPECT_EQ(list[0].X, 1000.0f);
  EXPECT_EQ(list[1].Markiert, 1);
  EXPECT_EQ(list[2].Autoroute, 1);
  for (const TObjekt& e : list) EXPECT_EQ(e.Kopiert, 0);
}

TEST(MacroFile, SelectedOnlyWritesTheSelection) {
  ElementList list = SampleList();
  const TMacroData m = Parse(EncodeMacro(list, true, {1500, -2000}, "", ""));
  ASSERT_EQ(m.Elemente.size(), 1u);
  EXPECT_EQ(m.Elemente[0].Typ, otSmdPad);
  EXPECT_EQ(m.Elemente[0].Punkte[0], (TFloatPoint{-50, 25}));
}

TEST(MacroFile, WrittenThroughAFile) {
  ElementList list = SampleList();
  const std::string path = ::testing::TempDir() + "macro_write.lmk";
  ASSERT_TRUE(WriteMacroFile(path, list, false, {0, 0}, "a", "b").ok());
  TMacroData m;
  ASSERT_TRUE(ReadMacroFile(path, {}, m).ok());
  EXPECT_EQ(m.Elemente.size(), 5u);
  EXPECT_EQ(m.Text2, "b");
  std::remove(path.c_str());
  EXPECT_EQ(ReadMacroFile(path, {}, m).Kind, IoErrorKind::FileNotFound);
  EXPECT_TRUE(m.Elemente.empty());
  EXPECT_EQ(WriteMacroFile(::testing::TempDir() + "no such folder/x.lmk", list, false, {0, 0}, "", "").Kind,
            IoErrorKind::CannotWrite);
}

// --- old versions, built byte by byte ---

std::vector<uint8_t> OldMacro(int version, const std::vector<OldElement>& elements, const std::string& text1 = "",
                              const std::string& text2 = "") {
  if (version <= 2) {
    std::vector<uint8_t> file = fixtures::FileV0(version, 0, 0, elements);
    // Project files of these versions start with a board size that macros do not have.
    file.erase(file.begin() + 4, file.begin() + 12);
    return file;
  }
  Bytes b;
  b.Put<uint32_t>(0xFFAA3300u + static_cast<uint32_t>(version));
  b.Put<int32_t>(static_cast<int32_t>(elements.size()));
  for (const OldElement& e : elements) {
    b.Raw(version == 3 ? fixtures::RecordV3(e) : fixtures::RecordV4(e));
    if (version == 4) b.LongString(e.Text);
    b.Put<int32_t>(static_cast<int32_t>(e.Gruppen.size()));
    for (int32_t id : e.Gruppen) b.Put<int32_t>(id);
    if (e.Typ == otFlaeche || e.Typ == otLeiterbahn) fixtures::IntPoints(b, e);
    if (version == 4 && e.Typ == otText) {
      b.Put<int32_t>(static_cast<int32_t>(e.Striche.size()));
      for (const OldElement& s : e.Striche) {
        b.Raw(fixtures::RecordV4(s));
        fixtures::IntPoints(b, s);
      }
    }
    if (e.Typ == otLoetauge) b.Put<int32_t>(e.Partner);
  }
  for (const OldElement& e : elements)
    if (e.Typ == otLoetauge || (version == 4 && e.Typ == otSmdPad))
      b.Put<int32_t>(static_cast<int32_t>(e.Luftlinien.size()));
  if (version == 4) b.ShortString(text1, 50).ShortString(text2, 50);
  return std::move(b.Data());
}

OldElement OldTrack(uint8_t layer) {
  OldElement t;
  t.Typ = otLeiterbahn;
  t.Layer = layer;
  t.Wert1 = 30;
  t.Punkte = {{0, 0}, {100, 0}};
  return t;
}

OldElement OldPad(uint8_t layer, int32_t x) {
  OldElement p;
  p.Typ = otLoetauge;
  p.Layer = layer;
  p.Form = psCircular;
  p.X = x;
  p.Mass1 = 60;
  p.Mass2 = 30;
  return p;
}

TEST(MacroFile, OldVersionsMoveInnerLayerElementsOutward) {
  // Layer as stored -> layer after reading. Versions 0..3 also exchange the
  // copper sides, as their project files do; version 5 keeps every layer.
  struct Case {
    int version;
    uint8_t stored, expected;
  } cases[] = {
      {3, lyI2, lyS1}, {3, lyI1, lyC2}, {3, lyC1, lyC2}, {3, lyS2, lyS2}, {4, lyI2, lyS1},
      {4, lyI1, lyC2}, {4, lyC1, lyC1}, {2, lyI2, lyS1}, {0, lyC2, lyC1},
  };
  for (const Case& c : cases) {
    const TMacroData m = Parse(OldMacro(c.version, {OldTrack(c.stored)}));
    ASSERT_EQ(m.Elemente.size(), 1u) << c.version;
    EXPECT_EQ(m.Elemente[0].Layer, c.expected) << "version " << c.version << " layer " << int(c.stored);
    EXPECT_EQ(m.Version, c.version);
  }
  ElementList list;
  list.Add(fixtures::Track({{0, 0}, {1, 1}}, lyI2));
  EXPECT_EQ(Parse(EncodeMacro(list, false, {0, 0}, "", "")).Elemente[0].Layer, lyI2);
}

TEST(MacroFile, Version4HasTextLinesAndOlderVersionsHaveNone) {
  const TMacroData v4 = Parse(OldMacro(4, {OldTrack(lyC1)}, "DIL 8", "300 mil"));
  EXPECT_EQ(v4.Text1, "DIL 8");
  EXPECT_EQ(v4.Text2, "300 mil");
  const TMacroData v3 = Parse(OldMacro(3, {OldTrack(lyC1)}));
  EXPECT_TRUE(v3.Text1.empty() && v3.Text2.empty());
}

TEST(MacroFile, OldRecordsAreConverted) {
  // Version 3 twin pads become one through-plated pad with its outline.
  OldElement a = OldPad(lyC1, 0), b = OldPad(lyC2, 0), c = OldPad(lyC1, 500);
  a.Partner = 1;
  b.Partner = 0;
  const TMacroData v3 = Parse(OldMacro(3, {a, b, c}));
  ASSERT_EQ(v3.Elemente.size(), 2u);
  EXPECT_EQ(v3.Elemente[0].Durchkontaktiert, 1);
  EXPECT_EQ(v3.Elemente[1].Durchkontaktiert, 0);
  EXPECT_EQ(v3.Elemente[0].Punkte.size(), 2u);
  EXPECT_EQ(v3.Elemente[0].ThermalStempel, kThermalStamp);

  // A version-0 straight line (kind 1) becomes a track.
  OldElement line;
  line.Typ = otLinie;
  line.Layer = lyC1;
  line.X = 10;
  line.Y = -20;
  line.Mass1 = 110;
  line.Mass2 = -20;
  line.Wert1 = 25;
  const TMacroData v0 = Parse(OldMacro(0, {line, OldPad(lyC1, 5)}));
  ASSERT_EQ(v0.Elemente.size(), 2u);
  EXPECT_EQ(v0.Elemente[0].Typ, otLeiterbahn);
  EXPECT_EQ(v0.Elemente[0].Punkte, (std::vector<TFloatPoint>{{10, -20}, {110, -20}}));
  EXPECT_EQ(v0.Elemente[1].Punkte.size(), 2u);
}

TEST(MacroFile, ReadingCleansUp) {
  ElementList list;
  list.Add(fixtures::Track({{0, 0}}));  // a track with one point is removed
  TObjekt ring = CreateCircle({0, 0}, 50, 80, lyS1, psCircular);  // inner above outer: repaired
  list.Add(std::move(ring));
  const TMacroData m = Parse(EncodeMacro(list, false, {0, 0}, "", ""));
  ASSERT_EQ(m.Elemente.size(), 1u);
  EXPECT_EQ(m.Elemente[0].Mass1, 66.0f);
  EXPECT_EQ(m.Elemente[0].Mass2, 64.0f);
}

TEST(MacroFile, FontTextsAreConvertedOnRequest) {
  OldElement font;
  font.Typ = otFontText;
  font.Layer = lyS1;
  font.X = 100;
  font.Y = -100;
  font.Wert1 = -16;
  font.Text = "R1";
  TMacroReadOptions options;
  options.Editor.AktiverLayer = lyS1;
  const TMacroData converted = Parse(OldMacro(4, {font}), options);
  ASSERT_EQ(converted.Elemente.size(), 1u);
  EXPECT_EQ(converted.Elemente[0].Typ, otText);
  EXPECT_EQ(converted.Elemente[0].Text, "R1");
  EXPECT_FALSE(converted.Elemente[0].Striche.empty());
  options.ConvertFontTexts = false;
  const TMacroData kept = Parse(OldMacro(4, {font}), options);
  ASSERT_EQ(kept.Elemente.size(), 1u);
  EXPECT_EQ(kept.Elemente[0].Typ, otFontText);
}

// --- damaged files ---

void ExpectRejected(const std::vector<uint8_t>& bytes, IoErrorKind kind, const std::string& what) {
  TMacroData out;
  out.Elemente.Add(fixtures::Track({{0, 0}, {1, 1}}));  // left over from before: must go
  out.Text1 = "old";
  const IoError e = ParseMacro(bytes, "broken.lmk", {}, out);
  EXPECT_EQ(e.Kind, kind) << what << ": " << e.Describe();
  EXPECT_EQ(e.File, "broken.lmk") << what;
  EXPECT_NE(e.Describe().find("broken.lmk"), std::string::npos) << what;
  EXPECT_TRUE(out.Elemente.empty()) << what;
  EXPECT_TRUE(out.Text1.empty()) << what;
}

TEST(MacroFile, EveryShortenedFileIsRejected) {
  ElementList list = SampleList();
  const std::vector<uint8_t> v5 = EncodeMacro(list, false, {0, 0}, "t1", "t2");
  const std::vector<uint8_t> v3 = OldMacro(3, {OldPad(lyC1, 0), OldTrack(lyC1)});
  for (const auto* file : {&v5, &v3}) {
    for (std::size_t n = 0; n < file->size(); ++n) {
      std::vector<uint8_t> cut(file->begin(), file->begin() + static_cast<std::ptrdiff_t>(n));
      TMacroData out;
      const IoError e = ParseMacro(cut, "cut.lmk", {}, out);
      ASSERT_FALSE(e.ok()) << "cut at " << n << " of " << file->size();
      EXPECT_TRUE(out.Elemente.empty());
    }
  }
}

TEST(MacroFile, InconsistentFilesAreRejected) {
  ElementList list;
  TObjekt& pad = list.Add(CreatePad({0, 0}, lyC1, psCircular, 30, 60));
  pad.Text = "P";
  const std::vector<uint8_t> good = EncodeMacro(list, false, {0, 0}, "", "");
  ASSERT_TRUE(Parse(good).Elemente.size() == 1);
  const std::size_t count = 4, text = 8 + 77, connections = good.size() - 2 * 51 - 4;

  struct Case {
    const char* what;
    std::size_t at;
    std::vector<uint8_t> bytes;
    IoErrorKind kind;
  } cases[] = {
      {"newer version", 0, {0x06, 0x33, 0xAA, 0xFF}, IoErrorKind::NewerVersion},
      {"not a macro", 0, {0x00, 0x00, 0x00, 0x00}, IoErrorKind::NotLayoutFile},
      {"negative count", count, {0xFF, 0xFF, 0xFF, 0xFF}, IoErrorKind::BadValue},
      {"huge count", count, {0xFF, 0xFF, 0xFF, 0x7F}, IoErrorKind::CountTooLarge},
      {"text too long", text, {0x00, 0x01, 0x00, 0x00}, IoErrorKind::StringTooLong},
      {"connection count past the end", connections, {0x01, 0x00, 0x00, 0x00}, IoErrorKind::EndsEarly},
      {"text line too long", good.size() - 102, {51}, IoErrorKind::StringTooLong},
      {"unknown layer", 8 + 22, {9}, IoErrorKind::BadValue},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = good;
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.at));
    ExpectRejected(bytes, c.kind, c.what);
  }
  ExpectRejected({0x05, 0x33}, IoErrorKind::NotLayoutFile, "two bytes");
  // A version-4 pad whose centre is usable but whose outline, made on reading, is not.
  OldElement far = OldPad(lyC1, 536870000);
  far.Form = psSquare;
  far.Mass1 = 100000;
  ExpectRejected(OldMacro(4, {far}), IoErrorKind::BadValue, "outline beyond the coordinates");
}

TEST(MacroFile, ConnectionIndicesAreChecked) {
  // Two pads; the first names the second (kept) or an element beyond the list.
  for (int32_t index : {1, 2}) {
    Bytes b;
    ElementList list;
    list.Add(CreatePad({0, 0}, lyC1, psCircular, 30, 60));
    list.Add(CreatePad({200, 0}, lyC1, psCircular, 30, 60));
    std::vector<uint8_t> bytes = EncodeMacro(list, false, {0, 0}, "", "");
    // Replace the two zero counts by "1, index" and "0".
    const std::size_t at = bytes.size() - 2 * 51 - 8;
    bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at) + 8);
    b.Put<int32_t>(1).Put<int32_t>(index).Put<int32_t>(0);
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), b.Data().begin(), b.Data().end());
    TMacroData m;
    const IoError e = ParseMacro(bytes, "links.lmk", {}, m);
    if (index == 1) {
      ASSERT_TRUE(e.ok()) << e.Describe();
      ASSERT_EQ(m.Elemente[0].Luftlinien.size(), 1u);
      EXPECT_EQ(m.Elemente.IndexOf(m.Elemente[0].Luftlinien[0]), 1);
    } else {
      EXPECT_EQ(e.Kind, IoErrorKind::BadIndex);
      EXPECT_EQ(e.Element, 0);
      EXPECT_TRUE(m.Elemente.empty());
    }
  }
}

}  // namespace
}  // namespace corvane
