#pragma once
// ToolMode: the tool modes of the drawing area. The values are the ones the
// mode variable holds (and the project's tool state stores); 4 is not used.

#include <cstdint>

namespace corvane {

enum class ToolMode : uint8_t {
  Edit = 0,          // SB_Standard: select, move, edit corners
  Track = 1,         // SB_Line
  Pad = 2,           // SB_Circle: through-hole pads
  Zoom = 3,          // SB_Zoom
  Zone = 5,          // SB_Polygon (also SB_Sperrflaeche for keep-out zones)
  Circle = 6,        // SB_Ring: circles and arcs
  Text = 7,          // SB_LineText
  Test = 8,          // SB_Test: continuity display
  Connections = 9,   // SB_Connect: rubber-band connections
  SpecialForm = 10,  // SB_Vieleck
  Autoroute = 11,    // SB_AutoRoute
  Placement = 12,    // placing the clipboard contents after Paste or Duplicate; no button
  Measure = 13,      // SB_Messen
  SmdPad = 14,       // SB_SMDPad
  SolderMask = 15,   // SB_Loetstopp
};

// Whether `value` is one of the mode values above.
constexpr bool IsToolModeValue(int value) { return value >= 0 && value <= 15 && value != 4; }

// The English caption of the mode's tool button ("Edit", "SMD-Pad", ...);
// "Placement" for the paste placement, which has no button.
constexpr const char* ToolModeCaption(ToolMode mode) {
  switch (mode) {
    case ToolMode::Edit: return "Edit";
    case ToolMode::Track: return "Track";
    case ToolMode::Pad: return "Pad";
    case ToolMode::Zoom: return "Zoom";
    case ToolMode::Zone: return "Zone";
    case ToolMode::Circle: return "Circle";
    case ToolMode::Text: return "Text";
    case ToolMode::Test: return "Test";
    case ToolMode::Connections: return "Connections";
    case ToolMode::SpecialForm: return "Special form";
    case ToolMode::Autoroute: return "Autoroute";
    case ToolMode::Placement: return "Placement";
    case ToolMode::Measure: return "Measure";
    case ToolMode::SmdPad: return "SMD-Pad";
    case ToolMode::SolderMask: return "Solder mask";
  }
  return "";
}

// Modes in which a track or a zone is drawn corner by corner (bend mode,
// removing the last corner with Delete).
constexpr bool DrawsCorners(ToolMode mode) { return mode == ToolMode::Track || mode == ToolMode::Zone; }

}  // namespace corvane
