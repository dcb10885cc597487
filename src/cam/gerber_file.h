#pragma once
// TGerberFile: writes layout elements as one RS-274X (Extended Gerber) file,
// format 3.2 in millimetres, so an output coordinate is a world unit.
//
// Apertures are made on demand while the image is written, so the image goes
// to a temporary body file first; Finish writes header lines, aperture
// definitions and body into the output file, which appears completely or not
// at all (TCamFile).

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cam/cam_file.h"
#include "core/objekt.h"
#include "geom/int_point.h"

namespace corvane {

// One aperture. kind 0 = round drawing aperture (size = diameter), 1 = round
// flash aperture (size = outer radius; hole only tells pads apart).
struct TBlende {
  uint8_t Kind = 0;
  int32_t Code = 0;
  int32_t Hole = 0;
  int32_t Size = 0;
};

class TGerberFile {
 public:
  TGerberFile() = default;
  TGerberFile(const TGerberFile&) = delete;
  TGerberFile& operator=(const TGerberFile&) = delete;
  ~TGerberFile();

  std::string Path = "GERBER.GBR";
  bool Mirror = false;
  int32_t MirrorWidth = 0;  // mirrored output X = MirrorWidth - X
  int32_t YOffset = 0;      // added to every Y taken from an element

  // Creates the output and the body file and writes the header; false (with
  // Error) when either cannot be created.
  bool Start(std::string_view layerName);
  void MoveTo(int32_t x, int32_t y);
  void LineTo(int32_t x, int32_t y);
  // Selects (and if needed defines) the round drawing aperture of diameter w.
  void Penwidth(int32_t w);
  // Flashes the round flash aperture (hole, size) at the current point.
  void FlashRound(int32_t hole, int32_t size);
  // Flashes the selected aperture at the current point.
  void Flash();
  void RegionStart();
  void RegionEnd();
  void ClearPolarity();
  void DarkPolarity();
  void StartHoleLayer();
  // Writes one element enlarged by grow on every side; the element itself is
  // not touched.
  void PlotObjekt(const TObjekt& e, int32_t grow, bool clearancePass);
  void PlotThermalPad(const TObjekt& pad);
  void PlotThermalSMD(const TObjekt& smd);
  // Assembles and puts the output file in place; false (with Error) when
  // anything could not be written. The body file is removed either way.
  bool Finish();

  const std::vector<TBlende>& Blenden() const { return blenden_; }
  const std::string& Error() const { return error_; }

 private:
  void Body(std::string_view line);
  void FlushBody();
  int32_t FindBlende(uint8_t kind, int32_t hole, int32_t size);
  void SelectBlende(int32_t code);
  TIntPoint Out(TFloatPoint p) const;  // element point -> output point (before mirroring)
  void Polygon(const std::vector<TFloatPoint>& points, bool asRegion);
  void PlotPad(const TObjekt& pad, int32_t grow);
  void PlotGrown(const TObjekt& e, bool clearancePass);
  void Arc(TIntPoint c, TIntPoint s, TIntPoint e, bool filled);
  void CloseBody();

  TCamFile out_;
  std::FILE* body_ = nullptr;
  std::string bodyPath_;
  std::string bodyBuffer_;
  bool bodyFailed_ = false;
  std::vector<std::string> header_;
  std::vector<TBlende> blenden_;
  int32_t nextCode_ = 10;
  std::string error_;
};

// The aperture size in millimetres with two decimals and "." ("0.25",
// "-1.05"), independent of the locale.
std::string GerberMillimetres(int64_t hundredths);

}  // namespace corvane
