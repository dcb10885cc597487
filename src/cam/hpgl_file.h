#pragma once
// The HPGL dialect of the milling outputs: plotter coordinates, the command
// lines, reference marks and mirroring, and the file writing.

#include <cstdint>
#include <string>
#include <vector>

#include "cam/cam_result.h"
#include "core/float_point.h"
#include "geom/int_point.h"

namespace corvane {

// Plotter units per world unit: 0.4 (0.025 mm), or 0.3937 with the setting
// "HPGL scaling with 0,3937 instead of 0.4".
inline constexpr double kHpglFactor = 0.4;
inline constexpr double kHpglSpecialFactor = 0.3937;
inline double HpglFactor(bool special) { return special ? kHpglSpecialFactor : kHpglFactor; }

struct TPlotterPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPlotterPoint&, const TPlotterPoint&) = default;
};

// A world point to plotter units: (rnd(x f), rnd((y + H) f)).
TPlotterPoint ToPlotter(double x, double y, int32_t boardHeight, double factor);
// A world length (radius) to plotter units: rnd(r f).
int32_t ToPlotterLength(double r, double factor);

enum class THpglMirror { None, Horizontal, Vertical };

// Mirrors a world point inside the bounds: horizontal maps x to
// left + right - x, vertical maps y to top + bottom - y.
TFloatPoint MirrorPoint(double x, double y, THpglMirror mirror, const TIntRect& bounds);

// The reference marks that are switched on.
struct TReferenceMarks {
  bool BottomLeft = false;
  bool BottomRight = false;
  bool TopLeft = false;
  bool TopRight = false;
  friend bool operator==(const TReferenceMarks&, const TReferenceMarks&) = default;
};

// The lines of one HPGL program (without line ends).
class THpglProgram {
 public:
  THpglProgram(int32_t boardHeight, double factor, THpglMirror mirror, const TIntRect& bounds)
      : height_(boardHeight), factor_(factor), mirror_(mirror), bounds_(bounds) {}

  void Command(std::string line) { lines_.push_back(std::move(line)); }
  void PenUp() { Command("PU;"); }
  void PenDown() { Command("PD;"); }
  void Pen(int n) { Command("SP" + std::to_string(n) + ";"); }
  // "IN;", optionally "SP2;", then "PT0;" and "PU;".
  void Start(bool pen2 = false);
  // "PA" of a world point, mirrored as chosen and converted.
  void MoveTo(double x, double y);
  // "PA" of a plotter point as given.
  void MoveToPlotter(TPlotterPoint p);
  // "CI" of a radius already in plotter units.
  void Circle(int32_t r) { Command("CI" + std::to_string(r) + ";"); }
  // A drill mark at a world point: "PA", "PD;", "PA", "PU;".
  void DrillMark(double x, double y);
  // For each switched-on mark, in the order bottom/left, bottom/right,
  // top/left, top/right: "PA" corner (converted, never mirrored), "PD;", "PU;".
  void ReferenceMarks(const TReferenceMarks& marks);

  double Factor() const { return factor_; }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  int32_t height_;
  double factor_;
  THpglMirror mirror_;
  TIntRect bounds_;
  std::vector<std::string> lines_;
};

// Writes the lines, each ending with "\r\n", completely or not at all.
TCamResult WriteHpglFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace corvane
