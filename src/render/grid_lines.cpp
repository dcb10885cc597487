#include "render/grid_lines.h"

#include <algorithm>
#include <cmath>

#include "core/units.h"

namespace corvane {

namespace {

struct TRange {
  double Low;
  double High;
  bool Contains(double v) const { return v >= Low && v <= High; }
};

struct TSteps {
  int64_t First;
  int64_t Last;
};

// The line numbers 0..count whose offset k*g may lie within low..high, with one
// line of slack on each side for rounding; the caller still tests each line.
TSteps StepsInside(double low, double high, double g, int64_t count) {
  const double first = std::max(std::floor(low / g) - 1.0, 0.0);
  const double last = std::min(std::ceil(high / g) + 1.0, static_cast<double>(count));
  if (!(first <= last)) return {0, -1};
  return {static_cast<int64_t>(first), static_cast<int64_t>(last)};
}

uint32_t Channel(uint32_t colour, int shift) { return (colour >> shift) & 0xFFu; }

}  // namespace

uint32_t OriginLineColour(uint32_t gridColour) {
  const uint32_t r = Channel(gridColour, 0);
  const uint32_t g = Channel(gridColour, 8);
  const uint32_t red = r >= 196 ? 255 : r + 60;
  const uint32_t green = g >= 196 ? 255 : g + 60;
  const uint32_t blue = g >= 176 ? 255 : g + 80;  // blue follows the grid's green channel
  return red | (green << 8) | (blue << 16);
}

TGridPicture GridLines(const TBoardView& view, const TIntRect& clip, uint32_t gridColour) {
  TGridPicture pic;
  pic.OriginColour = OriginLineColour(gridColour);
  if (!view.GridVisible()) return pic;

  const double zoom = view.Zoom();
  const double W = view.BoardWidth();
  const double H = view.BoardHeight();
  const double g = view.Grid();

  // One pixel in world units, at least one unit.
  const double px = std::max(1.0 / zoom, 1.0);
  const int32_t pxUnits = Rnd(px);

  // The repaint rectangle, widened so that lines on its border are drawn.
  const double widen = 2.0 * pxUnits + 1;
  const TRange clipX{std::min(clip.left, clip.right) - widen, std::max(clip.left, clip.right) + widen};
  const TRange clipY{std::min(clip.top, clip.bottom) - widen, std::max(clip.top, clip.bottom) + widen};

  // The visible part in world units, one pixel and more beyond each edge.
  const double x0 = Rnd(view.HPos() / zoom) - pxUnits;
  const double xSpan = Rnd(view.VisibleWidth() / zoom) + 2.0 * pxUnits;
  const double y0 = Rnd(view.VPos() / zoom) - pxUnits;
  const double ySpan = Rnd(view.VisibleHeight() / zoom) + 2.0 * pxUnits;
  const TRange visX = view.Mirrored() ? TRange{W - (x0 + xSpan), W - x0} : TRange{x0, x0 + xSpan};
  const TRange visY{-(y0 + ySpan), -y0};

  const double ox = view.OriginX() / 1000.0;
  const double oy = view.OriginY() / 1000.0;

  if (std::isfinite(g) && g > 0.0 && 4.0 * pxUnits < g) {
    const double offx = ox - g * std::trunc(ox / g);
    const double offy = oy - g * std::trunc(oy / g);
    // Grid steps from the first line (k = 0) to the origin's line.
    const int64_t originStepX = static_cast<int64_t>(std::trunc(ox / g));
    const int64_t originStepY = static_cast<int64_t>(std::trunc(oy / g));
    const int m = view.GridMark();
    const int32_t plainWidth = m > 0 ? 0 : pxUnits;
    const int32_t markWidth = Rnd(2.0 / zoom) + 1;
    auto widthFor = [&](int64_t stepsFromOrigin) {
      return m > 0 && stepsFromOrigin % m == 0 ? markWidth : plainWidth;
    };

    const int64_t rows = static_cast<int64_t>(std::trunc((H - 1) / g));
    const TSteps rowSteps = StepsInside(offy - clipY.High, offy - clipY.Low, g, rows);
    for (int64_t k = rowSteps.First; k <= rowSteps.Last; ++k) {
      const double y = offy - static_cast<double>(k) * g;
      if (!clipY.Contains(y)) continue;
      pic.Lines.push_back({false, Rnd(y), Rnd(visX.Low), Rnd(visX.High), widthFor(k + originStepY)});
    }
    const int64_t columns = static_cast<int64_t>(std::trunc((W - 1) / g));
    const TSteps columnSteps = StepsInside(clipX.Low - offx, clipX.High - offx, g, columns);
    for (int64_t k = columnSteps.First; k <= columnSteps.Last; ++k) {
      const double x = Rnd(static_cast<double>(k) * g + offx);
      if (!clipX.Contains(x)) continue;
      pic.Lines.push_back({true, Rnd(x), Rnd(visY.Low), Rnd(visY.High), widthFor(k - originStepX)});
    }
  }

  const double originX = Rnd(ox);
  const double originY = Rnd(oy);
  if (visX.Contains(originX))
    pic.OriginLines.push_back({true, Rnd(originX), Rnd(visY.Low), Rnd(visY.High), 0});
  if (visY.Contains(originY))
    pic.OriginLines.push_back({false, Rnd(originY), Rnd(visX.Low), Rnd(visX.High), 0});
  return pic;
}

}  // namespace corvane
