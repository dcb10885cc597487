#include "cam/hpgl_file.h"

#include "cam/cam_file.h"
#include "core/units.h"

namespace corvane {

TPlotterPoint ToPlotter(double x, double y, int32_t boardHeight, double factor) {
  return {Rnd(x * factor), Rnd((y + boardHeight) * factor)};
}

int32_t ToPlotterLength(double r, double factor) { return Rnd(r * factor); }

TFloatPoint MirrorPoint(double x, double y, THpglMirror mirror, const TIntRect& bounds) {
  if (mirror == THpglMirror::Horizontal)
    x = static_cast<double>(bounds.left) + bounds.right - x;
  else if (mirror == THpglMirror::Vertical)
    y = static_cast<double>(bounds.bottom) + bounds.top - y;
  return {static_cast<float>(x), static_cast<float>(y)};
}

void THpglProgram::Start(bool pen2) {
  Command("IN;");
  if (pen2) Pen(2);
  Command("PT0;");
  PenUp();
}

void THpglProgram::MoveToPlotter(TPlotterPoint p) {
  Command("PA" + std::to_string(p.X) + "," + std::to_string(p.Y) + ";");
}

void THpglProgram::MoveTo(double x, double y) {
  // Mirrored in double precision so no float rounding creeps in before rnd.
  if (mirror_ == THpglMirror::Horizontal)
    x = static_cast<double>(bounds_.left) + bounds_.right - x;
  else if (mirror_ == THpglMirror::Vertical)
    y = static_cast<double>(bounds_.bottom) + bounds_.top - y;
  MoveToPlotter(ToPlotter(x, y, height_, factor_));
}

void THpglProgram::DrillMark(double x, double y) {
  MoveTo(x, y);
  PenDown();
  MoveTo(x, y);
  PenUp();
}

void THpglProgram::ReferenceMarks(const TReferenceMarks& marks) {
  const struct {
    bool on;
    int32_t x, y;
  } corners[] = {{marks.BottomLeft, bounds_.left, bounds_.top},
                 {marks.BottomRight, bounds_.right, bounds_.top},
                 {marks.TopLeft, bounds_.left, bounds_.bottom},
                 {marks.TopRight, bounds_.right, bounds_.bottom}};
  for (const auto& c : corners) {
    if (!c.on) continue;
    MoveToPlotter(ToPlotter(c.x, c.y, height_, factor_));
    PenDown();
    PenUp();
  }
}

TCamResult WriteHpglFile(const std::string& path, const std::vector<std::string>& lines) {
  TCamFile file;
  if (!file.Open(path)) return TCamResult::Failure(file.Error());
  for (const std::string& line : lines) file.Line(line);
  if (!file.Commit()) return TCamResult::Failure(file.Error());
  return TCamResult::Success();
}

}  // namespace corvane
