// The numeric field with unit and the panel of current tool sizes: units,
// limits, the wheel, the drill rule and the preset menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "app/size_fields.h"

namespace corvane {
namespace {

TEST(LaySpinEdit, ReadsMillimetresInBothUnits) {
  struct Case {
    bool Mil;
    const char* Typed;
    double Mm;
  };
  const Case cases[] = {
      {false, "1.25", 1.25}, {false, "1,25", 1.25}, {false, "120", 99.99}, {false, "-3", 0.05},
      {false, "abc", 0.05},  {true, "50", 50 / 39.37}, {true, "50,5", 50.5 / 39.37},
      {true, "9999", 3936 / 39.37},  // the mil maximum is whole mil: 99.99 mm = 3936.6 mil -> 3936
  };
  for (const Case& c : cases) {
    TLaySpinEdit field;
    field.SetFormat(0.05, 99.99, 0.01, 2);
    field.SetMIL(c.Mil);
    field.Edit()->setText(QString::fromLatin1(c.Typed));
    EXPECT_NEAR(field.GetValue(), c.Mm, 1e-9) << c.Typed << " mil " << c.Mil;
  }
}

TEST(LaySpinEdit, UnitSwitchKeepsTheValueAndTheFormat) {
  TLaySpinEdit field;
  field.SetFormat(0.0, 99.99, 0.01, 2);
  field.SetValue(0.8);
  EXPECT_EQ(field.Edit()->text(), "0.80");
  QSignalSpy changes(&field, &TLaySpinEdit::EditChange);
  field.SetMIL(true);
  EXPECT_EQ(field.Edit()->text(), "31.5");
  EXPECT_EQ(field.Step(), 0.1);
  EXPECT_EQ(field.Max(), 3936.0);
  field.SetMIL(false);
  EXPECT_EQ(field.Edit()->text(), "0.80");
  EXPECT_EQ(field.Decimals(), 2);
  EXPECT_EQ(changes.count(), 0) << "values set by the program are not edits";
  field.Edit()->setText("1.5");
  EXPECT_EQ(changes.count(), 1);
}

TEST(LaySpinEdit, TheWheelStepsByDraggingAndClicking) {
  TLaySpinEdit field;
  field.SetFormat(0.0, 99.99, 0.01, 2);
  field.SetValue(1.0);
  QSignalSpy backups(&field, &TLaySpinEdit::Backup);
  field.WheelPress(100);
  field.WheelMove(76, false);  // 24 pixels up: 3 steps, squared
  EXPECT_EQ(field.Edit()->text(), "1.09");
  field.WheelMove(84, false);  // 8 pixels down: one step back
  EXPECT_EQ(field.Edit()->text(), "1.08");
  field.WheelRelease(true, false);
  EXPECT_EQ(field.Edit()->text(), "1.08") << "a drag is no click";
  EXPECT_EQ(backups.count(), 1) << "one snapshot per press";
  field.WheelPress(50);
  field.WheelRelease(false, false);
  EXPECT_EQ(field.Edit()->text(), "1.07");
  field.WheelPress(50);
  field.WheelRelease(true, true);  // Ctrl: five steps, rounded to their multiple
  EXPECT_EQ(field.Edit()->text(), "1.10");
  EXPECT_EQ(backups.count(), 3);
  EXPECT_EQ(WheelSteps(7), 0);
  EXPECT_EQ(WheelSteps(-16), -4);
}

TEST(SizeFields, TheDrillNeverExceedsTheOuterDiameter) {
  SizeFields panel;
  QSignalSpy edits(&panel, &SizeFields::SizesEdited);
  panel.ShowSizes(TToolSizes{80, 180, 60, 90, 180});
  EXPECT_EQ(edits.count(), 0);
  panel.Field(sfPadDrill)->Edit()->setText("2.5");
  EXPECT_EQ(panel.FieldSizes().PadOuter, 250);
  panel.Field(sfPadOuter)->Edit()->setText("1.2");
  EXPECT_EQ(panel.FieldSizes().PadDrill, 120);
  ASSERT_GE(edits.count(), 2);
  const auto last = edits.last().at(0).value<TToolSizes>();
  EXPECT_EQ(last, (TToolSizes{80, 120, 120, 90, 180}));
}

TEST(SizeFields, PresetMenusSetFieldsAndKeepTheirList) {
  SizeFields panel;
  TSettings settings;
  settings.SetSection("LA_POPUP", {{"S0", "1800080"}, {"S1", "2500120"}});
  settings.SetSection("L_POPUP", {{"T0", "40"}});
  panel.LoadPresets(settings);
  panel.ShowSizes(TToolSizes{80, 180, 60, 90, 180});
  QMenu* pads = panel.PresetMenu(pkPad);
  panel.UpdatePresetMenu(pkPad);
  EXPECT_EQ(pads->actions().at(0)->text(), "  1.80 x 0.80   mm");
  EXPECT_FALSE(pads->actions().at(0)->isChecked());
  QSignalSpy edits(&panel, &SizeFields::SizesEdited);
  pads->actions().at(1)->trigger();
  EXPECT_EQ(panel.FieldSizes().PadOuter, 250);
  EXPECT_EQ(panel.FieldSizes().PadDrill, 120);
  EXPECT_EQ(edits.count(), 1);
  panel.UpdatePresetMenu(pkPad);
  EXPECT_TRUE(pads->actions().at(1)->isChecked());

  // Remove the checked item, add the current track width in order.
  QSignalSpy changed(&panel, &SizeFields::PresetsChanged);
  panel.RemovePreset(pkPad);
  EXPECT_EQ(panel.Presets(pkPad), (std::vector<int32_t>{1800080}));
  panel.AddPreset(pkTrack);
  EXPECT_EQ(panel.Presets(pkTrack), (std::vector<int32_t>{40, 80}));
  EXPECT_EQ(changed.count(), 1) << "track widths are written at program end only";
  panel.SavePresets(settings);
  EXPECT_EQ(settings.Section("L_POPUP"), (TKeyValueList{{"T0", "40"}, {"T1", "80"}}));

  panel.SetUnit(umMil);
  EXPECT_EQ(panel.PresetMenu(pkTrack)->actions().at(1)->text(), "            31 mil");
}

}  // namespace
}  // namespace corvane
