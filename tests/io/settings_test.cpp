#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "io/settings.h"
#include "io/settings_location.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kProgram = "/opt/corvane";

struct KeyText {
  const char* Section;
  const char* Key;
  const char* Value;  // differs from the key's default
};

// Every key of the main window's settings with a value other than its default.
const std::vector<KeyText> kEveryKey = {
    {"Window", "WindowMax", "0"},
    {"Window", "WindowX", "-20"},
    {"Window", "WindowY", "33"},
    {"Window", "WindowW", "1024"},
    {"Window", "WindowH", "768"},
    {"Optionen", "Kurzhilfe", "0"},
    {"Optionen", "AutoSave", "1"},
    {"Optionen", "AutoSaveTime", "120000"},
    {"Optionen", "Farbschema", "2"},
    {"Optionen", "PlatinenZoom", "0"},
    {"Optionen", "Undo", "9"},
    {"Optionen", "Imax_CU", "70"},
    {"Optionen", "Imax_DT", "10"},
    {"Optionen", "BohrungenWeiss", "1"},
    {"Optionen", "Fadenkreuz", "0"},
    {"Optionen", "AutoSpiegeln", "0"},
    {"Optionen", "VirtuelleKnoten", "0"},
    {"Optionen", "SchrifthoeheBegrenzen", "1"},
    {"Optionen", "StrgZumFangen", "0"},
    {"Optionen", "HPGLSonderFaktor", "1"},
    {"Optionen", "AutoMasseDunkel", "0"},
    {"Optionen", "CAM_Nullpunkt", "1"},
    {"Optionen", "AutoUpdate", "1"},
    {"Optionen", "Hotkeys", "Z_PSRFNTCAXMVO"},
    {"Optionen", "Transparent", "1"},
    {"Optionen", "RasterMarkierung", "10"},
    {"Optionen", "RasterSichtbar", "0"},
    {"Optionen", "RotWinkel", "900"},
    {"Optionen", "UserRotWinkel", "-125"},
    {"Optionen", "MIL", "1"},
    {"Optionen", "Makro", "1"},
    {"Optionen", "DRC", "1"},
    {"Optionen", "Eigenschaften", "1"},
    {"Optionen", "MakroBreite", "250"},
    {"Optionen", "MakroHoehe", "200"},
    {"Optionen", "ExportBitmapDPI", "600"},
    {"Settings", "Track", "40"},
    {"Settings", "Circle1", "250"},
    {"Settings", "Circle2", "90"},
    {"Settings", "SMDX", "127"},
    {"Settings", "SMDY", "63"},
    {"Ordner", "Layout", "/home/u/layouts"},
    {"Ordner", "Gerber", "/home/u/gerber"},
    {"Ordner", "Bitmap", ""},
    {"Ordner", "Vorlage", "/home/u/scans"},
    {"Ordner", "PLT", "/home/u/plt"},
    {"Ordner", "Makro", "/home/u/macros"},
    {"Ordner", "MakroOrdner", "/home/u/macros/ic/DIL8.lmk"},
    {"History", "D1", "/home/u/layouts/a.lay"},
    {"History", "D2", "/home/u/layouts/b.lay"},
    {"History", "D3", "/home/u/c.lay"},
    {"History", "D4", "/tmp/d.lay"},
};

std::string IniText(const std::vector<KeyText>& keys) {
  std::string text, section;
  for (const KeyText& k : keys) {
    if (section != k.Section) text += "[" + (section = k.Section) + "]\n";
    text += std::string(k.Key) + "=" + k.Value + "\n";
  }
  return text;
}

TSettings FromText(const std::string& text) { return SettingsFromIni(IniFile::Parse(text), kProgram); }

TEST(Settings, DefaultsOfEveryKey) {
  const TSettings s = DefaultSettings(kProgram);
  EXPECT_TRUE(s.Window.WindowMax);
  EXPECT_EQ(s.Window.WindowX, 10);
  EXPECT_EQ(s.Window.WindowY, 10);
  EXPECT_EQ(s.Window.WindowW, 600);
  EXPECT_EQ(s.Window.WindowH, 400);
  const TOptionSettings& o = s.Optionen;
  EXPECT_TRUE(o.Kurzhilfe);
  EXPECT_FALSE(o.AutoSave);
  EXPECT_EQ(o.AutoSaveTime, 300000);
  EXPECT_EQ(o.Farbschema, 0);
  EXPECT_TRUE(o.PlatinenZoom);
  EXPECT_EQ(o.Undo, 49);
  EXPECT_EQ(o.UndoDepth(), 50);
  EXPECT_EQ(o.Imax_CU, 35);
  EXPECT_EQ(o.Imax_DT, 20);
  EXPECT_FALSE(o.BohrungenWeiss);
  EXPECT_TRUE(o.Fadenkreuz);
  EXPECT_TRUE(o.AutoSpiegeln);
  EXPECT_TRUE(o.VirtuelleKnoten);
  EXPECT_FALSE(o.SchrifthoeheBegrenzen);
  EXPECT_TRUE(o.StrgZumFangen);
  EXPECT_FALSE(o.HPGLSonderFaktor);
  EXPECT_TRUE(o.AutoMasseDunkel);
  EXPECT_FALSE(o.CAM_Nullpunkt);
  EXPECT_FALSE(o.AutoUpdate);
  EXPECT_EQ(o.Hotkeys, "ZLPSRFNTCAXMVO");
  EXPECT_FALSE(o.Transparent);
  EXPECT_EQ(o.RasterMarkierung, 4);
  EXPECT_TRUE(o.RasterSichtbar);
  EXPECT_EQ(o.RotWinkel, 450);
  EXPECT_EQ(o.UserRotWinkel, 225);
  EXPECT_FALSE(o.MIL);
  EXPECT_FALSE(o.Makro);
  EXPECT_FALSE(o.DRC);
  EXPECT_FALSE(o.Eigenschaften);
  EXPECT_EQ(o.MakroBreite, 176);
  EXPECT_EQ(o.MakroHoehe, 164);
  EXPECT_EQ(o.ExportBitmapDPI, 300);
  EXPECT_EQ(s.Sizes, (TSizeSettings{80, 180, 60, 90, 180}));
  const TFolderSettings& f = s.Ordner;
  for (const std::string* folder : {&f.Layout, &f.Gerber, &f.Bitmap, &f.Vorlage, &f.PLT})
    EXPECT_EQ(*folder, kProgram);
  EXPECT_EQ(f.Makro, kProgram + "/Makros");
  EXPECT_EQ(f.MakroOrdner, "");
  for (const std::string& d : s.History.Entries()) EXPECT_EQ(d, "");
  EXPECT_TRUE(s.RawSections.empty());
}

TEST(Settings, EveryKeyIsReadIntoItsField) {
  const TSettings s = FromText(IniText(kEveryKey));
  EXPECT_EQ(s.Window, (TWindowSettings{false, -20, 33, 1024, 768}));
  const TOptionSettings& o = s.Optionen;
  EXPECT_FALSE(o.Kurzhilfe);
  EXPECT_TRUE(o.AutoSave);
  EXPECT_EQ(o.AutoSaveTime, 120000);
  EXPECT_EQ(o.Farbschema, 2);
  EXPECT_FALSE(o.PlatinenZoom);
  EXPECT_EQ(o.Undo, 9);
  EXPECT_EQ(o.UndoDepth(), 10);
  EXPECT_EQ(o.Imax_CU, 70);
  EXPECT_EQ(o.Imax_DT, 10);
  EXPECT_TRUE(o.BohrungenWeiss);
  EXPECT_FALSE(o.Fadenkreuz);
  EXPECT_FALSE(o.AutoSpiegeln);
  EXPECT_FALSE(o.VirtuelleKnoten);
  EXPECT_TRUE(o.SchrifthoeheBegrenzen);
  EXPECT_FALSE(o.StrgZumFangen);
  EXPECT_TRUE(o.HPGLSonderFaktor);
  EXPECT_FALSE(o.AutoMasseDunkel);
  EXPECT_TRUE(o.CAM_Nullpunkt);
  EXPECT_TRUE(o.AutoUpdate);
  EXPECT_EQ(o.Hotkeys, "Z_PSRFNTCAXMVO");
  EXPECT_TRUE(o.Transparent);
  EXPECT_EQ(o.RasterMarkierung, 10);
  EXPECT_FALSE(o.RasterSichtbar);
  EXPECT_EQ(o.RotWinkel, 900);
  EXPECT_EQ(o.UserRotWinkel, -125);
  EXPECT_TRUE(o.MIL);
  EXPECT_TRUE(o.Makro);
  EXPECT_TRUE(o.DRC);
  EXPECT_TRUE(o.Eigenschaften);
  EXPECT_EQ(o.MakroBreite, 250);
  EXPECT_EQ(o.MakroHoehe, 200);
  EXPECT_EQ(o.ExportBitmapDPI, 600);
  EXPECT_EQ(s.Sizes, (TSizeSettings{40, 250, 90, 127, 63}));
  EXPECT_EQ(s.Ordner, (TFolderSettings{"/home/u/layouts", "/home/u/gerber", "", "/home/u/scans", "/home/u/plt",
                                       "/home/u/macros", "/home/u/macros/ic/DIL8.lmk"}));
  EXPECT_EQ(s.History.Entry(0), "/home/u/layouts/a.lay");
  EXPECT_EQ(s.History.Entry(3), "/tmp/d.lay");

  // Each key on its own decides its field: leaving any one out changes the result.
  for (std::size_t i = 0; i < kEveryKey.size(); ++i) {
    std::vector<KeyText> without = kEveryKey;
    without.erase(without.begin() + static_cast<long>(i));
    EXPECT_FALSE(FromText(IniText(without)) == s) << kEveryKey[i].Key;
  }
}

TEST(Settings, WrittenTextHoldsExactlyTheKeysOfTheTable) {
  const TSettings s = FromText(IniText(kEveryKey));
  const IniFile written = IniFile::Parse(SettingsText(s));
  for (const KeyText& k : kEveryKey)
    EXPECT_EQ(written.Value(k.Section, k.Key).value_or("<missing>"), k.Value) << k.Section << "/" << k.Key;
  std::size_t keys = 0;
  for (const std::string& section : written.Sections()) keys += written.Keys(section).size();
  EXPECT_EQ(keys, kEveryKey.size());
  // Keys keep the spelling of the table, sections too.
  EXPECT_NE(SettingsText(s).find("[Optionen]\n"), std::string::npos);
  EXPECT_NE(SettingsText(s).find("\nCAM_Nullpunkt=1\n"), std::string::npos);
  EXPECT_EQ(FromText(SettingsText(s)), s);
}

TEST(Settings, SectionAndKeyNamesIgnoreCase) {
  const TSettings s = FromText(
      "[WINDOW]\nwindowmax=0\nwindoww=800\n[optionen]\nHOTKEYS=Z_PSRFNTCAXMVO\nundo=4\n"
      "[settings]\ntrack=55\n[ordner]\nmakroordner=/m/x.lmk\n[history]\nd2=/b.lay\n");
  EXPECT_FALSE(s.Window.WindowMax);
  EXPECT_EQ(s.Window.WindowW, 800);
  EXPECT_EQ(s.Optionen.Hotkeys, "Z_PSRFNTCAXMVO");
  EXPECT_EQ(s.Optionen.UndoDepth(), 5);
  EXPECT_EQ(s.Sizes.Track, 55);
  EXPECT_EQ(s.Ordner.MakroOrdner, "/m/x.lmk");
  EXPECT_EQ(s.History.Entry(1), "/b.lay");
}

TEST(Settings, BadValuesGiveTheDefault) {
  const std::vector<KeyText> bad = {
      {"Window", "WindowMax", "yes"},          {"Window", "WindowX", "12px"},
      {"Window", "WindowY", "99999999999"},    {"Window", "WindowW", "0"},
      {"Window", "WindowH", "-5"},             {"Optionen", "AutoSave", ""},
      {"Optionen", "AutoSaveTime", "0"},       {"Optionen", "AutoSaveTime", "3600001"},
      {"Optionen", "Farbschema", "4"},         {"Optionen", "Farbschema", "-1"},
      {"Optionen", "Undo", "50"},              {"Optionen", "Undo", "-1"},
      {"Optionen", "Imax_CU", "0"},            {"Optionen", "Imax_DT", "300"},
      {"Optionen", "Hotkeys", "ZLP"},          {"Optionen", "Hotkeys", "ZLPSRFNTCAXMVOQ"},
      {"Optionen", "RasterMarkierung", "3"},   {"Optionen", "RasterMarkierung", "1"},
      {"Optionen", "RotWinkel", "45.5"},       {"Optionen", "MakroBreite", "-1"},
      {"Optionen", "ExportBitmapDPI", "0"},    {"Settings", "Track", "9999"},
      {"Settings", "Circle1", "10000"},        {"Settings", "Circle2", "181"},
      {"Settings", "Circle2", "-1"},           {"Settings", "SMDX", "9999"},
      {"Settings", "SMDY", "-2"},
  };
  const TSettings defaults = DefaultSettings(kProgram);
  for (const KeyText& k : bad)
    EXPECT_EQ(FromText(IniText({k})), defaults) << k.Key << "=" << k.Value;
}

TEST(Settings, LimitValuesAreTaken) {
  const TSettings s = FromText(
      "[Optionen]\nAutoSaveTime=60000\nUndo=0\nRasterMarkierung=0\n"
      "[Settings]\nTrack=9998\nCircle1=9998\nCircle2=9998\nSMDX=0\n");
  EXPECT_EQ(s.Optionen.AutoSaveTime, 60000);
  EXPECT_EQ(s.Optionen.UndoDepth(), 1);
  EXPECT_EQ(s.Optionen.RasterMarkierung, 0);
  EXPECT_EQ(s.Sizes.Track, 9998);
  EXPECT_EQ(s.Sizes.Circle2, 9998);
  EXPECT_EQ(s.Sizes.SMDX, 0);
}

TEST(Settings, SmallOuterDiameterKeepsTheDefaultDrillInside) {
  // The default drill of 60 does not fit a stored outer diameter of 40.
  const TSettings s = FromText("[Settings]\nCircle1=40\n");
  EXPECT_EQ(s.Sizes.Circle1, 40);
  EXPECT_EQ(s.Sizes.Circle2, 40);
}

const char* kWithRawSections =
    "[Window]\nWindowMax=1\n"
    "[L_POPUP]\nT0=40\nT1=80\nT2=120\n"
    "[Zukunft]\nNeu=1\n"
    "[R_POPUP]\nT8=5000000\n"
    "[LA_POPUP]\nT0=180\nI0=60\n"
    "[SMD_POPUP]\nT0=90\n"
    "[Drucken]\nRand=10\nFormel=a=b\n"
    "[Excellon]\nZeros=0\n"
    "[DRC]\nAbstand=20\nabstand=99\n";

TEST(Settings, RawSectionsSurviveReadAndWrite) {
  const TSettings s = FromText(kWithRawSections);
  EXPECT_EQ(s.Section("l_popup"), (TKeyValueList{{"T0", "40"}, {"T1", "80"}, {"T2", "120"}}));
  EXPECT_EQ(s.Section("Drucken"), (TKeyValueList{{"Rand", "10"}, {"Formel", "a=b"}}));
  // The first of two equal keys counts, as for every other key.
  EXPECT_EQ(s.Section("DRC"), (TKeyValueList{{"Abstand", "20"}}));
  EXPECT_EQ(s.Section("Zukunft"), (TKeyValueList{{"Neu", "1"}}));
  EXPECT_TRUE(s.Section("Missing").empty());
  // The "DRC" section does not disturb the "DRC" key of "Optionen".
  EXPECT_FALSE(s.Optionen.DRC);

  const TSettings again = FromText(SettingsText(s));
  EXPECT_EQ(again, s);
  std::vector<std::string> order;
  for (const TSettingsSection& r : again.RawSections) order.push_back(r.Name);
  EXPECT_EQ(order, (std::vector<std::string>{"L_POPUP", "R_POPUP", "LA_POPUP", "SMD_POPUP", "Drucken", "Excellon",
                                             "DRC", "Zukunft"}));
}

TEST(Settings, SetSectionReplacesRemovesAndKeepsTheOrder) {
  TSettings s = DefaultSettings(kProgram);
  s.SetSection("DRC", {{"Abstand", "30"}});
  s.SetSection("l_popup", {{"T0", "1"}});
  s.SetSection("Window", {{"WindowMax", "0"}});  // a section with fields of its own is not raw
  ASSERT_EQ(s.RawSections.size(), 2u);
  EXPECT_EQ(s.RawSections[0].Name, "L_POPUP");
  EXPECT_EQ(s.RawSections[1].Name, "DRC");
  s.SetSection("DRC", {{"Abstand", "35"}});
  EXPECT_EQ(s.Section("DRC"), (TKeyValueList{{"Abstand", "35"}}));
  s.SetSection("L_POPUP", {});
  EXPECT_TRUE(s.Section("L_POPUP").empty());
  EXPECT_EQ(s.RawSections.size(), 1u);
  EXPECT_TRUE(FromText(SettingsText(s)).Window.WindowMax);
}

TEST(Settings, WrittenFileStaysReadableWhateverTheValues) {
  TSettings s = DefaultSettings(kProgram);
  s.Ordner.Layout = "/a\nWindowMax=0\r\n[Window]";
  s.SetSection("L_POPUP", {{"T0", "40"}, {"bad=key", "1"}, {"", "2"}, {"[x", "3"}, {"T1", "x\ny"}});
  const TSettings back = FromText(SettingsText(s));
  EXPECT_EQ(back.Ordner.Layout, "/aWindowMax=0[Window]");
  EXPECT_TRUE(back.Window.WindowMax);
  EXPECT_EQ(back.Section("L_POPUP"), (TKeyValueList{{"T0", "40"}, {"T1", "xy"}}));
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(::testing::TempDir()) /
           ("settings_" + std::to_string(::getpid()) + "_" + std::string(info->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static void Put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
  static std::string Get(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
};

TEST_F(SettingsFile, MissingFileGivesAllDefaultsWithoutError) {
  const TSettingsRead r = ReadSettings((dir_ / "CORVAN50.INI").string(), kProgram);
  EXPECT_TRUE(r.Error.ok());
  EXPECT_EQ(r.Settings, DefaultSettings(kProgram));
}

TEST_F(SettingsFile, UnreadableFileGivesDefaultsAndAnError) {
  const fs::path folderNamedLikeTheFile = dir_ / "CORVAN50.INI";
  fs::create_directories(folderNamedLikeTheFile);
  const TSettingsRead r = ReadSettings(folderNamedLikeTheFile.string(), kProgram);
  EXPECT_EQ(r.Error.Kind, IoErrorKind::CannotRead);
  EXPECT_EQ(r.Settings, DefaultSettings(kProgram));
}

TEST_F(SettingsFile, WriteAndReadBackEveryValue) {
  TSettings s = FromText(std::string(kWithRawSections) + IniText(kEveryKey));
  const fs::path file = dir_ / "config" / "corvane" / "CORVAN50.INI";  // folders are created
  ASSERT_TRUE(WriteSettings(file.string(), s).ok());
  const TSettingsRead r = ReadSettings(file.string(), kProgram);
  EXPECT_TRUE(r.Error.ok());
  EXPECT_EQ(r.Settings, s);
  EXPECT_FALSE(r.Settings == DefaultSettings(kProgram));
  // Only the file itself is left in its folder, no temporary file.
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsFile, FailedWriteIsReportedAndLeavesNoTrace) {
  // A folder where the file should be: the rename cannot replace it.
  const fs::path blocked = dir_ / "CORVAN50.INI";
  fs::create_directories(blocked / "keep");
  const IoError e = WriteSettings(blocked.string(), DefaultSettings(kProgram));
  EXPECT_EQ(e.Kind, IoErrorKind::CannotWrite);
  EXPECT_EQ(e.File, blocked.string());
  EXPECT_TRUE(fs::is_directory(blocked / "keep"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  // A plain file where a folder should be.
  Put(dir_ / "plain", "x");
  EXPECT_EQ(WriteSettings((dir_ / "plain" / "CORVAN50.INI").string(), DefaultSettings(kProgram)).Kind,
            IoErrorKind::CannotWrite);
  EXPECT_EQ(Get(dir_ / "plain"), "x");
}

TEST(SettingsLocation, RuleOnPlainFacts) {
  struct Case {
    bool inProgram, inConfig, writable;
    TSettingsFolder read;
  };
  const Case cases[] = {
      {true, false, true, TSettingsFolder::Program},   {true, true, true, TSettingsFolder::Program},
      {false, true, true, TSettingsFolder::Config},    {false, false, true, TSettingsFolder::Config},
      {true, false, false, TSettingsFolder::Program},  // the shipped copy until the program wrote its own
      {true, true, false, TSettingsFolder::Config},    // the copy written last wins
      {false, true, false, TSettingsFolder::Config},   {false, false, false, TSettingsFolder::Config},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadFolderFor(c.inProgram, c.inConfig, c.writable), c.read)
        << c.inProgram << c.inConfig << c.writable;
  EXPECT_EQ(WriteFolderFor(true), TSettingsFolder::Program);
  EXPECT_EQ(WriteFolderFor(false), TSettingsFolder::Config);
}

TEST_F(SettingsFile, LocationOfEachFile) {
  const fs::path program = dir_ / "program", config = dir_ / "config";
  fs::create_directories(program);
  fs::create_directories(config);
  for (const char* name : {"CORVAN50.INI", "SPRACHE.INI", "C_USER1.DAT", "C_USER3.DAT", "COLORS.DAT"}) {
    SCOPED_TRACE(name);
    // Only in the configuration folder: read there, write into the writable program folder.
    Put(config / name, "c");
    TSettingsLocation at = LocateSettingsFile(program, config, name);
    EXPECT_EQ(at.Read, config / name);
    EXPECT_EQ(at.Write, program / name);
    // Present in the program folder: it wins.
    Put(program / name, "p");
    at = LocateSettingsFile(program, config, name);
    EXPECT_EQ(at.Read, program / name);
    EXPECT_EQ(at.Write, program / name);
  }
  // Neither folder has it: the reader finds nothing in the configuration folder.
  const TSettingsLocation none = LocateSettingsFile(program, config, "C_USER2.DAT");
  EXPECT_EQ(none.Read, config / "C_USER2.DAT");
  EXPECT_EQ(none.Write, program / "C_USER2.DAT");
}

TEST_F(SettingsFile, ProgramFolderThatCannotTakeFiles) {
  const fs::path config = dir_ / "config";
  fs::create_directories(config);
  Put(config / "COLORS.DAT", "c");
  // A missing program folder cannot be written into; a file is no folder.
  Put(dir_ / "file", "x");
  for (const fs::path& program : {dir_ / "missing", dir_ / "file"}) {
    EXPECT_FALSE(FolderWritable(program));
    const TSettingsLocation at = LocateSettingsFile(program, config, "COLORS.DAT");
    EXPECT_EQ(at.Read, config / "COLORS.DAT");
    EXPECT_EQ(at.Write, config / "COLORS.DAT");
    EXPECT_EQ(LocateSettingsFile(program, config, "CORVAN50.INI").Write, config / "CORVAN50.INI");
  }
  EXPECT_TRUE(FolderWritable(config));
}

TEST_F(SettingsFile, FileNamesMatchWithoutRegardToCase) {
  const fs::path program = dir_ / "program", config = dir_ / "config";
  fs::create_directories(program);
  fs::create_directories(config);
  Put(program / "corvan50.ini", "[Window]\nWindowMax=0\n");
  const TSettingsLocation at = LocateSettingsFile(program, config, kSettingsFileName);
  EXPECT_EQ(at.Read, program / "corvan50.ini");
  EXPECT_EQ(at.Write, program / "corvan50.ini");  // no second file beside it
  EXPECT_FALSE(ReadSettings(at.Read.string(), program.string()).Settings.Window.WindowMax);
  EXPECT_EQ(FindFileInFolder(program, "CORVAN50.INI"), program / "corvan50.ini");
  EXPECT_TRUE(FindFileInFolder(program, "CORVAN5.INI").empty());
  EXPECT_TRUE(FindFileInFolder(dir_ / "missing", "CORVAN50.INI").empty());
}

}  // namespace
}  // namespace corvane
