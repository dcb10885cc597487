#include "geom/transforms.h"

#include <algorithm>
#include <cmath>

#include "core/units.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/spoke_mask.h"

namespace corvane {

namespace {

void MovePoint(TFloatPoint& p, double dx, double dy) { p = MakePoint(p.x + dx, p.y + dy); }

void MovePosition(TObjekt& e, double dx, double dy) {
  e.X = static_cast<float>(e.X + dx);
  e.Y = static_cast<float>(e.Y + dy);
}

void TurnPosition(TObjekt& e, TFloatPoint pivot, double deg) {
  const TFloatPoint p = RotatePoint({e.X, e.Y}, pivot, -deg);
  e.X = p.x;
  e.Y = p.y;
}

void TurnPoints(TObjekt& e, TFloatPoint pivot, double deg) {
  for (TFloatPoint& p : e.Punkte) p = RotatePoint(p, pivot, -deg);
}

float Reflect(float v, double axis) { return static_cast<float>(2 * axis - v); }

// rnd(deg) brought into -359..359; angles are taken modulo 360 anyway, and
// this keeps damaged or huge values from overflowing.
int WholeTurn(double deg) { return Rnd(deg) % 360; }

bool StandingAngle(double angle) {
  const int a = Rnd(angle);
  return (a > 45 && a < 135) || (a > 225 && a < 315);
}

// The other orientation of an oblong pad; the outline points are moved so
// that the geometry stays the same and only the pad's frame turns.
void SwapOrientation(TObjekt& pad) {
  int moves = 0;
  switch (pad.Form) {
    case psRoundedH: pad.Form = psRoundedV; break;
    case psRoundedV: pad.Form = psRoundedH; break;
    case psRectangleH: pad.Form = psRectangleV; moves = 1; break;
    case psRectangleV: pad.Form = psRectangleH; moves = 1; break;
    case psOctagonH: pad.Form = psOctagonV; moves = 2; break;
    case psOctagonV: pad.Form = psOctagonH; moves = 2; break;
    default: return;
  }
  if (pad.Punkte.empty()) return;
  for (int i = 0; i < moves; ++i) std::rotate(pad.Punkte.begin(), pad.Punkte.begin() + 1, pad.Punkte.end());
}

void RotatePad(TObjekt& pad, TFloatPoint pivot, double deg) {
  const double before = PadAngle(pad);
  TurnPosition(pad, pivot, deg);
  TurnPoints(pad, pivot, deg);
  if (!IsOblongShape(pad.Form) || !StandingAngle(PadAngle(pad))) return;
  SwapOrientation(pad);
  // The swap turned the pad's frame by a quarter; turn the mask back with it.
  const int o = NormaliseDegrees(Rnd(PadAngle(pad) - before - deg));
  if (o <= 90)
    pad.Wert2 = SpokesTurnCCW45(SpokesTurnCCW45(pad.Wert2));
  else
    pad.Wert2 = SpokesTurnCW45(SpokesTurnCW45(pad.Wert2));
}

int32_t PadMirrorMask(const TObjekt& pad) {
  return pad.Form == psRoundedV ? SpokesMirrorAcrossNS(pad.Wert2) : SpokesMirrorAcrossEW(pad.Wert2);
}

}  // namespace

void MoveElement(TObjekt& e, double dx, double dy) {
  switch (e.Typ) {
    case otLoetauge:
      MovePosition(e, dx, dy);
      for (TFloatPoint& p : e.Punkte) MovePoint(p, dx, dy);
      break;
    case otLeiterbahn:
    case otFlaeche:
    case otSmdPad:
      for (TFloatPoint& p : e.Punkte) MovePoint(p, dx, dy);
      break;
    case otKreis:
      MovePosition(e, dx, dy);
      break;
    case otText:
      MovePosition(e, dx, dy);
      for (TObjekt& s : e.Striche) MoveElement(s, dx, dy);
      break;
    case otFontText:
      MovePosition(e, dx, dy);
      e.Mass1 = static_cast<float>(e.Mass1 + dx);
      e.Mass2 = static_cast<float>(e.Mass2 + dy);
      break;
    default:
      break;
  }
}

void RotateElement(TObjekt& e, TFloatPoint pivot, double deg) {
  switch (e.Typ) {
    case otLoetauge:
      RotatePad(e, pivot, deg);
      break;
    case otLeiterbahn:
    case otFlaeche:
    case otSmdPad:
      TurnPoints(e, pivot, deg);
      break;
    case otKreis:
      TurnPosition(e, pivot, deg);
      e.Wert2 = NormaliseDegrees(NormaliseDegrees(e.Wert2) - WholeTurn(deg));
      e.Wert1 = NormaliseDegrees(NormaliseDegrees(e.Wert1) - WholeTurn(deg));
      break;
    case otText:
      e.Wert3 = NormaliseDegrees(NormaliseDegrees(e.Wert3) + WholeTurn(deg));
      TurnPosition(e, pivot, deg);
      for (TObjekt& s : e.Striche) RotateElement(s, pivot, deg);
      break;
    case otFontText: {
      TurnPosition(e, pivot, 90);
      const TFloatPoint second = RotatePoint({e.Mass1, e.Mass2}, pivot, -90);
      e.Mass1 = second.x;
      e.Mass2 = second.y;
      e.Wert2 = NormaliseDegrees(NormaliseDegrees(e.Wert2) + 90);
      break;
    }
    default:
      break;
  }
}

void MirrorElementX(TObjekt& e, double x0) {
  switch (e.Typ) {
    case otLoetauge:
      e.X = Reflect(e.X, x0);
      for (TFloatPoint& p : e.Punkte) p.x = Reflect(p.x, x0);
      e.Wert2 = PadMirrorMask(e);
      break;
    case otSmdPad:
      for (TFloatPoint& p : e.Punkte) p.x = Reflect(p.x, x0);
      e.Wert2 = SpokesMirrorAcrossEW(e.Wert2);
      break;
    case otLeiterbahn:
    case otFlaeche:
      for (TFloatPoint& p : e.Punkte) p.x = Reflect(p.x, x0);
      break;
    case otKreis: {
      e.X = static_cast<float>(e.X + Rnd(2 * (x0 - e.X)));
      const int start = NormaliseDegrees(180 - NormaliseDegrees(e.Wert2));
      const int stop = NormaliseDegrees(180 - NormaliseDegrees(e.Wert1));
      e.Wert2 = stop;
      e.Wert1 = start;
      break;
    }
    case otText:
      e.Schalter1 = e.Schalter1 ? 0 : 1;
      e.X = Reflect(e.X, x0);
      for (TObjekt& s : e.Striche) MirrorElementX(s, x0);
      e.Wert3 = NormaliseDegrees(360 - NormaliseDegrees(e.Wert3));
      break;
    case otFontText: {
      const float x = Reflect(e.X, x0);
      e.X = Reflect(e.Mass1, x0);
      e.Mass1 = x;
      break;
    }
    default:
      break;
  }
}

void MirrorElementY(TObjekt& e, double y0) {
  switch (e.Typ) {
    case otLoetauge:
      e.Y = Reflect(e.Y, y0);
      for (TFloatPoint& p : e.Punkte) p.y = Reflect(p.y, y0);
      e.Wert2 = PadMirrorMask(e);
      break;
    case otSmdPad:
      for (TFloatPoint& p : e.Punkte) p.y = Reflect(p.y, y0);
      e.Wert2 = SpokesMirrorAcrossEW(e.Wert2);
      break;
    case otLeiterbahn:
    case otFlaeche:
      for (TFloatPoint& p : e.Punkte) p.y = Reflect(p.y, y0);
      break;
    case otKreis: {
      e.Y = static_cast<float>(e.Y + Rnd(2 * (y0 - e.Y)));
      // 360 - 0 stays 360: every user of the angles treats it like 0.
      const int start = 360 - NormaliseDegrees(e.Wert2);
      const int stop = 360 - NormaliseDegrees(e.Wert1);
      e.Wert2 = stop;
      e.Wert1 = start;
      break;
    }
    case otText:
      e.Schalter2 = e.Schalter2 ? 0 : 1;
      e.Y = Reflect(e.Y, y0);
      for (TObjekt& s : e.Striche) MirrorElementY(s, y0);
      e.Wert3 = NormaliseDegrees(360 - NormaliseDegrees(e.Wert3));
      break;
    case otFontText: {
      const float y = Reflect(e.Y, y0);
      e.Y = Reflect(e.Mass2, y0);
      e.Mass2 = y;
      break;
    }
    default:
      break;
  }
}

}  // namespace corvane
