#include <gtest/gtest.h>

#include "core/board_header.h"
#include "core/byte_order.h"

namespace corvane {
namespace {

TPlatinenKopf DistinctHeader() {
  TPlatinenKopf h;
  h.Breite = 12345;
  h.Hoehe = 6789;
  h.MasseAn = {1, 0, 1, 0, 0, 1, 0};
  h.Raster = 63.5;
  h.Zoom = 0.237;
  h.ScrollX = -17;
  h.ScrollY = 4242;
  h.AktiverLayer = 6;
  h.Sichtbar = {1, 0, 1, 1, 0, 1, 0};
  h.Vorlage1Zeigen = 1;
  h.Vorlage2Zeigen = 0;
  h.Vorlage1Datei = "C:\\scan\\top.bmp";
  h.Vorlage2Datei = std::string(200, 'b');
  h.Vorlage1Dpi = 1200;
  h.Vorlage2Dpi = 20;
  h.Vorlage1X = -3000;
  h.Vorlage2X = 3000;
  h.Vorlage1Y = 15;
  h.Vorlage2Y = -15;
  h.Vorlage1Farbe = 0x00FF0000;
  h.Vorlage2Farbe = 0x000000FF;
  h.UrsprungX = 1270000;
  h.UrsprungY = -2540000;
  h.Innenlagen = 1;
  return h;
}

TEST(BoardHeader, DefaultsSitAtTheirOffsets) {
  const BoardHeaderImage b = EncodeBoardHeader(TPlatinenKopf{});
  ASSERT_EQ(b.size(), 499u);
  EXPECT_EQ(GetLE<uint32_t>(&b[0]), 0u);  // list reference
  EXPECT_EQ(GetLE<int32_t>(&b[4]), 16000);
  EXPECT_EQ(GetLE<int32_t>(&b[8]), 10000);
  for (int i = 12; i <= 18; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(GetLE<double>(&b[19]), 127.0);
  EXPECT_EQ(GetLE<double>(&b[27]), 0.1);
  EXPECT_EQ(GetLE<int32_t>(&b[35]), 0);
  EXPECT_EQ(GetLE<int32_t>(&b[39]), 0);
  EXPECT_EQ(GetLE<int32_t>(&b[43]), 3);
  for (int i = 47; i <= 53; ++i) EXPECT_EQ(b[i], 1) << i;
  EXPECT_EQ(b[56], 0);
  EXPECT_EQ(b[257], 0);
  EXPECT_EQ(GetLE<int32_t>(&b[458]), 600);
  EXPECT_EQ(GetLE<int32_t>(&b[462]), 600);
  EXPECT_EQ(GetLE<int32_t>(&b[482]), 65280);
  EXPECT_EQ(GetLE<int32_t>(&b[486]), 65280);
  EXPECT_EQ(b[498], 0);
}

TEST(BoardHeader, EveryFieldSurvivesEncodeAndDecode) {
  const TPlatinenKopf h = DistinctHeader();
  const BoardHeaderImage b = EncodeBoardHeader(h);
  EXPECT_EQ(b[56], h.Vorlage1Datei.size());
  EXPECT_EQ(GetLE<int32_t>(&b[490]), 1270000);
  EXPECT_EQ(GetLE<int32_t>(&b[494]), -2540000);
  EXPECT_EQ(b[52], 1);  // Sichtbar of layer 6
  EXPECT_EQ(b[17], 1);  // MasseAn of layer 6
  TPlatinenKopf back;
  ASSERT_TRUE(DecodeBoardHeader(b.data(), back));
  EXPECT_EQ(back, h);
}

TEST(BoardHeader, TemplateNamesAreShortStringsOf200) {
  TPlatinenKopf h;
  h.Vorlage1Datei = std::string(230, 'x');
  BoardHeaderImage b = EncodeBoardHeader(h);
  EXPECT_EQ(b[56], 200);
  TPlatinenKopf back;
  ASSERT_TRUE(DecodeBoardHeader(b.data(), back));
  EXPECT_EQ(back.Vorlage1Datei, std::string(200, 'x'));

  for (int at : {56, 257}) {
    BoardHeaderImage bad = EncodeBoardHeader(TPlatinenKopf{});
    bad[static_cast<std::size_t>(at)] = 201;
    TPlatinenKopf untouched = DistinctHeader();
    EXPECT_FALSE(DecodeBoardHeader(bad.data(), untouched)) << at;
    EXPECT_EQ(untouched, DistinctHeader()) << at;
  }
}

TEST(BoardHeader, LayerStateComesFromTheHeader) {
  const TPlatinenKopf h = DistinctHeader();
  const TLayerState s = h.LayerState();
  EXPECT_EQ(s.AktiverLayer, 6);
  EXPECT_TRUE(s.Visible(lyC1));
  EXPECT_FALSE(s.Visible(lyS1));
  EXPECT_TRUE(s.GroundPlaneOn(lyI2));
  EXPECT_FALSE(s.GroundPlaneOn(lyS1));
}

}  // namespace
}  // namespace corvane
