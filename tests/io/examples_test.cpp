// The example project and the default macro library as shipped in examples/:
// read with the normal readers, they hold what a user opens them for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/element_ops.h"
#include "geom/element_bounds.h"
#include "geom/smd_geometry.h"
#include "io/file_bytes.h"
#include "io/lay_load.h"
#include "io/lay_write.h"
#include "io/macro_file.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(CORVANE_SOURCE_DIR) / "examples";

class DemoProject : public ::testing::Test {
 protected:
  void SetUp() override {
    const TLoadResult r = LoadLayout((kExamples / "demo.lay").string(), project, {});
    ASSERT_TRUE(r.ok()) << r.Error.Describe();
    ASSERT_EQ(r.Version, 5);
    ASSERT_EQ(project.BoardCount(), 2u);
  }
  const TPlatine& Blinker() const { return project.Boards()[0]; }

  TProject project;
};

bool OnBoard(const TObjekt& e, const TPlatinenKopf& h) {
  const TIntRect r = ElementBounds(e, h.LayerState());
  return r.left >= 0 && r.right <= h.Breite && r.top <= 0 && r.bottom >= -h.Hoehe;
}

TEST_F(DemoProject, ReadsBackToTheSameBytes) {
  std::vector<uint8_t> file;
  ASSERT_TRUE(ReadFileBytes((kExamples / "demo.lay").string(), file).ok());
  EXPECT_TRUE(EncodeLayout(project) == file);
}

TEST_F(DemoProject, ShowsTheBlinkerWithProjectInformation) {
  EXPECT_EQ(project.ActiveIndex(), 0);
  EXPECT_FALSE(project.Modified);
  EXPECT_FALSE(project.Info.Title.empty());
  EXPECT_FALSE(project.Info.Author.empty());
  EXPECT_FALSE(project.Info.Company.empty());
  EXPECT_NE(project.Info.Comment.find("\r\n"), std::string::npos) << "a comment of several lines";
}

TEST_F(DemoProject, EveryBoardHasItsOutlineAndKeepsItsElementsOnIt) {
  for (const TPlatine& b : project.Boards()) {
    SCOPED_TRACE(b.Name);
    const TPlatinenKopf& h = b.Kopf;
    bool outline = false;
    for (const TObjekt& e : b.Elemente) {
      // The outline runs on the board's edge; everything else lies wholly on the board.
      if (e.Layer != lyO) {
        EXPECT_TRUE(OnBoard(e, h)) << "element of kind " << int(e.Typ) << " leaves the board";
      }
      if (e.Typ == otLeiterbahn && e.Layer == lyO && e.Punkte.size() >= 5) {
        const TIntRect r = PointBounds(e);
        outline = outline || (r == TIntRect{0, -h.Hoehe, h.Breite, 0} && e.Punkte.front() == e.Punkte.back());
      }
    }
    EXPECT_TRUE(outline) << "no closed track on O around the board";
  }
}

TEST_F(DemoProject, GroundPlaneOnC2WithThermalPads) {
  const TPlatinenKopf& h = Blinker().Kopf;
  EXPECT_EQ(h.Breite, 5080);
  EXPECT_EQ(h.Hoehe, 4064);
  EXPECT_EQ(h.MasseAn[lyC2 - 1], 1);
  EXPECT_EQ(h.AktiverLayer, lyC2);
  int thermal = 0;
  for (const TObjekt& e : Blinker().Elemente) {
    if (!IsAnyPad(e) || !e.Schalter1) continue;
    ++thermal;
    EXPECT_TRUE(ThermalApplies(e, h.LayerState()));
  }
  EXPECT_GE(thermal, 2);
}

TEST_F(DemoProject, ViasJoinTheTracksOfBothSides) {
  const ElementList& list = Blinker().Elemente;
  auto trackEndsAt = [&](uint8_t layer, const TObjekt& via) {
    return std::any_of(list.begin(), list.end(), [&](const TObjekt& t) {
      return t.Typ == otLeiterbahn && t.Layer == layer && !t.Punkte.empty() &&
             (t.Punkte.front() == TFloatPoint{via.X, via.Y} || t.Punkte.back() == TFloatPoint{via.X, via.Y});
    });
  };
  int vias = 0;
  for (const TObjekt& e : list) {
    if (!IsThroughPad(e)) continue;
    ++vias;
    EXPECT_FALSE(IsHoleOnly(e));
    EXPECT_TRUE(trackEndsAt(lyC1, e)) << "via at " << e.X << ", " << e.Y;
    EXPECT_TRUE(trackEndsAt(lyC2, e)) << "via at " << e.X << ", " << e.Y;
  }
  EXPECT_GE(vias, 2);
}

TEST_F(DemoProject, TwoSymmetricRubberBandsRemain) {
  const ElementList& list = Blinker().Elemente;
  std::set<std::pair<ObjRef, ObjRef>> pairs;
  for (const TObjekt& e : list) {
    for (ObjRef ref : e.Luftlinien) {
      const TObjekt* partner = list.Find(ref);
      ASSERT_NE(partner, nullptr);
      EXPECT_TRUE(IsAnyPad(*partner));
      EXPECT_EQ(std::count(partner->Luftlinien.begin(), partner->Luftlinien.end(), e.Id()), 1)
          << "connection not listed by its partner";
      pairs.insert({std::min(e.Id(), ref), std::max(e.Id(), ref)});
    }
  }
  EXPECT_EQ(pairs.size(), 2u);
}

TEST_F(DemoProject, TextsAreVectorTextsWithStrokes) {
  std::set<std::string> texts;
  for (const TPlatine& b : project.Boards()) {
    for (const TObjekt& e : b.Elemente) {
      if (e.Typ == otFontText) ADD_FAILURE() << "font text " << e.Text;
      if (e.Typ != otText) continue;
      texts.insert(e.Text);
      EXPECT_EQ(e.Layer, lyS1) << e.Text;
      ASSERT_FALSE(e.Striche.empty()) << e.Text;
      for (const TObjekt& s : e.Striche) {
        EXPECT_EQ(s.Typ, otLeiterbahn);
        EXPECT_FALSE(s.Punkte.empty());
        EXPECT_GT(s.Wert1, 0);
      }
    }
  }
  for (const char* name : {"555 LED blinker", "U1", "R1", "C1", "LED1", "J1", "D1"})
    EXPECT_TRUE(texts.count(name)) << name;
}

TEST_F(DemoProject, EachComponentIsOneGroupOfPadsAndSilkScreen) {
  for (const TPlatine& b : project.Boards()) {
    SCOPED_TRACE(b.Name);
    struct TMembers {
      int pads = 0, silk = 0, names = 0;
    };
    std::map<int32_t, TMembers> groups;
    for (const TObjekt& e : b.Elemente) {
      if (e.Gruppen.empty()) {
        EXPECT_FALSE(IsAnyPad(e) && !IsThroughPad(e)) << "component pad outside a group";
        continue;
      }
      EXPECT_EQ(e.Gruppen.size(), 1u);
      TMembers& m = groups[e.LastGroupId()];
      m.pads += IsAnyPad(e) ? 1 : 0;
      m.silk += e.Layer == lyS1 ? 1 : 0;
      m.names += e.Typ == otText ? 1 : 0;
    }
    EXPECT_GE(groups.size(), 3u);
    for (const auto& [id, m] : groups) {
      EXPECT_GE(m.pads, 1) << "group " << id;
      EXPECT_GE(m.silk, 2) << "group " << id << ": outline and name";
      EXPECT_EQ(m.names, 1) << "group " << id;
    }
  }
}

// --- the default macro library ---

std::vector<fs::path> MacroFiles() {
  std::vector<fs::path> files;
  const fs::path root = kExamples / "macros";
  if (!fs::is_directory(root)) return files;
  for (const fs::directory_entry& d : fs::recursive_directory_iterator(root))
    if (d.is_regular_file()) files.push_back(fs::relative(d.path(), root));
  std::sort(files.begin(), files.end());
  return files;
}

TMacroData ReadMacro(const fs::path& relative) {
  TMacroData m;
  const IoError error = ReadMacroFile((kExamples / "macros" / relative).string(), {}, m);
  EXPECT_TRUE(error.ok()) << error.Describe();
  return m;
}

TEST(MacroLibrary, EveryMacroLoadsWithPadsOutlineAndBothTextLines) {
  const std::vector<fs::path> files = MacroFiles();
  ASSERT_GE(files.size(), 60u) << "examples/macros is missing or incomplete";
  for (const fs::path& f : files) {
    SCOPED_TRACE(f.string());
    const std::string name = f.generic_string();
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 127; }));
    EXPECT_EQ(f.extension(), ".lmk");
    EXPECT_EQ(std::distance(f.begin(), f.end()), 2) << "one folder per family";
    const TMacroData m = ReadMacro(f);
    EXPECT_EQ(m.Version, 5);
    EXPECT_FALSE(m.Text1.empty());
    EXPECT_FALSE(m.Text2.empty());
    std::vector<const TObjekt*> pads;
    bool outline = false, dot = false;
    for (const TObjekt& e : m.Elemente) {
      if (IsAnyPad(e)) pads.push_back(&e);
      outline = outline || (e.Layer == lyS1 && (e.Typ == otLeiterbahn || (e.Typ == otKreis && e.Mass2 > 0)));
      dot = dot || (e.Layer == lyS1 && e.Typ == otKreis && e.Mass2 == 0);
      EXPECT_EQ(e.Markiert, 0);
      EXPECT_TRUE(e.Luftlinien.empty());
    }
    ASSERT_FALSE(pads.empty());
    EXPECT_TRUE(outline) << "no silk-screen outline on S1";
    // Pin 1 is the reference point that follows the mouse.
    const TObjekt& pin1 = *pads.front();
    const TFloatPoint c = IsPad(pin1) ? TFloatPoint{pin1.X, pin1.Y} : SmdCentre(pin1);
    EXPECT_EQ(c, (TFloatPoint{0, 0}));
    // Pin 1 is marked: a pad of another shape, or a silk-screen dot for SMD parts.
    if (pads.size() > 1 && IsPad(pin1)) {
      EXPECT_NE(pin1.Form, pads[1]->Form);
    } else if (pads.size() > 1) {
      EXPECT_TRUE(dot);
    }
  }
}

TEST(MacroLibrary, HoldsTheCommonPackages) {
  struct TCase {
    const char* file;
    std::size_t pads;
    float pitch;  // distance of pin 2 from pin 1 in world units, 0 for one pad
  };
  const TCase cases[] = {
      {"DIP/DIP-8.lmk", 8, 254},          {"DIP/DIP-20.lmk", 20, 254},
      {"DIP/DIP-24.lmk", 24, 254},        {"DIP/DIP-40.lmk", 40, 254},
      {"Headers/1x01.lmk", 1, 0},         {"Headers/1x05.lmk", 5, 254},
      {"Headers/1x20.lmk", 20, 254},      {"Headers/2x02.lmk", 4, 254},
      {"Headers/2x20.lmk", 40, 254},      {"Transistors/TO-92.lmk", 3, 254},
      {"Transistors/TO-220.lmk", 3, 254}, {"Resistors/R-axial-7.62.lmk", 2, 762},
      {"Resistors/R-axial-10.16.lmk", 2, 1016}, {"Resistors/R-axial-12.7.lmk", 2, 1270},
      {"Capacitors/CP-radial-2.5.lmk", 2, 250}, {"Capacitors/CP-radial-5.0.lmk", 2, 500},
      {"LEDs/LED-3mm.lmk", 2, 254},       {"LEDs/LED-5mm.lmk", 2, 254},
      {"SOT/SOT-23.lmk", 3, 190},         {"SOIC/SOIC-8.lmk", 8, 127},
      {"SOIC/SOIC-14.lmk", 14, 127},      {"SOIC/SOIC-16.lmk", 16, 127},
      {"Chip/0402.lmk", 2, 100},          {"Chip/0603.lmk", 2, 160},
      {"Chip/0805.lmk", 2, 200},          {"Chip/1206.lmk", 2, 300},
      {"Mounting/M2.5.lmk", 1, 0},        {"Mounting/M3.lmk", 1, 0},
  };
  for (const TCase& t : cases) {
    SCOPED_TRACE(t.file);
    ASSERT_TRUE(fs::is_regular_file(kExamples / "macros" / t.file));
    const TMacroData m = ReadMacro(t.file);
    std::vector<TFloatPoint> centres;
    for (const TObjekt& e : m.Elemente)
      if (IsAnyPad(e)) centres.push_back(IsPad(e) ? TFloatPoint{e.X, e.Y} : SmdCentre(e));
    ASSERT_EQ(centres.size(), t.pads);
    if (t.pads > 1) {
      EXPECT_FLOAT_EQ(std::hypot(centres[1].x - centres[0].x, centres[1].y - centres[0].y), t.pitch);
    }
  }
}

TEST(MacroLibrary, DualInLineRowsAreNarrowUpTo20PinsAndWideFrom24) {
  for (const auto& [file, row] : {std::pair{"DIP/DIP-8.lmk", 762.f}, std::pair{"DIP/DIP-20.lmk", 762.f},
                                  std::pair{"DIP/DIP-24.lmk", 1524.f}, std::pair{"DIP/DIP-40.lmk", 1524.f}}) {
    SCOPED_TRACE(file);
    const TMacroData m = ReadMacro(file);
    float right = 0;
    for (const TObjekt& e : m.Elemente)
      if (IsPad(e)) right = std::max(right, e.X);
    EXPECT_EQ(right, row);
  }
}

}  // namespace
}  // namespace corvane
