#pragma once
// Footprints of common packages from their public dimensions. Every
// footprint has pin 1 at (0, 0) and its pads first, in pin order, so that
// pin 1 is the reference point of the macro made from it. Through-hole pads
// lie on copper side 2 (not through-plated), SMD pads on copper side 1, the
// outline on silk screen S1. Pin 1 is marked: a square or rectangular pad
// for through-hole parts, a silk-screen dot for SMD parts.

#include <string>

#include "core/element_list.h"

namespace corvane::examples {

struct TFootprint {
  std::string Folder;  // library folder, plain ASCII ("DIP")
  std::string File;    // file name without extension, plain ASCII ("DIP-8")
  std::string Text1;   // first text line: the name
  std::string Text2;   // second text line: pitch and size
  ElementList Elemente;
};

// Dual in-line, `pins` pins at 2.54 mm, rows 7.62 mm apart, or 15.24 mm when wide.
TFootprint DipFootprint(int pins, bool wide);
// Pin header of rows x cols pins at 2.54 mm (cols 1 or 2), numbered along
// the rows: 1, 2 in the first row of a double header.
TFootprint HeaderFootprint(int rows, int cols);
// TO-92 with its three leads bent to 2.54 mm.
TFootprint To92Footprint();
// TO-220 standing, three leads at 2.54 mm, tab behind.
TFootprint To220Footprint();
// Axial resistor lying flat, pads `pitch` apart, body bodyLength x bodyWidth (all mm).
TFootprint AxialResistorFootprint(double pitch, double bodyLength, double bodyWidth);
// Radial capacitor, mm: an electrolytic of body diameter `body` (pin 1 +) or
// a ceramic disc of thickness `body`.
TFootprint RadialCapacitorFootprint(double pitch, double body, bool polarised);
// LED of the given body diameter (3 or 5 mm), pin 1 the cathode.
TFootprint LedFootprint(int diameterMm);
TFootprint Sot23Footprint();
// SOIC of 8, 14 or 16 pins, 1.27 mm pitch, 3.9 mm body.
TFootprint SoicFootprint(int pins);
// Two-pad chip package by its inch code: 402, 603, 805 or 1206 (any other
// code gives 0402).
TFootprint ChipFootprint(int code);
// Mounting hole for a screw of the metric size (2.5 or 3).
TFootprint MountingHoleFootprint(double screw);

}  // namespace corvane::examples
