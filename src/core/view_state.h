#pragma once
// TViewState: the values of the active board that the main window holds while
// the board is shown (the board header keeps Sichtbar throughout).

#include <array>
#include <cstdint>
#include <string>

#include "core/layers.h"

namespace corvane {

struct TViewState {
  int32_t Breite = 16000;
  int32_t Hoehe = 10000;
  std::array<uint8_t, kLayerCount> MasseAn{0, 0, 0, 0, 0, 0, 0};
  double Raster = 127.0;
  double Zoom = 0.1;
  int32_t ScrollX = 0;
  int32_t ScrollY = 0;
  int32_t AktiverLayer = lyC2;
  uint8_t Innenlagen = 0;
  bool Sperrflaeche = false;  // the "Cutout" (keep-out) button is down

  // Scanned-copy dialog. While it does not exist its values are neither
  // stored into nor loaded from the board headers.
  bool VorlagenDialog = true;
  int32_t UrsprungX = 0;
  int32_t UrsprungY = 0;
  uint8_t Vorlage1Zeigen = 0;
  uint8_t Vorlage2Zeigen = 0;
  std::string Vorlage1Datei;
  std::string Vorlage2Datei;
  int32_t Vorlage1Dpi = 600;
  int32_t Vorlage2Dpi = 600;
  int32_t Vorlage1X = 0;
  int32_t Vorlage2X = 0;
  int32_t Vorlage1Y = 0;
  int32_t Vorlage2Y = 0;
  int32_t Vorlage1Farbe = 65280;
  int32_t Vorlage2Farbe = 65280;
};

// Zoom limits: at least 0.01; at most min(5, 64000 / max(W, H)) rounded to
// 0.001 (never below the lower limit), which keeps the board below 64 000 pixels.
inline constexpr double kMinZoom = 0.01;
double MaxZoomForBoard(int32_t width, int32_t height);

}  // namespace corvane
