#pragma once
// Small builders for footprints and boards made by the example generator:
// pads, SMD pads, silk-screen lines, rectangles, arcs and dots, and vector
// texts. Every element gets the default clearance, as if drawn in the editor.

#include <cstdint>
#include <string>
#include <vector>

#include "core/element_list.h"
#include "core/float_point.h"
#include "core/layers.h"
#include "core/objekt.h"

namespace corvane::examples {

// Silk-screen line width of outlines, 0.2 mm.
inline constexpr int32_t kSilkWidth = 20;

// Millimetres to world units (for readable package dimensions).
inline constexpr double Mm(double mm) { return mm * 100.0; }

// A through-hole pad of the given outer diameter and drill (world units) on
// copper side 2, not through-plated.
TObjekt& AddPad(ElementList& list, TFloatPoint centre, uint8_t shape, double diameter, double drill,
                uint8_t layer = lyC2);

// An unrotated SMD pad of w x h on copper side 1.
TObjekt& AddSmd(ElementList& list, TFloatPoint centre, double w, double h, uint8_t layer = lyC1);

// A track through the points.
TObjekt& AddTrack(ElementList& list, const std::vector<TFloatPoint>& points, int32_t width, uint8_t layer);

// A silk-screen polyline on S1.
TObjekt& AddSilkLine(ElementList& list, const std::vector<TFloatPoint>& points, int32_t width = kSilkWidth);

// A closed silk-screen rectangle between two corners.
TObjekt& AddSilkRect(ElementList& list, TFloatPoint a, TFloatPoint b, int32_t width = kSilkWidth);

// A silk-screen arc of centre-line radius r, counter-clockwise from startDeg
// to stopDeg (equal angles give the full circle).
TObjekt& AddSilkArc(ElementList& list, TFloatPoint centre, double r, int startDeg, int stopDeg,
                    int32_t width = kSilkWidth);

// A filled silk-screen disc, used to mark pin 1 of SMD packages.
TObjekt& AddSilkDot(ElementList& list, TFloatPoint centre, double r);

// A vector text with its strokes (normal width and style) on the layer;
// (x, y) is the start of the baseline.
TObjekt& AddText(ElementList& list, const std::string& content, TFloatPoint at, double height, uint8_t layer);

}  // namespace corvane::examples
