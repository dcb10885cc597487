#pragma once
// The Gerber export of one board layer: targets, their names, the dialog's
// option rules and the composition of the image (ground plane, clearances,
// thermal spokes, elements, punched holes, mask openings).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cam/cam_result.h"
#include "core/board.h"

namespace corvane {

// In the order of the export dialog.
enum class TGerberTarget { C1, S1, C2, S2, I1, I2, O, LStop1, LStop2, SMD1, SMD2 };
inline constexpr int kGerberTargetCount = 11;
inline constexpr std::array<TGerberTarget, kGerberTargetCount> kGerberTargets{
    TGerberTarget::C1, TGerberTarget::S1,     TGerberTarget::C2,     TGerberTarget::S2,
    TGerberTarget::I1, TGerberTarget::I2,     TGerberTarget::O,      TGerberTarget::LStop1,
    TGerberTarget::LStop2, TGerberTarget::SMD1, TGerberTarget::SMD2};

struct TGerberOptions {
  bool Mirror = false;   // "Mirror"
  bool Outline = false;  // "Board outline"
  bool Punch = false;    // "Punch drill holes"
  bool Mark = false;     // "Mark drill holes"
  bool Invert = false;   // "&Inverting output"
  bool Pads = true;      // "&Pads", offset in mm
  double PadsOffset = 0.30;
  bool SmdPads = true;   // "SMD-Pads"
  double SmdOffset = 0.10;
  bool Others = true;    // "Others"
  double OthersOffset = 0.10;
  bool UseOrigin = false;  // "Use origin in CAM-export"
};

// The board layer whose elements make up the target (1..7).
int GerberTargetLayer(TGerberTarget t);
bool IsSolderMaskTarget(TGerberTarget t);
bool IsSmdMaskTarget(TGerberTarget t);
bool IsMaskTarget(TGerberTarget t);
// C1, C2, I1, I2: the targets with ground plane and punched holes.
bool IsCopperTarget(TGerberTarget t);

// The board has an element of the kind the target needs.
bool GerberTargetEnabled(const TPlatine& board, TGerberTarget t);
// Language 0 German, 1 English, 2 French (others count as English).
std::string GerberDefaultFileName(TGerberTarget t, int language);
std::string GerberLayerName(TGerberTarget t, int language);
// "C1", "S1", ..., "LStop1", "SMD2" (as in the enum); case-insensitive.
std::optional<TGerberTarget> ParseGerberTarget(std::string_view name);
const char* GerberTargetName(TGerberTarget t);

// The enabled/checked states of the dialog's option boxes after a target
// click. The user's own "Punch drill holes" and "Mark drill holes" choices
// are passed in; Mark is unchecked when it becomes disabled.
struct TGerberDialogState {
  bool PunchEnabled = false;
  bool MarkEnabled = false, MarkChecked = false;
  bool PadsEnabled = false, PadsChecked = false;
  bool SmdPadsEnabled = false, SmdPadsChecked = false;
  bool OthersEnabled = false, OthersChecked = false;
  bool InvertEnabled = false;
  double SmdOffset = 0.10;  // replaces any typed value on every click
};
TGerberDialogState GerberDialogRules(TGerberTarget t, bool punchChecked, bool markChecked);
// Applies the rules to options (check states, SMD offset, mark).
void ApplyGerberDialogRules(TGerberTarget t, TGerberOptions& options);

// Selection repair: a checked target that is disabled is dropped; without a
// checked target the first enabled one is taken. nullopt: none is enabled
// (the "Create exp&ort file..." button then stays disabled).
std::optional<TGerberTarget> RepairGerberSelection(const TPlatine& board, std::optional<TGerberTarget> checked);

// The element belongs to the target's layer.
bool GerberSichtbar(const TObjekt& e, TGerberTarget t);

// Composes and writes the target's file. The board is moved for the write
// when UseOrigin is on and is exactly as before afterwards, also on failure.
TCamResult PlotteGerberfile(TPlatine& board, TGerberTarget t, const TGerberOptions& options,
                            const std::string& path, int language = 1);

}  // namespace corvane
