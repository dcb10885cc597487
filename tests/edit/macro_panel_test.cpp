#include "edit/macro_panel.h"

#include <gtest/gtest.h>

#include "edit/macro_drop.h"
#include "geom/element_create.h"
#include "io/lay_fixtures.h"
#include "macro_test_util.h"

namespace corvane {
namespace {

using macro_test::ReadBack;
using macro_test::TempFolder;
using macro_test::WriteMacro;

TObjekt Pad(float x, uint8_t layer) { return CreatePad({x, 0}, layer, psCircular, 20, 50); }

TObjekt Print(float x, uint8_t layer) { return fixtures::Track({{x, 100}, {x + 200, 100}}, layer); }

TMacroSelectResult Select(TMacroPanel& panel, const std::filesystem::path& file, bool autoMirror = false,
                          int active = lyC1) {
  TMacroSelectOptions options;
  options.AutoSpiegeln = autoMirror;
  options.AktiverLayer = active;
  return SelectMacro(panel, file, options);
}

TEST(MacroPanel, SelectingLoadsElementsAndTextLines) {
  TempFolder dir;
  ElementList list;
  list.Add(Pad(0, lyC1));
  list.Add(Print(-100, lyS1));
  WriteMacro(dir / "Part.LMK", list, "DIL", "8 pins");
  TMacroPanel panel;
  const TMacroSelectResult r = Select(panel, dir / "Part.LMK");
  ASSERT_EQ(r.Outcome, TMacroSelect::Loaded) << r.Error.Describe();
  EXPECT_EQ(panel.File, dir / "Part.LMK");
  ASSERT_EQ(panel.Elements.size(), 2u);
  EXPECT_EQ(panel.Text1, "DIL");
  EXPECT_EQ(panel.Text2, "8 pins");
  EXPECT_FALSE(panel.TextsChanged);
}

TEST(MacroPanel, OnlyExistingMacroFilesAreSelected) {
  TempFolder dir;
  ElementList list;
  list.Add(Pad(0, lyC1));
  WriteMacro(dir / "a.lmk", list);
  macro_test::WriteBytes(dir / "notes.txt", {1, 2, 3});
  TMacroPanel panel;
  ASSERT_EQ(Select(panel, dir / "a.lmk").Outcome, TMacroSelect::Loaded);
  for (const char* name : {"notes.txt", "missing.lmk", ""}) {
    EXPECT_EQ(Select(panel, dir / name).Outcome, TMacroSelect::Ignored) << name;
    EXPECT_EQ(panel.File, dir / "a.lmk");
    EXPECT_EQ(panel.Elements.size(), 1u);
  }
}

TEST(MacroPanel, Version3MacroOnLayer6IsShownAndDroppedOnLayer2) {
  TempFolder dir;
  fixtures::OldElement track;
  track.Typ = otLeiterbahn;
  track.Layer = lyI2;
  track.Wert1 = 30;
  track.Punkte = {{0, 0}, {300, 0}};
  fixtures::Bytes b;
  b.Put<uint32_t>(0xFFAA3303u).Put<int32_t>(1).Raw(fixtures::RecordV3(track)).Put<int32_t>(0);
  fixtures::IntPoints(b, track);
  macro_test::WriteBytes(dir / "old.lmk", b.Data());

  TMacroPanel panel;
  ASSERT_EQ(Select(panel, dir / "old.lmk").Outcome, TMacroSelect::Loaded);
  ASSERT_EQ(panel.Elements.size(), 1u);
  EXPECT_EQ(panel.Elements[0].Layer, lyS1);
  EXPECT_TRUE(panel.Text1.empty());

  TProject project;
  project.NewProject(1);
  TUndoControl undo;
  ASSERT_EQ(DropMacro(project, panel.Elements, {1000, -1000}, undo), 1u);
  EXPECT_EQ(project.ActiveElements()[0].Layer, lyS1);
}

TEST(MacroPanel, AutomaticSideAdjustmentFlipsAMacroFromTheOtherSide) {
  TempFolder dir;
  ElementList bottom;
  bottom.Add(Pad(100, lyC2));
  bottom.Add(Print(100, lyS2));
  WriteMacro(dir / "bottom.lmk", bottom);

  TMacroPanel panel;
  const TMacroSelectResult r = Select(panel, dir / "bottom.lmk", true, lyC1);
  ASSERT_EQ(r.Outcome, TMacroSelect::Loaded);
  EXPECT_TRUE(r.SideAdjusted);
  EXPECT_TRUE(panel.MirrorDown);
  EXPECT_TRUE(panel.ChangeSideDown);
  EXPECT_EQ(panel.Elements[0].Layer, lyC1);
  EXPECT_EQ(panel.Elements[0].X, -100.0f);
  EXPECT_EQ(panel.Elements[1].Layer, lyS1);

  // Selected again with both toggles down: shown as adjusted, no further flip.
  const TMacroSelectResult again = Select(panel, dir / "bottom.lmk", true, lyC1);
  EXPECT_FALSE(again.SideAdjusted);
  EXPECT_EQ(panel.Elements[0].Layer, lyC1);
  EXPECT_EQ(panel.Elements[0].X, -100.0f);
}

TEST(MacroPanel, AutomaticSideAdjustmentCases) {
  struct Case {
    const char* what;
    std::vector<uint8_t> layers;
    bool on;
    int active;
    bool flips;
  } cases[] = {
      {"copper on C2, C1 active", {lyC2}, true, lyC1, true},
      {"copper on C2, S1 active", {lyC2, lyS1}, true, lyS1, true},
      {"copper on C1, C2 active", {lyC1}, true, lyC2, true},
      {"copper on C1, C1 active", {lyC1, lyS2}, true, lyC1, false},
      {"print only on S2, C1 active", {lyS2}, true, lyC1, true},
      {"print only on S1, S2 active", {lyS1}, true, lyS2, true},
      {"copper on both sides", {lyC1, lyC2}, true, lyC1, false},
      {"print on both sides", {lyC2, lyS1, lyS2}, true, lyC1, false},
      {"setting off", {lyC2}, false, lyC1, false},
      {"inner layer active", {lyC2}, true, lyI1, false},
      {"outline only", {lyO}, true, lyC1, false},
  };
  for (const Case& c : cases) {
    TMacroPanel panel;
    float x = 0;
    for (uint8_t layer : c.layers) panel.Elements.Add(Print(x += 500, layer));
    EXPECT_EQ(AutoAdjustMacroSide(panel, c.on, c.active), c.flips) << c.what;
    EXPECT_EQ(panel.MirrorDown, c.flips) << c.what;
    EXPECT_EQ(panel.ChangeSideDown, c.flips) << c.what;
  }
}

TEST(MacroPanel, TogglesTransformTheList) {
  TMacroPanel panel;
  panel.Elements.Add(Pad(100, lyC1));
  panel.Elements.Add(Pad(300, lyS1));
  ToggleMirror(panel);
  EXPECT_EQ(panel.Elements[0].X, -100.0f);
  ToggleMirror(panel);
  EXPECT_EQ(panel.Elements[0].X, 100.0f);
  EXPECT_FALSE(panel.MirrorDown);

  ToggleChangeSide(panel);
  EXPECT_EQ(panel.Elements[0].Layer, lyC2);
  EXPECT_EQ(panel.Elements[1].Layer, lyS2);
  EXPECT_TRUE(panel.ChangeSideDown);

  ToggleThroughPads(panel);
  EXPECT_EQ(panel.Elements[0].Durchkontaktiert, 1);
  EXPECT_EQ(panel.Elements[1].Durchkontaktiert, 0);  // not on a copper layer
  ToggleThroughPads(panel);
  EXPECT_EQ(panel.Elements[0].Durchkontaktiert, 0);
}

TEST(MacroPanel, ChangedTextLinesAreWrittenBackOnSelectingAnother) {
  TempFolder dir;
  ElementList a;
  a.Add(Pad(100, lyC1)).Durchkontaktiert = 1;
  a.Add(Pad(300, lyC1));
  WriteMacro(dir / "a.lmk", a, "old 1", "old 2");
  ElementList b;
  b.Add(Pad(0, lyC2));
  WriteMacro(dir / "b.lmk", b);

  TMacroPanel panel;
  ASSERT_EQ(Select(panel, dir / "a.lmk").Outcome, TMacroSelect::Loaded);
  ToggleMirror(panel);
  ToggleThroughPads(panel);
  SetMacroTexts(panel, "new 1", "new 2");
  EXPECT_TRUE(panel.TextsChanged);
  ASSERT_EQ(Select(panel, dir / "b.lmk").Outcome, TMacroSelect::Loaded);

  const TMacroData written = ReadBack(dir / "a.lmk");
  EXPECT_EQ(written.Text1, "new 1");
  EXPECT_EQ(written.Text2, "new 2");
  ASSERT_EQ(written.Elemente.size(), 2u);
  // The elements as they were in the file: not mirrored, plating unchanged.
  EXPECT_EQ(written.Elemente[0].X, 100.0f);
  EXPECT_EQ(written.Elemente[0].Durchkontaktiert, 1);
  EXPECT_EQ(written.Elemente[1].Durchkontaktiert, 0);
  // The toggles still apply to the newly selected macro.
  EXPECT_EQ(panel.Elements[0].Durchkontaktiert, 1);
}

TEST(MacroPanel, UnchangedTextsAreNotWritten) {
  TempFolder dir;
  fixtures::Bytes v3;
  fixtures::OldElement track;
  track.Punkte = {{0, 0}, {10, 0}};
  v3.Put<uint32_t>(0xFFAA3303u).Put<int32_t>(1).Raw(fixtures::RecordV3(track)).Put<int32_t>(0);
  fixtures::IntPoints(v3, track);
  macro_test::WriteBytes(dir / "old.lmk", v3.Data());
  ElementList b;
  b.Add(Pad(0, lyC2));
  WriteMacro(dir / "b.lmk", b);

  TMacroPanel panel;
  ASSERT_EQ(Select(panel, dir / "old.lmk").Outcome, TMacroSelect::Loaded);
  SetMacroTexts(panel, "", "");  // the same as loaded: no change
  EXPECT_FALSE(panel.TextsChanged);
  ASSERT_EQ(Select(panel, dir / "b.lmk").Outcome, TMacroSelect::Loaded);
  EXPECT_EQ(macro_test::ReadBytes(dir / "old.lmk"), v3.Data());
}

TEST(MacroPanel, ADamagedMacroLoadsNothingAndIsNeverWrittenBack) {
  TempFolder dir;
  ElementList list;
  list.Add(Pad(0, lyC1));
  std::vector<uint8_t> bytes = EncodeMacro(list, false, {0, 0}, "", "");
  bytes.resize(bytes.size() - 60);
  macro_test::WriteBytes(dir / "broken.lmk", bytes);
  WriteMacro(dir / "good.lmk", list, "keep");

  TMacroPanel panel;
  ASSERT_EQ(Select(panel, dir / "good.lmk").Outcome, TMacroSelect::Loaded);
  const TMacroSelectResult r = Select(panel, dir / "broken.lmk");
  EXPECT_EQ(r.Outcome, TMacroSelect::Failed);
  EXPECT_EQ(r.Error.Kind, IoErrorKind::EndsEarly);
  EXPECT_EQ(r.Error.File, (dir / "broken.lmk").string());
  EXPECT_TRUE(panel.Elements.empty());
  EXPECT_TRUE(panel.File.empty());
  EXPECT_TRUE(panel.Text1.empty());

  SetMacroTexts(panel, "typed", "");
  ASSERT_EQ(Select(panel, dir / "good.lmk").Outcome, TMacroSelect::Loaded);
  EXPECT_EQ(macro_test::ReadBytes(dir / "broken.lmk"), bytes);
  EXPECT_EQ(panel.Text1, "keep");
}

TEST(MacroPanel, DeletingAMacroFile) {
  TempFolder dir;
  ElementList list;
  list.Add(Pad(0, lyC1));
  WriteMacro(dir / "gone.lmk", list);
  TMacroPanel panel;
  ASSERT_EQ(Select(panel, dir / "gone.lmk").Outcome, TMacroSelect::Loaded);
  EXPECT_TRUE(CanDragMacro(panel, true, dir / "gone.lmk"));
  ASSERT_TRUE(DeleteMacroFile(dir / "gone.lmk").ok());
  EXPECT_FALSE(std::filesystem::exists(dir / "gone.lmk"));
  EXPECT_EQ(DeleteMacroFile(dir / "gone.lmk").Kind, IoErrorKind::FileNotFound);
  // The preview may still be dragged, the tree node no longer.
  EXPECT_TRUE(CanDragMacro(panel, false, {}));
  EXPECT_FALSE(CanDragMacro(panel, true, dir / "gone.lmk"));
  // Changed texts are not written into a file that is gone.
  SetMacroTexts(panel, "x", "y");
  WriteMacro(dir / "other.lmk", list);
  ASSERT_EQ(Select(panel, dir / "other.lmk").Outcome, TMacroSelect::Loaded);
  EXPECT_FALSE(std::filesystem::exists(dir / "gone.lmk"));
  EXPECT_FALSE(CanDragMacro(TMacroPanel{}, false, {}));
}

}  // namespace
}  // namespace corvane
