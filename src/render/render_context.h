#pragma once
// TRenderContext: the switches of one drawing pass. The caller fills it for a
// pass (screen, copper map, print, export, drag preview) and hands it to every
// drawing routine; nothing is kept between passes.

#include <array>
#include <cstdint>

#include "core/board_header.h"
#include "core/layers.h"
#include "io/colour_scheme.h"
#include "render/colour.h"

namespace corvane {

// The colours a pass draws with: the scheme's entries and the two derived ones.
struct TRenderColours {
  TRgb Background{};
  TRgb Grid{};
  std::array<TRgb, kLayerCount> Layers{};  // index 0 = layer 1
  TRgb Connections{};
  TRgb Via{};          // through-plated pads
  TRgb GroundPlane{};  // the active layer's plane, also the colour of its spokes
};

// Per channel rnd((C1 + C2) / 1.7), keeping the low 8 bits.
TRgb ViaColour(const TFarbschema& scheme);
// The copper colour of the active layer, each channel lowered by 80 (not
// below 0) when `darken` (setting AutoMasseDunkel) is on.
TRgb GroundPlaneColour(const TFarbschema& scheme, int activeLayer, bool darken);
TRenderColours MakeRenderColours(const TFarbschema& scheme, int activeLayer, bool darkenGroundPlane);

struct TRenderContext {
  // --- board state ---
  int ActiveLayer = lyC2;
  std::array<uint8_t, kLayerCount> GroundPlane{};  // AutoMasse per layer 1..7
  std::array<uint8_t, kLayerCount> Visible{1, 1, 1, 1, 1, 1, 1};
  TRenderColours Colours;

  // Device pixels per world unit for the sizes given in pixels (one-pixel
  // outlines, insets, node marks, the inner line of autorouted tracks).
  double Zoom = 0.1;
  // The pass draws the drawing area (decides the background margin).
  bool Screen = false;

  // --- modes ---
  bool PhotoView = false;
  bool PhotoMirrored = false;
  TRgb PhotoBoardColour{};  // clearance colour while the photo view draws
  bool MonoMap = false;
  bool PrintNegative = false;
  TRgb PrintFillColour{};
  bool MaskPrint = false;
  int32_t MaskGrowPad = 0;
  int32_t MaskGrowSmd = 0;
  int32_t MaskGrowOther = 0;
  bool PathMode = false;
  bool MaskToolActive = false;
  bool TestToolActive = false;
  // The track or autoroute tool is active: connections between two selected
  // ends are drawn in selection magenta.
  bool ConnectToolActive = false;
  bool Transparent = false;
  bool WhiteDrills = false;
  bool ShowVirtualNodes = false;
  bool MarkedOnly = false;
  // Not-xor ghost of elements being dragged, drawn in DragColour.
  bool DragPreview = false;
  TRgb DragColour{};

  TLayerState LayerState() const;
  bool LayerVisible(int layer) const { return LayerState().Visible(layer); }
  bool GroundPlaneOn(int layer) const { return IsValidLayer(layer) && GroundPlane[layer - 1] != 0; }
  bool ActiveGroundPlaneOn() const { return GroundPlaneOn(ActiveLayer); }
  // The colour of an element's layer: its scheme entry, black for other values.
  TRgb LayerColour(int layer) const;
  // One device pixel in world units.
  double Pixel() const { return Zoom > 0 ? 1.0 / Zoom : 1.0; }
};

// Settings that decide the look of the screen.
struct TRenderSettings {
  bool AutoMasseDunkel = true;
  bool Transparent = false;
  bool BohrungenWeiss = false;
  bool VirtuelleKnoten = true;
};

// The ordinary screen context of a board: active layer, visibility and ground
// planes from its stored view state, colours from the scheme.
TRenderContext ScreenContext(const TPlatinenKopf& board, const TFarbschema& scheme, const TRenderSettings& settings,
                             double zoom);

}  // namespace corvane
