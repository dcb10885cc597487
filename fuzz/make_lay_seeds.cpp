// Writes the seed corpus of the layout fuzzer: project files of every version
// made by our writer and by the test byte builder for the older versions.
#include <cstdio>
#include <string>
#include <vector>

#include "io/file_bytes.h"
#include "io/lay_write.h"
#include "lay_fixtures.h"

using namespace corvane;

namespace {

bool Save(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  const IoError e = WriteFileReplacing(folder + "/" + name, bytes);
  if (!e.ok()) std::fprintf(stderr, "%s\n", e.Describe().c_str());
  return e.ok();
}

fixtures::OldElement Pad(int32_t x, int32_t partner) {
  fixtures::OldElement e;
  e.Typ = otLoetauge;
  e.Form = psOctagon;
  e.X = x;
  e.Y = -300;
  e.Mass1 = 60;
  e.Mass2 = 30;
  e.Partner = partner;
  return e;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_lay_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  fixtures::OldElement track;
  track.Punkte = {{0, 0}, {100, -100}};
  track.Gruppen = {2};
  track.AltGruppe = 3;
  fixtures::OldElement line = track;
  line.Typ = otLinie;
  line.Mass1 = 50;
  fixtures::OldElement font;
  font.Typ = otFontText;
  font.Layer = lyS1;
  font.Wert1 = -16;
  font.Text = "FONT";
  fixtures::OldElement text;
  text.Typ = otText;
  text.Layer = lyS1;
  text.Mass1 = 150;
  text.Striche = {track};
  fixtures::OldBoard board;
  board.Elemente = {track, Pad(0, 2), Pad(100, 1), font, text};
  board.Elemente[1].Luftlinien = {2};
  board.Elemente[2].Luftlinien = {1};

  TProject small;
  small.NewProject(1);
  small.ActiveElements().Add(fixtures::Track({{10, -10}, {20, -20}}));

  bool ok = Save(folder, "sample_v5.lay", EncodeLayout(fixtures::SampleProject()));
  ok = Save(folder, "small_v5.lay", EncodeLayout(small)) && ok;
  for (int v = 0; v <= 2; ++v)
    ok = Save(folder, "v" + std::to_string(v) + ".lay", fixtures::FileV0(v, 8000, 6000, {track, line, font})) && ok;
  ok = Save(folder, "v3.lay", fixtures::FileV3V4(3, {board, board}, 1)) && ok;
  ok = Save(folder, "v4.lay", fixtures::FileV3V4(4, {board}, 0)) && ok;
  return ok ? 0 : 1;
}
