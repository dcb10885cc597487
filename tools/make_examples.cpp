// make-examples: writes the example project (demo.lay) and the default macro
// library (macros/<family>/<name>.lmk) into the given folder, replacing the
// files that are there. The output depends on nothing but this program.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "demo_project.h"
#include "core/units.h"
#include "geom/smd_geometry.h"
#include "io/board_cleanup.h"
#include "io/lay_save.h"
#include "io/macro_file.h"
#include "macro_library.h"

namespace fs = std::filesystem;
using namespace corvane;

namespace {

bool WriteDemo(const fs::path& out) {
  TProject project = examples::BuildDemoProject();
  const IoError error = SaveLayout((out / "demo.lay").string(), project);
  if (error) {
    std::fprintf(stderr, "make-examples: %s\n", error.Describe().c_str());
    return false;
  }
  return true;
}

// The macro's reference point: the centre of its first pad, rounded to
// whole units (every library footprint has pin 1 there, at (0, 0)).
TFloatPoint ReferencePoint(const ElementList& list) {
  for (const TObjekt& e : list) {
    if (IsPad(e)) return {static_cast<float>(Rnd(e.X)), static_cast<float>(Rnd(e.Y))};
    if (IsSmdPad(e)) {
      const TFloatPoint c = SmdCentre(e);
      return {static_cast<float>(Rnd(c.x)), static_cast<float>(Rnd(c.y))};
    }
  }
  return {0, 0};
}

bool WriteMacros(const fs::path& out) {
  bool ok = true;
  for (examples::TFootprint& fp : examples::DefaultMacroLibrary()) {
    const fs::path folder = out / "macros" / fp.Folder;
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string path = (folder / (fp.File + kMacroExtension)).string();
    if (ec) {
      std::fprintf(stderr, "make-examples: cannot create %s: %s\n", folder.string().c_str(), ec.message().c_str());
      return false;
    }
    CleanUpBoard(fp.Elemente);
    const IoError error =
        WriteMacroFile(path, fp.Elemente, false, ReferencePoint(fp.Elemente), fp.Text1, fp.Text2);
    if (error) {
      std::fprintf(stderr, "make-examples: %s\n", error.Describe().c_str());
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-examples <output folder>\n");
    return 2;
  }
  const fs::path out = argv[1];
  std::error_code ec;
  fs::create_directories(out, ec);
  if (ec) {
    std::fprintf(stderr, "make-examples: cannot create %s: %s\n", out.string().c_str(), ec.message().c_str());
    return 1;
  }
  const bool demo = WriteDemo(out);
  const bool macros = WriteMacros(out);
  return demo && macros ? 0 : 1;
}
