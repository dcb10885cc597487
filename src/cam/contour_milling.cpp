#include "cam/contour_milling.h"

#include <cmath>
#include <numbers>

#include "cam/origin_shift.h"
#include "core/layers.h"
#include "core/units.h"
#include "geom/element_bounds.h"

namespace corvane {

namespace {

bool IsContourElement(const TObjekt& e) {
  return e.Layer == lyO && (e.Typ == otLeiterbahn || e.Typ == otKreis);
}

void MillTrack(THpglProgram& program, const TObjekt& e) {
  if (e.Punkte.size() < 2) return;
  program.MoveTo(e.Punkte[0].x, e.Punkte[0].y);
  program.PenDown();
  for (std::size_t i = 1; i < e.Punkte.size(); ++i) program.MoveTo(e.Punkte[i].x, e.Punkte[i].y);
  program.PenUp();
}

void MillArc(THpglProgram& program, const TObjekt& e) {
  const double m = Rnd(e.Mass2 + (static_cast<double>(e.Mass1) - e.Mass2) / 2.0);
  const int n = ArcSegments(e);
  const double a0 = e.Wert2 * std::numbers::pi / 180.0;
  double a1 = e.Wert1 * std::numbers::pi / 180.0;
  if (e.Wert1 == e.Wert2) a1 += 2.0 * std::numbers::pi;
  double span = std::fabs(a0 - a1);
  if (a0 > a1) span = 2.0 * std::numbers::pi - span;
  for (int i = 0; i <= n; ++i) {
    const double a = a0 + span * i / n;
    program.MoveTo(Rnd(std::cos(a) * m + e.X), Rnd(std::sin(a) * m + e.Y));
    if (i == 0) program.PenDown();
  }
  program.PenUp();
}

}  // namespace

bool HasContourElements(const ElementList& list) {
  for (const TObjekt& e : list)
    if (IsContourElement(e)) return true;
  return false;
}

bool HasSelectedContourElements(const ElementList& list) {
  for (const TObjekt& e : list)
    if (IsContourElement(e) && e.Markiert) return true;
  return false;
}

int ArcSegments(const TObjekt& circle) {
  const int32_t m = Rnd(circle.Mass2 + (static_cast<double>(circle.Mass1) - circle.Mass2) / 2.0);
  // A (damaged) negative radius still yields a sane, positive count.
  return (m < 0 ? -m : m) / 100 + 30;
}

std::vector<std::string> ContourLines(const TPlatine& board, const TKonturFraesenOptions& options,
                                      double factor) {
  TIntRect bounds;
  if (auto b = ListBounds(board.Elemente, board.Kopf.LayerState())) bounds = *b;
  THpglProgram program(board.Kopf.Hoehe, factor, options.Spiegeln, bounds);
  program.Start();
  program.ReferenceMarks(options.Referenz);
  for (const TObjekt& e : board.Elemente) {
    if (e.Layer != lyO || (options.NurMarkierte && !e.Markiert)) continue;
    if (e.Typ == otLeiterbahn)
      MillTrack(program, e);
    else if (e.Typ == otKreis)
      MillArc(program, e);
  }
  return program.Lines();
}

TCamResult WriteContourFile(TPlatine& board, const TKonturFraesenOptions& options, double factor,
                            bool useOrigin, const std::string& path) {
  if (!HasContourElements(board.Elemente)) return TCamResult::Failure(kNoContourElements);
  std::vector<std::string> lines;
  {
    TOriginShift shift(board, useOrigin);
    lines = ContourLines(board, options, factor);
  }
  return WriteHpglFile(path, lines);
}

}  // namespace corvane
