#include "footprints.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "footprint_shapes.h"

namespace corvane::examples {

namespace {

constexpr double kPitch = Mm(2.54);
// Pads of small through-hole parts: 1.6 mm with a 0.8 mm drill.
constexpr double kPad = Mm(1.6);
constexpr double kDrill = Mm(0.8);

// A dimension in mm with two decimals at most and one at least: 5 -> "5.0", 12.70 -> "12.7".
std::string FormatMm(double mm) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", mm);
  std::string s = buf;
  if (s.back() == '0') s.pop_back();
  return s;
}

TFootprint Named(std::string folder, std::string file, std::string text1, std::string text2) {
  TFootprint fp;
  fp.Folder = std::move(folder);
  fp.File = std::move(file);
  fp.Text1 = std::move(text1);
  fp.Text2 = std::move(text2);
  return fp;
}

// Two pads `pitch` apart on the x axis, pin 1 square.
void TwoPads(ElementList& list, double pitch) {
  AddPad(list, {0, 0}, psSquare, kPad, kDrill);
  AddPad(list, {static_cast<float>(pitch), 0}, psCircular, kPad, kDrill);
}

float F(double v) { return static_cast<float>(v); }

}  // namespace

TFootprint DipFootprint(int pins, bool wide) {
  const double rowMm = wide ? 15.24 : 7.62;
  const double row = Mm(rowMm);
  const int n = pins / 2;
  TFootprint fp = Named("DIP", "DIP-" + std::to_string(pins), "DIP-" + std::to_string(pins),
                        "pitch 2.54 mm, rows " + FormatMm(rowMm) + " mm");
  ElementList& l = fp.Elemente;
  // Round pads, pin 1 square; pins run down the first row and back up the second.
  for (int i = 0; i < n; ++i) AddPad(l, {0, F(-i * kPitch)}, i == 0 ? psSquare : psCircular, kPad, kDrill);
  for (int i = 0; i < n; ++i) AddPad(l, {F(row), F(-(n - 1 - i) * kPitch)}, psCircular, kPad, kDrill);
  // Body between the pad rows, with the notch at the pin-1 end.
  const double left = kPad / 2 + Mm(0.5), right = row - left;
  const double top = kPitch / 2, bottom = -(n - 1) * kPitch - kPitch / 2;
  const double mid = row / 2, notch = Mm(0.8);
  AddSilkLine(l, {{F(mid + notch), F(top)}, {F(right), F(top)}, {F(right), F(bottom)}, {F(left), F(bottom)},
                  {F(left), F(top)}, {F(mid - notch), F(top)}});
  AddSilkArc(l, {F(mid), F(top)}, notch, 180, 0);
  return fp;
}

TFootprint HeaderFootprint(int rows, int cols) {
  char name[16];
  std::snprintf(name, sizeof name, "%dx%02d", cols, rows);
  TFootprint fp = Named("Headers", name, std::string("Pin header ") + name, "pitch 2.54 mm");
  ElementList& l = fp.Elemente;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      AddPad(l, {F(c * kPitch), F(-r * kPitch)}, r == 0 && c == 0 ? psSquare : psCircular, Mm(1.7), Mm(1.0));
  AddSilkRect(l, {F(-kPitch / 2), F(kPitch / 2)}, {F((cols - 0.5) * kPitch), F(-(rows - 0.5) * kPitch)});
  return fp;
}

TFootprint To92Footprint() {
  TFootprint fp = Named("Transistors", "TO-92", "TO-92", "3 leads, pitch 2.54 mm");
  ElementList& l = fp.Elemente;
  AddPad(l, {0, 0}, psSquare, kPad, kDrill);
  AddPad(l, {F(kPitch), 0}, psCircular, kPad, kDrill);
  AddPad(l, {F(2 * kPitch), 0}, psCircular, kPad, kDrill);
  // Round back over the leads, flat face in front.
  const double r = Mm(3.3), face = -Mm(2.0);
  AddSilkArc(l, {F(kPitch), 0}, r, 25, 155);
  const double half = std::sqrt(r * r - face * face);
  AddSilkLine(l, {{F(kPitch - half), F(face)}, {F(kPitch + half), F(face)}});
  return fp;
}

TFootprint To220Footprint() {
  TFootprint fp = Named("Transistors", "TO-220", "TO-220", "3 leads, pitch 2.54 mm, standing");
  ElementList& l = fp.Elemente;
  // Oblong pads along the leads' thickness: 1.8 x 3.6 mm, 1.1 mm drill.
  for (int i = 0; i < 3; ++i)
    AddPad(l, {F(i * kPitch), 0}, i == 0 ? psRectangleV : psRoundedV, Mm(1.8), Mm(1.1));
  const double left = kPitch - Mm(5.08), right = kPitch + Mm(5.08);
  AddSilkRect(l, {F(left), F(Mm(2.3))}, {F(right), F(-Mm(2.3))});  // body, 4.6 mm thick
  AddSilkRect(l, {F(left), F(Mm(3.6))}, {F(right), F(Mm(2.3))});   // tab behind it
  return fp;
}

TFootprint AxialResistorFootprint(double pitch, double bodyLength, double bodyWidth) {
  TFootprint fp = Named("Resistors", "R-axial-" + FormatMm(pitch), "Resistor axial " + FormatMm(pitch) + " mm",
                        "pitch " + FormatMm(pitch) + " mm, body " + FormatMm(bodyLength) + " x " +
                            FormatMm(bodyWidth) + " mm");
  ElementList& l = fp.Elemente;
  const double p = Mm(pitch), len = Mm(bodyLength), w = Mm(bodyWidth);
  TwoPads(l, p);
  const double x0 = (p - len) / 2, x1 = (p + len) / 2;
  AddSilkRect(l, {F(x0), F(w / 2)}, {F(x1), F(-w / 2)});
  // Leads from the pads to the body where there is room for them.
  const double leadStart = kPad / 2 + Mm(0.3);
  if (x0 - leadStart >= Mm(0.3)) {
    AddSilkLine(l, {{F(leadStart), 0}, {F(x0), 0}});
    AddSilkLine(l, {{F(x1), 0}, {F(p - leadStart), 0}});
  }
  return fp;
}

TFootprint RadialCapacitorFootprint(double pitch, double body, bool polarised) {
  const std::string pitchText = "pitch " + FormatMm(pitch) + " mm";
  const double p = Mm(pitch);
  if (polarised) {
    TFootprint fp = Named("Capacitors", "CP-radial-" + FormatMm(pitch), "Electrolytic capacitor, radial",
                          pitchText + ", diameter " + FormatMm(body) + " mm, pin 1 +");
    ElementList& l = fp.Elemente;
    TwoPads(l, p);
    AddSilkArc(l, {F(p / 2), 0}, Mm(body) / 2, 0, 0);
    // "+" above pin 1.
    const double y = kPad / 2 + Mm(0.9), s = Mm(0.4);
    AddSilkLine(l, {{F(-s), F(y)}, {F(s), F(y)}});
    AddSilkLine(l, {{0, F(y - s)}, {0, F(y + s)}});
    return fp;
  }
  // Ceramic disc seen edge-on: 2.5 mm longer than the pitch.
  const double lengthMm = pitch + 2.5, len = Mm(lengthMm), thick = Mm(body);
  TFootprint fp = Named("Capacitors", "C-disc-" + FormatMm(pitch), "Ceramic disc capacitor",
                        pitchText + ", body " + FormatMm(lengthMm) + " x " + FormatMm(body) + " mm");
  ElementList& l = fp.Elemente;
  TwoPads(l, p);
  AddSilkRect(l, {F((p - len) / 2), F(thick / 2)}, {F((p + len) / 2), F(-thick / 2)});
  return fp;
}

TFootprint LedFootprint(int diameterMm) {
  const std::string size = std::to_string(diameterMm) + " mm";
  TFootprint fp = Named("LEDs", "LED-" + std::to_string(diameterMm) + "mm", "LED " + size,
                        "pitch 2.54 mm, pin 1 cathode");
  ElementList& l = fp.Elemente;
  TwoPads(l, kPitch);
  const TFloatPoint c{F(kPitch / 2), 0};
  if (diameterMm >= 5) {
    // Rim of 5.8 mm with the flat on the cathode side.
    const double r = Mm(2.9), flat = Mm(2.6);
    const int a = static_cast<int>(std::lround(std::acos(-flat / r) * 180 / std::numbers::pi));
    AddSilkArc(l, c, r, 360 - a, a);
    const double rad = a * std::numbers::pi / 180;
    const double x = c.x + r * std::cos(rad), y = r * std::sin(rad);
    AddSilkLine(l, {{F(x), F(y)}, {F(x), F(-y)}});
  } else {
    // A 3 mm rim passes through the pads: two arcs clear of them.
    const double r = Mm(2.0);
    AddSilkArc(l, c, r, 32, 148);
    AddSilkArc(l, c, r, 212, 328);
  }
  return fp;
}

TFootprint Sot23Footprint() {
  TFootprint fp = Named("SOT", "SOT-23", "SOT-23", "3 pads, pitch 0.95 mm, rows 2.2 mm");
  ElementList& l = fp.Elemente;
  const double w = Mm(0.8), h = Mm(1.0);
  AddSmd(l, {0, 0}, w, h);
  AddSmd(l, {F(Mm(1.9)), 0}, w, h);
  AddSmd(l, {F(Mm(0.95)), F(Mm(2.2))}, w, h);
  // The short sides of the 2.9 x 1.3 mm body between the pad rows.
  const double y0 = Mm(0.7), y1 = Mm(1.5);
  AddSilkLine(l, {{F(-Mm(0.8)), F(y0)}, {F(-Mm(0.8)), F(y1)}});
  AddSilkLine(l, {{F(Mm(2.7)), F(y0)}, {F(Mm(2.7)), F(y1)}});
  AddSilkDot(l, {F(-Mm(0.85)), F(-Mm(0.75))}, Mm(0.25));
  return fp;
}

TFootprint SoicFootprint(int pins) {
  const int n = pins / 2;
  const double pitch = Mm(1.27), row = Mm(5.4);
  const double bodyLength = pins == 8 ? 4.9 : pins == 14 ? 8.65 : 9.9;
  TFootprint fp = Named("SOIC", "SOIC-" + std::to_string(pins), "SOIC-" + std::to_string(pins),
                        "pitch 1.27 mm, body 3.9 x " + FormatMm(bodyLength) + " mm");
  ElementList& l = fp.Elemente;
  const double w = Mm(1.55), h = Mm(0.6);
  for (int i = 0; i < n; ++i) AddSmd(l, {0, F(-i * pitch)}, w, h);
  for (int i = 0; i < n; ++i) AddSmd(l, {F(row), F(-(n - 1 - i) * pitch)}, w, h);
  // Body outline between the pad rows, pin-1 dot in its corner.
  const double mid = -(n - 1) * pitch / 2, half = Mm(bodyLength) / 2;
  const double left = w / 2 + Mm(0.45), right = row - left;
  AddSilkRect(l, {F(left), F(mid + half)}, {F(right), F(mid - half)});
  AddSilkDot(l, {F(left + Mm(0.55)), F(mid + half - Mm(0.55))}, Mm(0.25));
  return fp;
}

TFootprint ChipFootprint(int code) {
  struct TChip {
    int code;
    const char* metric;
    double padW, padH, pitch;  // mm
  };
  static constexpr TChip kChips[] = {
      {402, "1005", 0.6, 0.6, 1.0},
      {603, "1608", 0.9, 0.95, 1.6},
      {805, "2012", 1.2, 1.4, 2.0},
      {1206, "3216", 1.2, 1.8, 3.0},
  };
  const TChip* chip = &kChips[0];
  for (const TChip& c : kChips)
    if (c.code == code) chip = &c;
  char name[8];
  std::snprintf(name, sizeof name, "%04d", chip->code);
  TFootprint fp = Named("Chip", name, std::string("Chip ") + name + " (" + chip->metric + " metric)",
                        "pads " + FormatMm(chip->padW) + " x " + FormatMm(chip->padH) + " mm, pitch " +
                            FormatMm(chip->pitch) + " mm");
  ElementList& l = fp.Elemente;
  const double w = Mm(chip->padW), h = Mm(chip->padH), p = Mm(chip->pitch), m = Mm(0.35);
  AddSmd(l, {0, 0}, w, h);
  AddSmd(l, {F(p), 0}, w, h);
  AddSilkRect(l, {F(-w / 2 - m), F(h / 2 + m)}, {F(p + w / 2 + m), F(-h / 2 - m)});
  AddSilkDot(l, {F(-w / 2 - m - Mm(0.45)), 0}, Mm(0.2));
  return fp;
}

TFootprint MountingHoleFootprint(double screw) {
  const bool m3 = screw >= 3;
  const double drill = m3 ? 3.2 : 2.7, pad = m3 ? 6.0 : 5.0;
  const std::string size = "M" + (m3 ? std::string("3") : FormatMm(screw));
  TFootprint fp = Named("Mounting", size, "Mounting hole " + size,
                        "drill " + FormatMm(drill) + " mm, pad " + FormatMm(pad) + " mm");
  ElementList& l = fp.Elemente;
  AddPad(l, {0, 0}, psCircular, Mm(pad), Mm(drill));
  AddSilkArc(l, {0, 0}, Mm(pad / 2 + 0.5), 0, 0);
  return fp;
}

}  // namespace corvane::examples
