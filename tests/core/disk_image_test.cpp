#include <gtest/gtest.h>

#include <cstring>

#include "core/byte_order.h"
#include "core/disk_image.h"

namespace corvane {
namespace {

TObjekt FilledElement() {
  TObjekt e;
  e.Typ = otLoetauge;
  e.X = 1234.5f;
  e.Y = -678.25f;
  e.Mass1 = 80.0f;
  e.Mass2 = 40.0f;
  e.Wert1 = -7;
  e.Markiert = 1;
  e.Layer = 3;
  e.Form = 9;
  e.AltGruppe = -2;
  e.Merker = 5;
  e.Wert2 = 0x55;
  e.Fuellung = 1;
  e.Freistanz = 40;
  e.Autoroute = 1;
  e.Schalter1 = 1;
  e.Schalter2 = 1;
  e.Sperrflaeche = 1;
  e.Wert3 = 150;
  e.Durchkontaktiert = 1;
  e.Loetstopp = 1;
  e.ThermalStempel = kThermalStamp;
  e.Punkte = {{1, 2}, {3, 4}};
  e.Gruppen = {3};
  return e;
}

TEST(DiskImage, FieldsSitAtTheirOffsetsLittleEndian) {
  const ElementDiskImage b = EncodeElement(FilledElement());
  ASSERT_EQ(b.size(), 77u);
  EXPECT_EQ(b[0], otLoetauge);
  EXPECT_EQ(GetLE<float>(&b[1]), 1234.5f);
  EXPECT_EQ(GetLE<float>(&b[5]), -678.25f);
  EXPECT_EQ(GetLE<float>(&b[9]), 80.0f);
  EXPECT_EQ(GetLE<float>(&b[13]), 40.0f);
  EXPECT_EQ(GetLE<int32_t>(&b[17]), -7);
  EXPECT_EQ(b[21], 1);
  EXPECT_EQ(b[22], 3);
  EXPECT_EQ(b[23], 9);
  EXPECT_EQ(GetLE<int16_t>(&b[28]), -2);
  EXPECT_EQ(b[30], 5);
  EXPECT_EQ(GetLE<int32_t>(&b[31]), 0x55);
  EXPECT_EQ(b[40], 1);
  EXPECT_EQ(GetLE<int32_t>(&b[41]), 40);
  EXPECT_EQ(b[49], 1);
  EXPECT_EQ(b[50], 1);
  EXPECT_EQ(b[51], 1);
  EXPECT_EQ(b[52], 1);
  EXPECT_EQ(GetLE<int32_t>(&b[53]), 150);
  EXPECT_EQ(b[57], 1);
  EXPECT_EQ(b[58], 1);
  EXPECT_EQ(GetLE<uint32_t>(&b[62]), kThermalStamp);
  // Explicit little-endian byte order of one value.
  EXPECT_EQ(b[62], 0x15);
  EXPECT_EQ(b[63], 0xCD);
  EXPECT_EQ(b[64], 0x5B);
  EXPECT_EQ(b[65], 0x07);
}

TEST(DiskImage, ReservedAndReferenceBytesAreZero) {
  const ElementDiskImage b = EncodeElement(FilledElement());
  const int zeroRanges[][2] = {{24, 27}, {35, 38}, {39, 39}, {45, 48}, {59, 61}, {66, 76}};
  for (const auto& r : zeroRanges)
    for (int i = r[0]; i <= r[1]; ++i) EXPECT_EQ(b[i], 0) << "byte " << i;
}

TEST(DiskImage, DecodeReadsBackEveryDiskField) {
  const TObjekt src = FilledElement();
  const ElementDiskImage b = EncodeElement(src);
  TObjekt back;
  DecodeElement(b.data(), back);
  EXPECT_EQ(EncodeElement(back), b);
  EXPECT_TRUE(back.Punkte.empty());  // lists are not part of the image
  EXPECT_TRUE(back.Gruppen.empty());
}

TEST(DiskImage, DecodeIgnoresReservedAndReferenceBytes) {
  ElementDiskImage b = EncodeElement(FilledElement());
  for (int i : {24, 25, 26, 27, 35, 39, 45, 48, 59, 60, 61, 66, 70, 76}) b[i] = 0xAB;
  TObjekt back;
  DecodeElement(b.data(), back);
  EXPECT_EQ(EncodeElement(back), EncodeElement(FilledElement()));
}

}  // namespace
}  // namespace corvane
