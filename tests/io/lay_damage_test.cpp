// Damaged or hostile files load nothing: the project stays as it was and the
// error names the file and the place. What the readers repair is no damage.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/byte_order.h"
#include "core/disk_image.h"
#include "io/lay_load.h"
#include "io/lay_write.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

// A one-board file with a pad (element 0), a track (1) and a text (2).
TProject SmallProject() {
  TProject p;
  p.NewProject(1);
  ElementList& list = p.ActiveElements();
  list.Add(CreatePad({500, -500}, lyC1, psCircular, 30, 60));
  list.Add(fixtures::Track({{100, -100}, {900, -900}}));
  list.Add(fixtures::Text("A", {1000, -1000}, lyS1));
  p.Modified = false;
  return p;
}

// Byte offsets inside the encoded SmallProject.
constexpr std::size_t kBoard = 8;                          // board block
constexpr std::size_t kElementCount = kBoard + 31 + 499;  // i32 element count
constexpr std::size_t kPad = kElementCount + 4;           // pad's disk image
constexpr std::size_t kPadText = kPad + 77;               // pad's Text length

// The project a failed load must leave untouched.
TProject Existing() {
  TProject p;
  p.NewProject(1);
  p.ActiveElements().Add(fixtures::Track({{1, -1}, {2, -2}}));
  p.Info.Title = "existing";
  p.Modified = true;
  return p;
}

void ExpectRejectedUnchanged(const std::vector<uint8_t>& bytes, IoErrorKind kind, const std::string& what) {
  TProject p = Existing();
  const std::vector<uint8_t> before = EncodeLayout(p);
  const TLoadResult r = LoadLayoutBytes(bytes, "/some/dir/damaged.lay", p, {});
  EXPECT_EQ(r.Error.Kind, kind) << what << ": " << r.Error.Describe();
  EXPECT_EQ(r.Error.File, "/some/dir/damaged.lay") << what;
  EXPECT_TRUE(EncodeLayout(p) == before) << what;
  EXPECT_TRUE(p.Modified) << what;
}

TEST(LayDamage, EveryShortenedFileIsRejected) {
  const std::vector<uint8_t> full = EncodeLayout(SmallProject());
  for (std::size_t n = 0; n < full.size(); ++n) {
    const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    TProject p = Existing();
    const std::vector<uint8_t> before = EncodeLayout(p);
    const TLoadResult r = LoadLayoutBytes(cut, "cut.lay", p, {});
    ASSERT_FALSE(r.ok()) << n;
    // A count read near the cut already finds too few bytes behind it.
    if (n < 4)
      EXPECT_EQ(r.Error.Kind, IoErrorKind::NotLayoutFile) << n;
    else
      EXPECT_TRUE(r.Error.Kind == IoErrorKind::EndsEarly || r.Error.Kind == IoErrorKind::CountTooLarge) << n;
    EXPECT_LE(r.Error.Offset, static_cast<int64_t>(n)) << n;
    ASSERT_TRUE(EncodeLayout(p) == before) << n;
  }
}

TEST(LayDamage, TheErrorSaysWhere) {
  std::vector<uint8_t> b = EncodeLayout(SmallProject());
  PutLE<int32_t>(&b[kPadText], 300);  // the pad's text is longer than its field
  TProject p;
  const TLoadResult r = LoadLayoutBytes(b, "where.lay", p, {});
  EXPECT_EQ(r.Error.Kind, IoErrorKind::StringTooLong);
  EXPECT_EQ(r.Error.Board, 0);
  EXPECT_EQ(r.Error.Element, 0);
  EXPECT_EQ(r.Error.Offset, static_cast<int64_t>(kPadText));
  EXPECT_EQ(r.Error.Field, "Text");
  EXPECT_EQ(r.Error.Version, 5);
  EXPECT_NE(r.Error.Describe().find("where.lay"), std::string::npos);
}

TEST(LayDamage, InconsistentFilesAreRejected) {
  const std::vector<uint8_t> good = EncodeLayout(SmallProject());
  const std::size_t trackAt = kPadText + 4 + 4 + 4 + 4 + 2 * 8;  // after strings, groups, 2 points
  const struct {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    IoErrorKind kind;
  } cases[] = {
      {"board count beyond the file", [](auto& b) { PutLE<int32_t>(&b[4], 0x7FFFFFFF); }, IoErrorKind::CountTooLarge},
      {"no boards", [](auto& b) { PutLE<int32_t>(&b[4], 0); }, IoErrorKind::BadValue},
      {"negative board count", [](auto& b) { PutLE<int32_t>(&b[4], -1); }, IoErrorKind::BadValue},
      {"board name of 31", [](auto& b) { b[kBoard] = 31; }, IoErrorKind::StringTooLong},
      {"template name of 201", [](auto& b) { b[kBoard + 31 + 257] = 201; }, IoErrorKind::StringTooLong},
      {"element count beyond the file", [](auto& b) { PutLE<int32_t>(&b[kElementCount], 1 << 30); },
       IoErrorKind::CountTooLarge},
      {"point count beyond the file", [](auto& b) { PutLE<int32_t>(&b[kPadText + 12], 0x10000000); },
       IoErrorKind::CountTooLarge},
      {"group count beyond the file", [](auto& b) { PutLE<int32_t>(&b[kPadText + 8], 0x7FFFFFF0); },
       IoErrorKind::CountTooLarge},
      {"name longer than 255", [](auto& b) { PutLE<int32_t>(&b[kPadText + 4], 256); }, IoErrorKind::StringTooLong},
      {"element kind 9", [](auto& b) { b[kPad] = 9; }, IoErrorKind::BadValue},
      {"kind 1 in version 5", [](auto& b) { b[trackAt] = otLinie; }, IoErrorKind::BadValue},
      {"layer 8", [](auto& b) { b[kPad + 22] = 8; }, IoErrorKind::BadValue},
      {"pad shape 10 with outline points", [](auto& b) { b[kPad + 23] = 10; }, IoErrorKind::BadValue},
      {"pad shape with other point count", [](auto& b) { b[kPad + 23] = psSquare; }, IoErrorKind::BadValue},
      {"NaN position",
       [](auto& b) { PutLE<float>(&b[kPad + 1], std::numeric_limits<float>::quiet_NaN()); }, IoErrorKind::BadValue},
      {"huge size", [](auto& b) { PutLE<float>(&b[kPad + 9], 3e30f); }, IoErrorKind::BadValue},
      {"infinite point",
       [](auto& b) { PutLE<float>(&b[kPadText + 16], std::numeric_limits<float>::infinity()); },
       IoErrorKind::BadValue},
      {"huge track width", [=](auto& b) { PutLE<int32_t>(&b[trackAt + 17], 2000000000); }, IoErrorKind::BadValue},
      {"board width 0", [](auto& b) { PutLE<int32_t>(&b[kBoard + 31 + 4], 0); }, IoErrorKind::BadValue},
      {"grid NaN",
       [](auto& b) { PutLE<double>(&b[kBoard + 31 + 19], std::numeric_limits<double>::quiet_NaN()); },
       IoErrorKind::BadValue},
      {"zoom 0", [](auto& b) { PutLE<double>(&b[kBoard + 31 + 27], 0.0); }, IoErrorKind::BadValue},
      {"active layer 9", [](auto& b) { PutLE<int32_t>(&b[kBoard + 31 + 43], 9); }, IoErrorKind::BadValue},
      {"template resolution 0", [](auto& b) { PutLE<int32_t>(&b[kBoard + 31 + 458], 0); }, IoErrorKind::BadValue},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> b = good;
    c.damage(b);
    ExpectRejectedUnchanged(b, c.kind, c.what);
  }
}

// A file whose single board holds exactly the given elements and blocks.
std::vector<uint8_t> OneBoardFile(const std::function<void(fixtures::Bytes&)>& elements, int32_t active = 0) {
  fixtures::Bytes b;
  b.Put<uint32_t>(0xFFAA3305u).Put<int32_t>(1).ShortString("B", 30);
  const BoardHeaderImage h = EncodeBoardHeader(TPlatinenKopf{});
  b.Raw(std::vector<uint8_t>(h.begin(), h.end()));
  elements(b);
  b.Put<int32_t>(active).ShortString("", 100).ShortString("", 100).ShortString("", 100).Put<int32_t>(0);
  return std::move(b.Data());
}

void PutElement(fixtures::Bytes& b, const TObjekt& e, int32_t textLength = 0) {
  const ElementDiskImage image = EncodeElement(e);
  b.Raw(std::vector<uint8_t>(image.begin(), image.end()));
  b.Put<int32_t>(textLength).Put<int32_t>(0).Put<int32_t>(0);  // Text, Name, no groups
  if (IsAnyPad(e) || e.Typ == otLeiterbahn || e.Typ == otFlaeche) {
    b.Put<int32_t>(static_cast<int32_t>(e.Punkte.size()));
    for (const TFloatPoint& p : e.Punkte) b.Put<float>(p.x).Put<float>(p.y);
  }
  if (e.Typ == otText) b.Put<int32_t>(0);
}

TObjekt Pad() { return CreatePad({500, -500}, lyC1, psCircular, 30, 60); }

TEST(LayDamage, IndicesOutsideTheListAreRejected) {
  const struct {
    const char* what;
    int32_t connection, routeStart, active;
    IoErrorKind kind;
  } cases[] = {
      {"connection to index 2 of 2", 2, 0, 0, IoErrorKind::BadIndex},
      {"connection to index -1", -1, 0, 0, IoErrorKind::BadIndex},
      {"autoroute link to index 2 of 2", 0, 2, 0, IoErrorKind::BadIndex},
      {"active board 1 of 1", 0, 0, 1, IoErrorKind::BadIndex},
      {"active board -1", 0, 0, -1, IoErrorKind::BadIndex},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> bytes = OneBoardFile(
        [&](fixtures::Bytes& b) {
          b.Put<int32_t>(2);
          PutElement(b, Pad());
          TObjekt track = fixtures::Track({{0, 0}, {10, -10}});
          track.Autoroute = 1;
          PutElement(b, track);
          b.Put<int32_t>(1).Put<int32_t>(c.connection);   // the pad's connections
          b.Put<int32_t>(c.routeStart).Put<int32_t>(-1);  // the track's links
        },
        c.active);
    ExpectRejectedUnchanged(bytes, c.kind, c.what);
  }
}

TEST(LayDamage, WhatTheReaderRepairsIsNoDamage) {
  TObjekt kind0;
  kind0.Typ = otNone;
  kind0.Layer = lyC1;
  TObjekt layer0 = fixtures::Track({{0, 0}, {1, 1}}, lyNone);
  TObjekt shortTrack = fixtures::Track({{0, 0}});
  TObjekt emptyText;
  emptyText.Typ = otText;
  emptyText.Layer = lyS1;
  TObjekt circle = CreateCircle({100, -100}, 40, 60, lyC1, psCircular);  // radii reversed
  TObjekt smd = CreateSmdPad({300, -300}, 50, 40, lyC2);
  smd.ThermalStempel = 7;
  TObjekt track = fixtures::Track({{0, 0}, {10, -10}});
  track.Autoroute = 1;
  const std::vector<uint8_t> bytes = OneBoardFile([&](fixtures::Bytes& b) {
    b.Put<int32_t>(7);
    PutElement(b, kind0);
    PutElement(b, layer0);
    PutElement(b, shortTrack);
    PutElement(b, emptyText, -5);  // a negative length is an empty string
    PutElement(b, circle);
    PutElement(b, smd);
    PutElement(b, track);
    b.Put<int32_t>(0);                           // the SMD pad's connections
    b.Put<int32_t>(-1).Put<int32_t>(-1);         // the track's links
  });
  TProject p;
  const TLoadResult r = LoadLayoutBytes(bytes, "repaired.lay", p, {});
  ASSERT_TRUE(r.ok()) << r.Error.Describe();
  const ElementList& list = p.ActiveElements();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Typ, otKreis);
  EXPECT_EQ(list[0].Mass1, 51.0f);  // mid radius 50
  EXPECT_EQ(list[0].Mass2, 49.0f);
  EXPECT_EQ(list[1].ThermalStempel, kThermalStamp);
  EXPECT_EQ(list[2].RouteStart, kNoRef);
}

TEST(LayDamage, CleanUpDropsConnectionsToRemovedPads) {
  TObjekt badPad = Pad();
  badPad.Layer = lyNone;  // removed after reading
  const std::vector<uint8_t> bytes = OneBoardFile([&](fixtures::Bytes& b) {
    b.Put<int32_t>(2);
    PutElement(b, Pad());
    PutElement(b, badPad);
    b.Put<int32_t>(1).Put<int32_t>(1);
    b.Put<int32_t>(1).Put<int32_t>(0);
  });
  TProject p;
  ASSERT_TRUE(LoadLayoutBytes(bytes, "pads.lay", p, {}).ok());
  ASSERT_EQ(p.ActiveElements().size(), 1u);
  EXPECT_TRUE(p.ActiveElements()[0].Luftlinien.empty());
}

TEST(LayDamage, AutorouteLinksOfOtherKindsAreReadPast) {
  // The writer stores links for every element with Autoroute set; only
  // tracks keep them.
  TObjekt pad = Pad();
  pad.Autoroute = 1;
  const std::vector<uint8_t> bytes = OneBoardFile([&](fixtures::Bytes& b) {
    b.Put<int32_t>(1);
    PutElement(b, pad);
    b.Put<int32_t>(0);
    b.Put<int32_t>(0).Put<int32_t>(0);
  });
  TProject p;
  const TLoadResult r = LoadLayoutBytes(bytes, "pad.lay", p, {});
  ASSERT_TRUE(r.ok()) << r.Error.Describe();
  EXPECT_EQ(p.ActiveElements()[0].RouteStart, kNoRef);
}

TEST(LayDamage, AHugeCountFailsWithoutAllocating) {
  // 12 bytes claim two billion boards; the count is refused before anything
  // is reserved (an allocation of that size would abort under the sanitizers).
  fixtures::Bytes b;
  b.Put<uint32_t>(0xFFAA3305u).Put<int32_t>(0x7FFFFFFF).Put<int32_t>(0);
  TProject p;
  EXPECT_EQ(LoadLayoutBytes(b.Data(), "huge.lay", p, {}).Error.Kind, IoErrorKind::CountTooLarge);
}

}  // namespace
}  // namespace corvane
