#include "render/ruler_ticks.h"

#include <cmath>

#include "core/units.h"
#include "render/number_format.h"

namespace corvane {

namespace {

// World units per tick: 0.1 mm or 10 mil.
constexpr double kMmTickStep = 10.0;
constexpr double kMilTickStep = 25.4;
constexpr int kMmLabelDigits = 3;
constexpr int kMilLabelDigits = 5;
// The vertical ruler's ticks sit two pixels lower than the board's rows.
constexpr double kVerticalRulerShift = 2.0;
constexpr double kMaxTickCounter = 1e12;

}  // namespace

int RulerLabelPeriod(double zoom, TUnitMode unit) {
  // Pixels per mm, or per 100 mil.
  const int32_t e = unit == umMil ? Rnd(zoom * 254.0) : Rnd(zoom * 100.0);
  if (e < 5) return 500;
  if (e < 20) return 100;
  if (e < 50) return 50;
  return 10;
}

std::string RulerLabel(int64_t g, TUnitMode unit) {
  if (unit == umMil) return FormatGeneral(10.0 * static_cast<double>(g), kMilLabelDigits);
  return FormatGeneral(static_cast<double>(g) / 10.0, kMmLabelDigits);
}

std::vector<TRulerTick> RulerTicks(const TRulerParams& p) {
  std::vector<TRulerTick> ticks;
  const double step = p.Unit == umMil ? kMilTickStep : kMmTickStep;
  const double pixelsPerTick = p.Zoom * step;
  if (!(pixelsPerTick > 0.0) || !std::isfinite(pixelsPerTick) || p.Length < 0) return ticks;

  const bool horizontal = p.Kind == rkHorizontal;
  // Position of tick g: g * pixelsPerTick + shift.
  const double shift = horizontal ? -(p.Scroll - static_cast<double>(p.AreaLeft)) + p.Origin * p.Zoom
                                  : -(p.Scroll - kVerticalRulerShift) - p.Origin * p.Zoom;
  if (!std::isfinite(shift)) return ticks;
  // The ticks on 0..Length and one more step beyond each end.
  const double firstTick = std::ceil(-shift / pixelsPerTick) - 1.0;
  const double lastTick = std::floor((p.Length - shift) / pixelsPerTick) + 1.0;
  // Far more ticks than pixels, or counters out of range, come only from nonsense input.
  if (!(std::fabs(firstTick) < kMaxTickCounter) || !(std::fabs(lastTick) < kMaxTickCounter) ||
      lastTick - firstTick > 10.0 * (p.Length + 3))
    return ticks;
  const int64_t first = static_cast<int64_t>(firstTick);
  const int64_t last = static_cast<int64_t>(lastTick);

  const int64_t t = RulerLabelPeriod(p.Zoom, p.Unit);
  const int32_t longTick = horizontal ? kHorizontalLongTick : kVerticalLongTick;
  for (int64_t g = first; g <= last; ++g) {
    TRulerTick tick;
    tick.Position = Rnd(static_cast<double>(g) * pixelsPerTick + shift);
    bool labelled = false;
    if (g % t == 0) {
      tick.Length = longTick;
      labelled = true;
    } else if (t == 10 || t == 100) {
      if (2 * g % t == 0)
        tick.Length = kMediumTick;
      else if (10 * g % t == 0)
        tick.Length = kShortTick;
    } else if (5 * g % t == 0) {
      tick.Length = kShortTick;
    }
    if (tick.Length == 0) continue;
    if (labelled && (horizontal ? tick.Position >= kHorizontalLabelStart : tick.Position >= 0))
      tick.Label = RulerLabel(g, p.Unit);
    ticks.push_back(std::move(tick));
  }
  return ticks;
}

std::vector<TRulerTick> HorizontalRulerTicks(const TBoardView& view, int32_t length, int32_t areaLeft) {
  TRulerParams p;
  p.Kind = rkHorizontal;
  p.Length = length;
  p.Zoom = view.Zoom();
  p.Scroll = view.HPos();
  p.Origin = view.OriginX() / 1000.0;
  p.Unit = view.Unit();
  p.AreaLeft = areaLeft;
  return RulerTicks(p);
}

std::vector<TRulerTick> VerticalRulerTicks(const TBoardView& view, int32_t length) {
  TRulerParams p;
  p.Kind = rkVertical;
  p.Length = length;
  p.Zoom = view.Zoom();
  p.Scroll = view.VPos();
  p.Origin = view.OriginY() / 1000.0;
  p.Unit = view.Unit();
  return RulerTicks(p);
}

}  // namespace corvane
