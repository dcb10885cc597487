#include "core/board_header.h"

#include <algorithm>
#include <cstring>

#include "core/byte_order.h"

namespace corvane {

namespace {

// Byte offsets of the header fields.
namespace off {
constexpr int Breite = 4, Hoehe = 8, MasseAn = 12, Raster = 19, Zoom = 27, ScrollX = 35, ScrollY = 39,
              AktiverLayer = 43, Sichtbar = 47, Vorlage1Zeigen = 54, Vorlage2Zeigen = 55, Vorlage1Datei = 56,
              Vorlage2Datei = 257, Vorlage1Dpi = 458, Vorlage2Dpi = 462, Vorlage1X = 466, Vorlage2X = 470,
              Vorlage1Y = 474, Vorlage2Y = 478, Vorlage1Farbe = 482, Vorlage2Farbe = 486, UrsprungX = 490,
              UrsprungY = 494, Innenlagen = 498;
}  // namespace off

void PutName(uint8_t* at, const std::string& name) {
  const std::size_t n = std::min(name.size(), kTemplateNameLength);
  at[0] = static_cast<uint8_t>(n);
  std::memcpy(at + 1, name.data(), n);
}

bool GetName(const uint8_t* at, std::string& name) {
  if (at[0] > kTemplateNameLength) return false;
  name.assign(reinterpret_cast<const char*>(at + 1), at[0]);
  return true;
}

}  // namespace

TLayerState TPlatinenKopf::LayerState() const {
  TLayerState s;
  s.Sichtbar = Sichtbar;
  s.MasseAn = MasseAn;
  s.AktiverLayer = AktiverLayer;
  return s;
}

BoardHeaderImage EncodeBoardHeader(const TPlatinenKopf& h) {
  BoardHeaderImage b{};
  uint8_t* p = b.data();
  PutLE<int32_t>(p + off::Breite, h.Breite);
  PutLE<int32_t>(p + off::Hoehe, h.Hoehe);
  std::memcpy(p + off::MasseAn, h.MasseAn.data(), kLayerCount);
  PutLE<double>(p + off::Raster, h.Raster);
  PutLE<double>(p + off::Zoom, h.Zoom);
  PutLE<int32_t>(p + off::ScrollX, h.ScrollX);
  PutLE<int32_t>(p + off::ScrollY, h.ScrollY);
  PutLE<int32_t>(p + off::AktiverLayer, h.AktiverLayer);
  std::memcpy(p + off::Sichtbar, h.Sichtbar.data(), kLayerCount);
  p[off::Vorlage1Zeigen] = h.Vorlage1Zeigen;
  p[off::Vorlage2Zeigen] = h.Vorlage2Zeigen;
  PutName(p + off::Vorlage1Datei, h.Vorlage1Datei);
  PutName(p + off::Vorlage2Datei, h.Vorlage2Datei);
  PutLE<int32_t>(p + off::Vorlage1Dpi, h.Vorlage1Dpi);
  PutLE<int32_t>(p + off::Vorlage2Dpi, h.Vorlage2Dpi);
  PutLE<int32_t>(p + off::Vorlage1X, h.Vorlage1X);
  PutLE<int32_t>(p + off::Vorlage2X, h.Vorlage2X);
  PutLE<int32_t>(p + off::Vorlage1Y, h.Vorlage1Y);
  PutLE<int32_t>(p + off::Vorlage2Y, h.Vorlage2Y);
  PutLE<int32_t>(p + off::Vorlage1Farbe, h.Vorlage1Farbe);
  PutLE<int32_t>(p + off::Vorlage2Farbe, h.Vorlage2Farbe);
  PutLE<int32_t>(p + off::UrsprungX, h.UrsprungX);
  PutLE<int32_t>(p + off::UrsprungY, h.UrsprungY);
  p[off::Innenlagen] = h.Innenlagen;
  return b;
}

bool DecodeBoardHeader(const uint8_t* p, TPlatinenKopf& out) {
  TPlatinenKopf h;
  if (!GetName(p + off::Vorlage1Datei, h.Vorlage1Datei) || !GetName(p + off::Vorlage2Datei, h.Vorlage2Datei))
    return false;
  h.Breite = GetLE<int32_t>(p + off::Breite);
  h.Hoehe = GetLE<int32_t>(p + off::Hoehe);
  std::memcpy(h.MasseAn.data(), p + off::MasseAn, kLayerCount);
  h.Raster = GetLE<double>(p + off::Raster);
  h.Zoom = GetLE<double>(p + off::Zoom);
  h.ScrollX = GetLE<int32_t>(p + off::ScrollX);
  h.ScrollY = GetLE<int32_t>(p + off::ScrollY);
  h.AktiverLayer = GetLE<int32_t>(p + off::AktiverLayer);
  std::memcpy(h.Sichtbar.data(), p + off::Sichtbar, kLayerCount);
  h.Vorlage1Zeigen = p[off::Vorlage1Zeigen];
  h.Vorlage2Zeigen = p[off::Vorlage2Zeigen];
  h.Vorlage1Dpi = GetLE<int32_t>(p + off::Vorlage1Dpi);
  h.Vorlage2Dpi = GetLE<int32_t>(p + off::Vorlage2Dpi);
  h.Vorlage1X = GetLE<int32_t>(p + off::Vorlage1X);
  h.Vorlage2X = GetLE<int32_t>(p + off::Vorlage2X);
  h.Vorlage1Y = GetLE<int32_t>(p + off::Vorlage1Y);
  h.Vorlage2Y = GetLE<int32_t>(p + off::Vorlage2Y);
  h.Vorlage1Farbe = GetLE<int32_t>(p + off::Vorlage1Farbe);
  h.Vorlage2Farbe = GetLE<int32_t>(p + off::Vorlage2Farbe);
  h.UrsprungX = GetLE<int32_t>(p + off::UrsprungX);
  h.UrsprungY = GetLE<int32_t>(p + off::UrsprungY);
  h.Innenlagen = p[off::Innenlagen];
  out = std::move(h);
  return true;
}

}  // namespace corvane
