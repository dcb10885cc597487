#include "demo_project.h"

#include "board_placement.h"
#include "core/element_ops.h"
#include "footprint_shapes.h"
#include "footprints.h"

namespace corvane::examples {

namespace {

// Track widths: supply 0.8 mm, signals 0.5 mm; board outline 0.2 mm.
constexpr int32_t kSupply = 80;
constexpr int32_t kSignal = 50;
constexpr int32_t kOutlineWidth = 20;

TObjekt& Track(ElementList& board, std::initializer_list<TFloatPoint> points, int32_t width,
               uint8_t layer = lyC2) {
  return AddTrack(board, std::vector<TFloatPoint>(points), width, layer);
}

// A through-plated via of 1.6 mm with a 0.8 mm drill.
void Via(ElementList& board, TFloatPoint at) {
  AddPad(board, at, psCircular, Mm(1.6), Mm(0.8)).Durchkontaktiert = 1;
}

void Outline(ElementList& board, int32_t width, int32_t height) {
  const float w = static_cast<float>(width), h = static_cast<float>(-height);
  Track(board, {{0, 0}, {w, 0}, {w, h}, {0, h}, {0, 0}}, kOutlineWidth, lyO);
}

// Pads joined to the ground plane by spokes.
void Thermal(TObjekt& pad) { pad.Schalter1 = 1; }

// The view of a board as the main window shows it: size, active layer C2,
// ground plane of C2 as asked, a zoom that shows the whole board.
void SetView(TViewState& v, int32_t width, int32_t height, bool groundPlane, double zoom) {
  v.Breite = width;
  v.Hoehe = height;
  v.MasseAn = {0, 0, static_cast<uint8_t>(groundPlane ? 1 : 0), 0, 0, 0, 0};
  v.AktiverLayer = lyC2;
  v.Raster = 127.0;
  v.Zoom = zoom;
}

// NE555 astable: R1 from +9 V to DIS, R2 from DIS to THR/TRIG, C1 from
// THR/TRIG to ground, C2 on CTRL, the output drives the LED through R3.
// Copper side 2 carries the tracks and the ground plane; a bridge on side 1
// with two vias brings +9 V to RESET across the TRIG-THR track under the IC.
// R2-C1 and CTRL-C2 are left as rubber bands.
void FillBlinker(ElementList& b) {
  const TPlacedPart j1 = PlacePart(b, HeaderFootprint(2, 1), Grid(4, 6), 0, "J1", Grid(2.9, 4.6));
  const TPlacedPart u1 = PlacePart(b, DipFootprint(8, false), Grid(16, 14), 0, "U1", Grid(18.3, 17.5));
  PlacePart(b, AxialResistorFootprint(7.62, 5.0, 2.2), Grid(28, 10), 1, "R1", Grid(29.4, 13.5));
  const TPlacedPart r2 = PlacePart(b, AxialResistorFootprint(7.62, 5.0, 2.2), Grid(32, 16), 1, "R2", Grid(33.4, 19.5));
  const TPlacedPart c1 = PlacePart(b, RadialCapacitorFootprint(2.5, 6.3, true), Grid(32, 26), 0, "C1", Grid(36, 26.5));
  const TPlacedPart c2 = PlacePart(b, RadialCapacitorFootprint(2.5, 2.5, false), Grid(22, 24), 0, "C2", Grid(25.6, 24.5));
  PlacePart(b, AxialResistorFootprint(7.62, 5.0, 2.2), Grid(6, 24), 0, "R3", Grid(8.3, 22.6));
  const TPlacedPart d1 = PlacePart(b, LedFootprint(5), Grid(10, 28), 0, "LED1", Grid(14.2, 28.6));

  for (TObjekt* gnd : {&j1.Pin(b, 2), &u1.Pin(b, 1), &c1.Pin(b, 2), &c2.Pin(b, 2), &d1.Pin(b, 1)}) Thermal(*gnd);

  // +9 V from J1 along the top to R1, pin 8 and the side-1 bridge to pin 4.
  Track(b, {Grid(4, 6), Grid(28, 6), Grid(28, 10)}, kSupply);
  Track(b, {Grid(22, 6), Grid(22, 14)}, kSupply);
  Track(b, {Grid(19, 6), Grid(19, 10)}, kSupply);
  Via(b, Grid(19, 10));
  Track(b, {Grid(19, 10), Grid(19, 22)}, kSignal, lyC1);
  Via(b, Grid(19, 22));
  Track(b, {Grid(19, 22), Grid(16, 22), Grid(16, 20)}, kSignal);
  // TRIG (2) to THR (6) under the IC; THR on to R2.
  Track(b, {Grid(16, 16), Grid(18, 16), Grid(20, 18), Grid(22, 18)}, kSignal);
  Track(b, {Grid(22, 18), Grid(26, 18), Grid(30, 22), Grid(32, 22)}, kSignal);
  // DIS (7) to R1 and R2.
  Track(b, {Grid(22, 16), Grid(28, 16), Grid(32, 16)}, kSignal);
  // OUT (3) through R3 to the LED's anode.
  Track(b, {Grid(16, 18), Grid(12, 18), Grid(6, 24)}, kSignal);
  Track(b, {Grid(12, 24), Grid(12, 28)}, kSignal);

  Connect(r2.Pin(b, 2), c1.Pin(b, 1));
  Connect(u1.Pin(b, 5), c2.Pin(b, 1));

  AddText(b, "555 LED blinker", Grid(10, 3.6), Mm(2.0), lyS1);
  AddText(b, "+9V", Grid(6, 5.3), Mm(1.0), lyS1);
  AddText(b, "GND", Grid(6, 8.4), Mm(1.0), lyS1);
  AddText(b, "Corvane example", Grid(24, 31), Mm(1.2), lyS1);
}

// A battery clip's wires on J1, a series diode against reversed polarity,
// the protected supply on J2.
void FillClipAdapter(ElementList& b) {
  PlacePart(b, HeaderFootprint(2, 1), Grid(3, 4), 0, "J2", Grid(1.6, 2.6));
  TFootprint diode = AxialResistorFootprint(10.16, 5.2, 2.7);
  // Cathode band at the pin-1 end of the body.
  const float band = static_cast<float>((Mm(10.16) - Mm(5.2)) / 2 + Mm(0.7));
  AddSilkLine(diode.Elemente, {{band, static_cast<float>(Mm(1.35))}, {band, static_cast<float>(-Mm(1.35))}},
              Mm(0.4));
  PlacePart(b, std::move(diode), Grid(6, 4), 0, "D1", Grid(9, 2.6));
  PlacePart(b, HeaderFootprint(2, 1), Grid(17, 4), 0, "J1", Grid(17.6, 2.6));
  Track(b, {Grid(17, 4), Grid(14, 4)}, kSupply);
  Track(b, {Grid(6, 4), Grid(3, 4)}, kSupply);
  Track(b, {Grid(17, 6), Grid(3, 6)}, kSupply);
  AddText(b, "9V clip adapter", Grid(3, 9.8), Mm(1.2), lyS1);
}

}  // namespace

TProject BuildDemoProject() {
  TProject project;
  project.AddBoard("555 blinker");
  SetView(project.View, 5080, 4064, true, 0.15);
  FillBlinker(project.ActiveElements());
  Outline(project.ActiveElements(), 5080, 4064);

  project.AddBoard("9V clip adapter");
  SetView(project.View, 2540, 1524, false, 0.3);
  FillClipAdapter(project.ActiveElements());
  Outline(project.ActiveElements(), 2540, 1524);

  project.SwitchBoard(0);
  project.Info.Title = "555 LED blinker";
  project.Info.Author = "Corvane developers";
  project.Info.Company = "Corvane example library";
  project.Info.Comment =
      "NE555 astable blinker for a 9 V battery, about 1 Hz with R1 = 1k, R2 = 68k, C1 = 10uF.\r\n"
      "Tracks and the ground plane are on C2; a bridge on C1 with two vias takes +9 V to RESET.\r\n"
      "R2-C1 and CTRL-C2 are still rubber bands: route them, then run the design rule check.\r\n"
      "The second board holds the battery clip with a reverse-polarity diode.";
  project.Modified = false;
  return project;
}

}  // namespace corvane::examples
