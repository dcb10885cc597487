#include "cam/drill_list.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/layers.h"
#include "core/units.h"

namespace corvane {

int32_t DrillDiameter(const TObjekt& e) { return Rnd(2.0 * static_cast<double>(e.Mass2)); }

bool IsDrilledPad(const TObjekt& e, const TDrillFilter& filter) {
  if (e.Typ != otLoetauge || !IsCopperLayer(e.Layer) || DrillDiameter(e) < 1) return false;
  return e.Durchkontaktiert == 1 ? filter.Plated : filter.Unplated;
}

std::vector<int32_t> DrillDiameters(const ElementList& list, const TDrillFilter& filter) {
  std::vector<int32_t> result;
  for (const TObjekt& e : list)
    if (IsDrilledPad(e, filter)) result.push_back(DrillDiameter(e));
  std::sort(result.begin(), result.end());
  result.erase(std::unique(result.begin(), result.end()), result.end());
  return result;
}

std::vector<const TObjekt*> DrillPads(const ElementList& list, std::optional<int32_t> diameter,
                                      const TDrillFilter& filter) {
  std::vector<const TObjekt*> pads;
  for (const TObjekt& e : list)
    if (IsDrilledPad(e, filter) && (!diameter || DrillDiameter(e) == *diameter))
      pads.push_back(&e);
  return pads;
}

std::vector<const TObjekt*> DrillPath(const ElementList& list, std::optional<int32_t> diameter,
                                      int32_t boardHeight, const TDrillFilter& filter) {
  std::vector<const TObjekt*> left = DrillPads(list, diameter, filter);
  std::vector<const TObjekt*> path;
  path.reserve(left.size());
  double cx = 0.0;
  double cy = -static_cast<double>(boardHeight);
  while (!left.empty()) {
    std::size_t best = 0;
    double bestDist = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < left.size(); ++i) {
      const double dx = left[i]->X - cx;
      const double dy = left[i]->Y - cy;
      const double d = dx * dx + dy * dy;
      if (d < bestDist) {  // strictly smaller: the first found keeps a tie
        bestDist = d;
        best = i;
      }
    }
    path.push_back(left[best]);
    cx = left[best]->X;
    cy = left[best]->Y;
    left.erase(left.begin() + static_cast<std::ptrdiff_t>(best));
  }
  return path;
}

namespace {

std::string RightAligned(const std::string& s, std::size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

// D / 100 with two decimals, formatted from integers so no locale is involved.
std::string MmText(int32_t d) {
  const int64_t v = d;
  const int64_t a = v < 0 ? -v : v;
  std::string frac = std::to_string(a % 100);
  if (frac.size() < 2) frac = "0" + frac;
  return (v < 0 ? "-" : "") + std::to_string(a / 100) + "." + frac;
}

const char* TotalWord(int language) {
  switch (language) {
    case 0: return " Bohrungen";
    case 2: return " percages";
    default: return " drilings";
  }
}

}  // namespace

std::string DrillListText(const ElementList& list, const TDrillFilter& filter, bool mil,
                          int language) {
  std::string text;
  std::size_t total = 0;
  for (int32_t d : DrillDiameters(list, filter)) {
    const std::size_t count = DrillPads(list, d, filter).size();
    total += count;
    const std::string size = mil ? std::to_string(Rnd(d / kWorldUnitsPerMil)) + " mil"
                                 : MmText(d) + " mm";
    text += RightAligned(std::to_string(count), 4) + " x " + RightAligned(size, 8) + "\n";
  }
  text += std::string(16, '-') + "\n";
  text += RightAligned(std::to_string(total), 4) + TotalWord(language) + "\n";
  return text;
}

}  // namespace corvane
