#pragma once
// The macro panel without its widgets: the loaded macro, its two text lines,
// the three toggle buttons and what selecting a macro in the tree does.

#include <filesystem>
#include <string>

#include "core/element_list.h"
#include "core/layers.h"
#include "io/io_error.h"
#include "io/macro_file.h"

namespace corvane {

struct TMacroPanel {
  std::filesystem::path File;  // the loaded macro; empty when none is loaded
  ElementList Elements;        // the macro element list shown and dropped
  std::string Text1;           // the two free text lines (code page 1252)
  std::string Text2;
  bool TextsChanged = false;  // the text lines were edited since loading
  // Down states of the toggle buttons "Mirror", "Change side", "Through-Pads".
  bool MirrorDown = false;
  bool ChangeSideDown = false;
  bool ThroughPadsDown = false;
  // The elements as read from File, before the panel transformations: what
  // is written back when only the text lines were changed.
  ElementList AsRead;
};

// The text lines as edited in the panel; a change marks them for writing back.
void SetMacroTexts(TMacroPanel& panel, const std::string& text1, const std::string& text2);

// The panel transformations on a macro element list.
void MirrorMacro(ElementList& list);      // left-right about x = 0
void ChangeMacroSide(ElementList& list);  // layers 1<->3 and 2<->4
// Down: every pad on a copper layer becomes through-plated; up: no pad is.
void SetMacroThroughPads(ElementList& list, bool down);

// The toggle buttons: each flips its down state and transforms the list.
void ToggleMirror(TMacroPanel& panel);
void ToggleChangeSide(TMacroPanel& panel);
void ToggleThroughPads(TMacroPanel& panel);

// Automatic side adjustment ("AutoSpiegeln"), only with an active layer 1..4.
// When the copper elements (layers 1, 3) use one layer and the silk-screen
// elements (2, 4) use at most one, and the macro lies on the other side of
// the board than the active layer -- its copper on the other copper side, or
// without copper its print on the other print side -- it is mirrored, its
// side changed and both toggle buttons flip. Returns whether it did that.
bool AutoAdjustMacroSide(TMacroPanel& panel, bool autoSpiegeln, int activeLayer);

struct TMacroSelectOptions {
  bool AutoSpiegeln = false;  // setting "Mirror macros and text on the bottom board side automatic"
  int AktiverLayer = lyC2;    // active layer of the shown board
  TMacroReadOptions Read;     // font texts are always converted
};

enum class TMacroSelect {
  Ignored,  // not an existing .lmk file: nothing changed
  Loaded,   // the macro is loaded
  Failed,   // the file could not be read: no macro is loaded
};

struct TMacroSelectResult {
  TMacroSelect Outcome = TMacroSelect::Ignored;
  IoError Error;             // why reading failed
  bool SideAdjusted = false;  // the automatic side adjustment flipped the toggles
};

// Selecting a node of the macro tree with the file `file`:
// 1. nothing unless the file exists and its extension is ".lmk" (any case);
// 2. changed text lines of the macro loaded before are written back into its
//    file, if it still exists, with the elements as read (write errors are
//    ignored);
// 3. the file is read (ReadMacroFile: old versions converted, font texts
//    converted, cleaned up) with its text lines;
// 4. the down toggles are applied again: mirror, change side, then the
//    automatic side adjustment, then the through-plating.
// A file that cannot be read leaves no macro loaded, so nothing is ever
// written back into it.
TMacroSelectResult SelectMacro(TMacroPanel& panel, const std::filesystem::path& file,
                               const TMacroSelectOptions& options);

// "Delete macro" after the window's question: deletes the file (the loaded
// macro stays in the panel, but changed text lines are no longer written
// back). FileNotFound when it does not exist, CannotWrite when it cannot be
// deleted.
IoError DeleteMacroFile(const std::filesystem::path& file);

// A drag from the panel is accepted when the macro list is not empty and,
// for a drag from the tree, the selected node's file exists.
bool CanDragMacro(const TMacroPanel& panel, bool fromTree, const std::filesystem::path& treeFile);

}  // namespace corvane
