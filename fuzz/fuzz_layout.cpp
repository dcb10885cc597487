// libFuzzer target for the project file reader: whatever the bytes, reading
// reports an error or gives a project that can be saved and read again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "io/board_cleanup.h"
#include "io/lay_load.h"
#include "io/lay_save.h"
#include "io/lay_write.h"
#include "io/project_json.h"

using namespace corvane;

namespace {

// A project as the program has it before opening or importing a file.
TProject Existing() {
  TProject p;
  p.NewProject(1);
  return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  for (bool append : {false, true}) {
    TProject p = Existing();
    TLoadOptions options;
    options.Append = append;
    const std::vector<uint8_t> before = EncodeLayout(p);
    const TLoadResult r = LoadLayoutBytes(bytes, "fuzz.lay", p, options);
    if (!r.ok()) {
      // A failed read leaves the project as it was.
      if (EncodeLayout(p) != before) __builtin_trap();
      continue;
    }
    (void)ProjectToJson(p, r.Version);
    // What the editor does next with a loaded project: convert font texts,
    // tidy the shown board as a save does, write and read it again.
    TFontTextOptions fonts;
    fonts.Ask = [](std::size_t) { return true; };
    ConvertFontTexts(p, fonts);
    DeleteElementsOutsideBoard(p.ActiveElements(), p.View.Breite, p.View.Hoehe, p.LayerState());
    CleanUpBoard(p.ActiveElements());
    CompactGroupIds(p);
    p.StoreViewState();
    const std::vector<uint8_t> saved = EncodeLayout(p);
    TProject again;
    if (!LoadLayoutBytes(saved, "again.lay", again, {}).ok()) __builtin_trap();
  }
  return 0;
}
