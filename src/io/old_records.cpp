#include "io/old_records.h"

#include <cstring>
#include <limits>

#include "core/byte_order.h"
#include "io/lay_format.h"

namespace corvane {

namespace {

void SetCommonDefaults(TObjekt& e) {
  e.Autoroute = 0;
  e.Schalter1 = 0;
  e.Schalter2 = 0;
  e.Sperrflaeche = 0;
  e.Name.clear();
  e.Hervorgehoben = 0;
  e.Loetstopp = IsAnyPad(e) ? 1 : 0;
}

bool GetRecordText(const uint8_t* at, TObjekt& e) {
  e.Text.clear();
  if (e.Typ != otFontText) return true;
  if (at[0] > kOldRecordTextLength) return false;
  e.Text.assign(reinterpret_cast<const char*>(at + 1), at[0]);
  return true;
}

float I32Single(const uint8_t* at) { return static_cast<float>(GetLE<int32_t>(at)); }

}  // namespace

bool ConvertRecordV0(const uint8_t* r, TObjekt& e) {
  e.Typ = r[0];
  e.X = GetLE<int16_t>(r + 1);
  e.Y = GetLE<int16_t>(r + 3);
  e.Mass1 = GetLE<int16_t>(r + 5);
  e.Mass2 = GetLE<int16_t>(r + 7);
  e.Wert1 = GetLE<int16_t>(r + 9);
  e.Markiert = r[11];
  e.Layer = r[12];
  e.Form = r[13];
  e.AltGruppe = GetLE<int16_t>(r + 34);
  e.Merker = r[36];
  e.Wert2 = GetLE<int16_t>(r + 37);
  SetCommonDefaults(e);
  return GetRecordText(r + 14, e);
}

bool ConvertRecordV3(const uint8_t* r, TObjekt& e) {
  e.Typ = r[0];
  e.X = I32Single(r + 1);
  e.Y = I32Single(r + 5);
  e.Mass1 = I32Single(r + 9);
  e.Mass2 = I32Single(r + 13);
  e.Wert1 = GetLE<int32_t>(r + 17);
  e.Markiert = r[21];
  e.Layer = r[22];
  e.Form = r[23];
  e.AltGruppe = GetLE<int16_t>(r + 44);
  e.Merker = r[46];
  e.Wert2 = GetLE<int32_t>(r + 47);
  e.Fuellung = r[56];
  e.Freistanz = GetLE<int32_t>(r + 57);
  SetCommonDefaults(e);
  return GetRecordText(r + 24, e);
}

void ConvertRecordV4(const uint8_t* r, TObjekt& e) {
  e.Typ = r[0];
  e.X = I32Single(r + 1);
  e.Y = I32Single(r + 5);
  e.Mass1 = I32Single(r + 9);
  e.Mass2 = I32Single(r + 13);
  e.Wert1 = GetLE<int32_t>(r + 17);
  e.Markiert = r[21];
  e.Layer = r[22];
  e.Form = r[23];
  e.AltGruppe = GetLE<int16_t>(r + 28);
  e.Merker = r[30];
  e.Wert2 = GetLE<int32_t>(r + 31);
  e.Fuellung = r[40];
  e.Freistanz = GetLE<int32_t>(r + 41);
  SetCommonDefaults(e);
  e.Autoroute = r[53];
  e.Sperrflaeche = r[56];
  if (e.Typ == otText) {
    e.Schalter1 = r[54];
    e.Schalter2 = r[55];
    // Version 4 stored the text angle in quarter turns.
    e.Wert3 = (e.Wert2 >= 0 && e.Wert2 <= 3) ? e.Wert2 * 90 : 0;
  }
}

namespace {

// Fields common to the headers of versions 3 and 4.
void ConvertCommonHeader(const uint8_t* old, uint8_t* h) {
  std::memcpy(h, old, 12);      // list reference, width, height
  h[12] = old[12];              // ground plane layer 1
  h[14] = old[13];              // ground plane layer 3
  std::memcpy(h + 19, old + 14, 28);   // grid, zoom, scroll positions, active layer
  std::memset(h + 47, 1, kLayerCount); // visibility
  h[54] = old[46];
  h[55] = old[47];
  std::memcpy(h + 56, old + 48, 201);   // template file names
  std::memcpy(h + 257, old + 249, 201);
  std::memcpy(h + 458, old + 450, 32);  // template settings
}

}  // namespace

BoardHeaderImage ConvertHeaderV3(const uint8_t* old) {
  BoardHeaderImage image{};
  ConvertCommonHeader(old, image.data());
  return image;
}

bool ConvertHeaderV4(const uint8_t* old, BoardHeaderImage& image) {
  image.fill(0);
  uint8_t* h = image.data();
  ConvertCommonHeader(old, h);
  std::memcpy(h + 47, old + 42, 4);  // visibility of layers 1..4
  const int64_t x = static_cast<int64_t>(GetLE<int32_t>(old + 482)) * 1000;
  const int64_t y = static_cast<int64_t>(GetLE<int32_t>(old + 486)) * 1000;
  constexpr int64_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
  if (x < lo || x > hi || y < lo || y > hi) return false;
  PutLE<int32_t>(h + 490, static_cast<int32_t>(x));
  PutLE<int32_t>(h + 494, static_cast<int32_t>(y));
  return true;
}

}  // namespace corvane
