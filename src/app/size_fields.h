#pragma once
// The numeric field with unit (`TLaySpinEdit`) and the panel of current
// tool sizes on the left tool bar: track width (`SE_Breite`), pad outer
// diameter (`SE_Aussen`) and drill (`SE_Innen`), SMD width (`SE_SMDPad_X`)
// and height (`SE_SMDPad_Y`), with the three preset buttons
// (`SB_LineContainer`, `SB_LoetaugenContainer`, `SB_SMDContainer`).
#include <QWidget>
#include <array>
#include <vector>

#include "edit/command_states.h"
#include "edit/keyboard.h"
#include "edit/size_presets.h"
#include "io/settings.h"
#include "render/unit_mode.h"

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace corvane {

// An edit box holding the value as text, a wheel that changes it by dragging
// or clicking, and a unit label. Callers always get and set millimetres; in
// mil mode the box shows mm x 39.37 and Min, Max are whole mil.
class TLaySpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TLaySpinEdit(QWidget* parent = nullptr);

  // The range in mm, the step and the decimals shown.
  void SetFormat(double min, double max, double step, int decimals);
  double Min() const { return min_; }
  double Max() const { return max_; }
  double Step() const { return step_; }
  int Decimals() const { return decimals_; }

  // The text read as a number ("," as decimal mark too), limited to
  // Min..Max, in mm.
  double GetValue() const;
  // Shows the value (mm) in the unit, rounded to 1/10000 and limited.
  void SetValue(double mm);
  void SetMIL(bool on);
  bool MIL() const { return mil_; }
  void SetMitEinheit(bool on);
  // Red with white text while the value applies to the selection, else
  // black with yellow text.
  void SetApplies(bool applies);
  bool Applies() const { return applies_; }

  QLineEdit* Edit() const { return edit_; }
  QLabel* Wheel() const { return wheel_; }

  // The wheel: a press at y, moves while held, the release.
  void WheelPress(int y);
  void WheelMove(int y, bool ctrl);
  void WheelRelease(bool leftButton, bool ctrl);

 signals:
  // The text changed (typed or by the wheel), not while set by SetValue.
  void EditChange();
  // The first change of a press of the wheel: take the undo snapshot.
  void Backup();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  double TextValue() const;  // the shown number, limited, in the shown unit
  void ShowNumber(double shown);

  QLineEdit* edit_ = nullptr;
  QLabel* wheel_ = nullptr;
  QLabel* unit_ = nullptr;
  double min_ = 0.0, max_ = 99.9, step_ = 0.1;
  int decimals_ = 1;
  // The mm format while mil is shown.
  double mmMin_ = 0.0, mmMax_ = 99.9, mmStep_ = 0.1;
  int mmDecimals_ = 1;
  bool mil_ = false;
  bool applies_ = false;
  bool filling_ = false;
  int pressY_ = 0;
  bool pressed_ = false;
  bool changedInPress_ = false;
};

// The wheel's step count for a drag of dy pixels upwards: dy div 8, squared
// keeping the sign when larger than one.
int WheelSteps(int dy);

// Field indices of the size panel.
enum TSizeField : int { sfTrack = 0, sfPadOuter = 1, sfPadDrill = 2, sfSmdWidth = 3, sfSmdHeight = 4 };

class SizeFields : public QWidget {
  Q_OBJECT

 public:
  explicit SizeFields(QWidget* parent = nullptr);

  TLaySpinEdit* Field(TSizeField field) const { return fields_.at(static_cast<std::size_t>(field)); }
  QToolButton* PresetButton(TPresetKind kind) const { return presetButtons_.at(kind); }
  QMenu* PresetMenu(TPresetKind kind) const { return presetMenus_.at(kind); }

  // Shows the sizes without reporting them as edited.
  void ShowSizes(const TToolSizes& sizes);
  // The sizes as the fields hold them: each field in mm x 100, rounded.
  TToolSizes FieldSizes() const;
  void SetUnit(TUnitMode unit);
  // Highlights the fields whose values apply to the selection.
  void SetApplies(const TCommandStates& states);

  // The preset lists of the settings sections and back.
  void LoadPresets(const TSettings& settings);
  void SavePresets(TSettings& settings) const;
  const std::vector<int32_t>& Presets(TPresetKind kind) const { return presets_.at(kind); }
  // Brings the menu up to date (checks, "Add", "Remove"), as on opening it.
  void UpdatePresetMenu(TPresetKind kind);
  // Chooses item i of a list: its sizes go into the fields as if typed.
  void ChoosePreset(TPresetKind kind, std::size_t index);
  // "Add" with the current sizes and "Remove" of the checked item; for the
  // pad and SMD lists PresetsChanged asks for them to be written at once.
  void AddPreset(TPresetKind kind);
  void RemovePreset(TPresetKind kind);

 signals:
  // A field was changed by the user or a preset: the new tool sizes.
  void SizesEdited(const corvane::TToolSizes& sizes);
  // "Add" or "Remove" of a pad or SMD list changed it: write it at once.
  void PresetsChanged(corvane::TPresetKind kind);

 private:
  void FieldEdited(TSizeField field);
  void RebuildPresetMenu(TPresetKind kind);
  TPresetSizes CurrentOf(TPresetKind kind) const;

  std::array<TLaySpinEdit*, 5> fields_{};
  std::array<QToolButton*, 3> presetButtons_{};
  std::array<QMenu*, 3> presetMenus_{};
  std::array<std::vector<int32_t>, 3> presets_;
  TUnitMode unit_ = umMm;
  bool filling_ = false;
};

}  // namespace corvane
