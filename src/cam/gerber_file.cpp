#include "cam/gerber_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <numbers>

#include "core/element_ops.h"
#include "core/units.h"
#include "geom/grow_shrink.h"
#include "geom/hatch_segments.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom/spoke_mask.h"

namespace corvane {

namespace {

constexpr std::size_t kBodyChunk = 1 << 20;

void AppendInt(std::string& s, int64_t v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  s.append(buf, r.ptr);
}

std::string Coord(char a, int64_t x, char b, int64_t y, std::string_view tail) {
  std::string s;
  s.reserve(32);
  s += a;
  AppendInt(s, x);
  s += b;
  AppendInt(s, y);
  s += tail;
  return s;
}

}  // namespace

std::string GerberMillimetres(int64_t hundredths) {
  std::string s;
  if (hundredths < 0) s += '-';
  const uint64_t v = hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v / 100);
  s.append(buf, r.ptr);
  s += '.';
  s += static_cast<char>('0' + (v % 100) / 10);
  s += static_cast<char>('0' + v % 10);
  return s;
}

TGerberFile::~TGerberFile() { CloseBody(); }

void TGerberFile::CloseBody() {
  if (body_ != nullptr) {
    std::fclose(body_);
    body_ = nullptr;
  }
  if (!bodyPath_.empty()) {
    ::unlink(bodyPath_.c_str());
    bodyPath_.clear();
  }
}

bool TGerberFile::Start(std::string_view layerName) {
  CloseBody();
  out_.Abandon();
  error_.clear();
  blenden_.clear();
  header_.clear();
  bodyBuffer_.clear();
  bodyFailed_ = false;
  nextCode_ = 10;
  if (!out_.Open(Path)) {
    error_ = out_.Error();
    return false;
  }
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) folder = "/tmp";
  std::string pattern = (folder / "corvane-gerber-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd >= 0) {
    bodyPath_ = name.data();
    body_ = ::fdopen(fd, "w+b");
    if (body_ == nullptr) ::close(fd);
  }
  if (body_ == nullptr) {
    error_ = "cannot create the temporary file for \"" + Path + "\": " + std::strerror(errno);
    CloseBody();
    out_.Abandon();
    return false;
  }
  header_ = {"%FSLAX32Y32*%", "%MOMM*%", "%LN" + std::string(layerName) + "*%", "G71*", "G01*"};
  Body("%LPD*%");
  return true;
}

void TGerberFile::FlushBody() {
  if (body_ == nullptr || bodyBuffer_.empty()) return;
  if (!bodyFailed_ && std::fwrite(bodyBuffer_.data(), 1, bodyBuffer_.size(), body_) != bodyBuffer_.size()) {
    bodyFailed_ = true;
    error_ = "cannot write the temporary file for \"" + Path + "\": " + std::strerror(errno);
  }
  bodyBuffer_.clear();
}

void TGerberFile::Body(std::string_view line) {
  if (body_ == nullptr) return;
  bodyBuffer_ += line;
  bodyBuffer_ += "\r\n";
  if (bodyBuffer_.size() >= kBodyChunk) FlushBody();
}

void TGerberFile::MoveTo(int32_t x, int32_t y) {
  Body(Coord('X', Mirror ? int64_t{MirrorWidth} - x : x, 'Y', y, "D02*"));
}

void TGerberFile::LineTo(int32_t x, int32_t y) {
  Body(Coord('X', Mirror ? int64_t{MirrorWidth} - x : x, 'Y', y, "D01*"));
}

int32_t TGerberFile::FindBlende(uint8_t kind, int32_t hole, int32_t size) {
  // An aperture cannot have a negative diameter; an element shrunk beyond its
  // own size is written with a zero aperture.
  size = std::max(size, 0);
  for (const TBlende& b : blenden_)
    if (b.Kind == kind && b.Hole == hole && b.Size == size) return b.Code;
  blenden_.push_back({kind, nextCode_, hole, size});
  return nextCode_++;
}

void TGerberFile::SelectBlende(int32_t code) {
  std::string s = "G54D";
  AppendInt(s, code);
  s += '*';
  Body(s);
}

void TGerberFile::Penwidth(int32_t w) { SelectBlende(FindBlende(0, 0, w)); }

void TGerberFile::FlashRound(int32_t hole, int32_t size) {
  SelectBlende(FindBlende(1, hole, size));
  Flash();
}

void TGerberFile::Flash() { Body("D03*"); }

void TGerberFile::RegionStart() { Body("G36*"); }
void TGerberFile::RegionEnd() { Body("G37*"); }
void TGerberFile::ClearPolarity() { Body("%LPC*%"); }
void TGerberFile::DarkPolarity() { Body("%LPD*%"); }

void TGerberFile::StartHoleLayer() {
  Body("%LNAUGENFREISTANZEN*%");
  Body("%LPC*%");
}

TIntPoint TGerberFile::Out(TFloatPoint p) const {
  const int64_t y = int64_t{Rnd(p.y)} + YOffset;
  return {Rnd(p.x), static_cast<int32_t>(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX))};
}

// A closed outline: every point, then the first again unless the last equals it.
void TGerberFile::Polygon(const std::vector<TFloatPoint>& points, bool asRegion) {
  if (points.empty()) return;
  const TIntPoint first = Out(points.front());
  if (asRegion) RegionStart();
  MoveTo(first.x, first.y);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const TIntPoint p = Out(points[i]);
    LineTo(p.x, p.y);
  }
  if (!(Out(points.back()) == first)) LineTo(first.x, first.y);
  if (asRegion) RegionEnd();
}

void TGerberFile::PlotPad(const TObjekt& pad, int32_t grow) {
  const TFloatPoint centre{pad.X, pad.Y};
  switch (pad.Form) {
    case psCircular: {
      const TIntPoint c = Out(centre);
      MoveTo(c.x, c.y);
      FlashRound(Rnd(pad.Mass2), Rnd(double{pad.Mass1} + grow));
      break;
    }
    case psRoundedH:
    case psRoundedV: {
      if (pad.Punkte.size() < 2) return;
      Penwidth(2 * Rnd(double{pad.Mass1} + grow));
      const TIntPoint a = Out(pad.Punkte[0]), b = Out(pad.Punkte[1]);
      MoveTo(a.x, a.y);
      LineTo(b.x, b.y);
      break;
    }
    case psOctagon:
    case psSquare:
    case psOctagonH:
    case psRectangleH:
    case psOctagonV:
    case psRectangleV: {
      const std::size_t n = pad.Punkte.size();
      const std::size_t index = IsOctagonShape(pad.Form) ? 2 : 1;
      if (n <= index) return;
      std::vector<TFloatPoint> corners = pad.Punkte;
      if (grow > 0) {
        const double a = DirectionAngle(pad.Punkte[index - 1], pad.Punkte[index]) * 180 / std::numbers::pi;
        const TPadOutline outline = PadShapePoints(centre, grow, pad.Mass1, pad.Form);
        for (std::size_t i = 0; i < n; ++i)
          corners[i] = TurnClockwise(outline.points[std::min<std::size_t>(i, outline.points.size() - 1)], centre, a);
      }
      Polygon(corners, true);
      break;
    }
    default:
      break;
  }
}

void TGerberFile::Arc(TIntPoint c, TIntPoint s, TIntPoint e, bool filled) {
  if (Mirror) {
    c.x = MirrorWidth - c.x;
    s.x = MirrorWidth - s.x;
    e.x = MirrorWidth - e.x;
    std::swap(s, e);  // the mirrored arc keeps running counter-clockwise
  }
  std::string move = Coord('X', s.x, 'Y', s.y, "D02*");
  move.insert(0, "G01");
  std::string arc = Coord('X', e.x, 'Y', e.y, "");
  arc.insert(0, "G03");
  arc += Coord('I', int64_t{c.x} - s.x, 'J', int64_t{c.y} - s.y, "D01*");
  Body("G75*");
  Body(move);
  Body(arc);
  Body("G01*");
  if (filled) {
    Body("G36*");
    Body("G75*");
    Body(move);
    Body(arc);
    Body("G01*");
    Body("G37*");
    Body(Coord('X', s.x, 'Y', s.y, "D01*"));
  }
}

// Writes an element that has already been grown (pads excepted).
void TGerberFile::PlotGrown(const TObjekt& e, bool clearancePass) {
  switch (e.Typ) {
    case otFlaeche: {
      if (e.Punkte.empty()) return;
      if (e.Schalter1 == 0 || e.Sperrflaeche != 0 || clearancePass) {
        // A region needs an area; a zone of one or two points only gets its border.
        if (e.Punkte.size() >= 3) Polygon(e.Punkte, true);
      } else {
        const int32_t d = HatchSpacing(e);
        Penwidth(d / 2);
        for (const THatchSegment& seg : HatchSegments(e, d)) {
          MoveTo(seg.a.x, static_cast<int32_t>(int64_t{seg.a.y} + YOffset));
          LineTo(seg.b.x, static_cast<int32_t>(int64_t{seg.b.y} + YOffset));
        }
      }
      Penwidth(e.Wert1);
      Polygon(e.Punkte, false);
      break;
    }
    case otKreis: {
      const int32_t pen = Rnd(double{e.Mass1} - e.Mass2);
      const double r = e.Mass1 - Rnd(pen / 2.0);
      const TFloatPoint centre{e.X, e.Y};
      const TIntPoint s = Out(PointOnCircle(centre, e.Wert2, r));
      const TIntPoint end = Out(PointOnCircle(centre, e.Wert1, r));
      const TIntPoint c{Rnd(e.X), Rnd(double{e.Y} + YOffset)};
      Penwidth(pen);
      Arc(c, s, end, e.Fuellung != 0);
      break;
    }
    case otLeiterbahn: {
      if (e.Punkte.empty()) return;
      Penwidth(e.Wert1);
      const TIntPoint first = Out(e.Punkte.front());
      MoveTo(first.x, first.y);
      for (std::size_t i = 1; i < e.Punkte.size(); ++i) {
        const TIntPoint p = Out(e.Punkte[i]);
        LineTo(p.x, p.y);
      }
      break;
    }
    case otSmdPad: {
      if (!HasSmdCorners(e)) return;
      const TSmdCorners c = SmdCorners(e.Punkte, e.Mass1, e.Mass2);
      Polygon({c.begin(), c.end()}, true);
      break;
    }
    default:
      break;
  }
}

void TGerberFile::PlotObjekt(const TObjekt& e, int32_t grow, bool clearancePass) {
  switch (e.Typ) {
    case otLoetauge:
      if (!clearancePass && IsHoleOnly(e)) return;
      PlotPad(e, grow);
      return;
    case otText:
      // Each stroke is grown by its own call, so the text is grown once.
      for (const TObjekt& stroke : e.Striche) PlotObjekt(stroke, grow, clearancePass);
      return;
    case otFlaeche:
    case otKreis:
    case otLeiterbahn:
    case otSmdPad:
      break;
    default:
      return;
  }
  if (grow == 0) {
    PlotGrown(e, clearancePass);
    return;
  }
  // Grown on a copy: shrinking back in float arithmetic need not give the
  // same bits, and the board must stay exactly as it was.
  TObjekt grown = e;
  GrowElement(grown, 2 * grow);
  PlotGrown(grown, clearancePass);
}

void TGerberFile::PlotThermalPad(const TObjekt& pad) {
  Penwidth(PadSpokeWidth(pad));
  const TIntPoint c = Out({pad.X, pad.Y});
  for (int i = 1; i <= 8; ++i) {
    if (!SpokeSet(pad.Wert2, i)) continue;
    const TIntPoint end = Out(PadSpokeEnd(pad, i));
    MoveTo(end.x, end.y);
    LineTo(c.x, c.y);
  }
}

void TGerberFile::PlotThermalSMD(const TObjekt& smd) {
  Penwidth(SmdSpokeWidth(smd));
  const TIntPoint c = Out(SmdCentre(smd));
  for (int i = 1; i <= 8; ++i) {
    if (!SpokeSet(smd.Wert2, i)) continue;
    const TIntPoint end = Out(SmdSpokeEnd(smd, i));
    MoveTo(end.x, end.y);
    LineTo(c.x, c.y);
  }
}

bool TGerberFile::Finish() {
  if (body_ == nullptr || !out_.IsOpen()) {
    if (error_.empty()) error_ = "\"" + Path + "\" was not started";
    return false;
  }
  Body("M02*");
  FlushBody();
  if (!bodyFailed_ && std::fflush(body_) != 0) {
    bodyFailed_ = true;
    error_ = "cannot write the temporary file for \"" + Path + "\": " + std::strerror(errno);
  }
  if (bodyFailed_) {
    CloseBody();
    out_.Abandon();
    return false;
  }
  for (const TBlende& b : blenden_) {
    std::string s = "%ADD";
    AppendInt(s, b.Code);
    s += "C, ";
    s += GerberMillimetres(b.Kind == 0 ? int64_t{b.Size} : int64_t{b.Size} * 2);
    s += "*%";
    header_.push_back(std::move(s));
  }
  for (const std::string& line : header_) out_.Line(line);
  std::rewind(body_);
  std::vector<char> buf(kBodyChunk);
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), body_)) > 0) out_.Write({buf.data(), n});
  const bool readFailed = std::ferror(body_) != 0;
  CloseBody();
  if (readFailed) {
    error_ = "cannot read the temporary file for \"" + Path + "\"";
    out_.Abandon();
    return false;
  }
  if (!out_.Commit()) {
    error_ = out_.Error();
    return false;
  }
  return true;
}

}  // namespace corvane
