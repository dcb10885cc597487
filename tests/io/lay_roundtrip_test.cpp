#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/byte_order.h"
#include "io/file_bytes.h"
#include "io/lay_load.h"
#include "io/lay_parse.h"
#include "io/lay_save.h"
#include "io/lay_write.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

using fixtures::SampleProject;

TProject Load(const std::vector<uint8_t>& bytes, TLoadOptions options = {}) {
  TProject p;
  const TLoadResult r = LoadLayoutBytes(bytes, "sample.lay", p, options);
  EXPECT_TRUE(r.ok()) << r.Error.Describe();
  return p;
}

TEST(LayRoundTrip, Version5IsReadAndWrittenByteForByte) {
  const std::vector<uint8_t> first = EncodeLayout(SampleProject());
  TProject loaded = Load(first);
  const std::vector<uint8_t> second = EncodeLayout(loaded);
  ASSERT_EQ(second.size(), first.size());
  EXPECT_TRUE(second == first);
  // Once more through a file and SaveLayout.
  const std::string path = ::testing::TempDir() + "roundtrip.lay";
  ASSERT_TRUE(SaveLayout(path, loaded).ok());
  TProject again;
  ASSERT_TRUE(LoadLayout(path, again, {}).ok());
  EXPECT_TRUE(EncodeLayout(again) == first);
  std::remove(path.c_str());
}

TEST(LayRoundTrip, FileStartsWithVersionWordBoardsAndNames) {
  const std::vector<uint8_t> b = EncodeLayout(SampleProject());
  EXPECT_EQ(b[0], 0x05);
  EXPECT_EQ(b[1], 0x33);
  EXPECT_EQ(b[2], 0xAA);
  EXPECT_EQ(b[3], 0xFF);
  EXPECT_EQ(GetLE<int32_t>(&b[4]), 2);
  EXPECT_EQ(b[8], 7);  // "Board 1"
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[9]), 7), "Board 1");
  EXPECT_EQ(GetLE<int32_t>(&b[8 + 31 + 4]), 16000);  // header: Breite
  EXPECT_EQ(GetLE<double>(&b[8 + 31 + 27]), 0.25);   // header: Zoom
}

TEST(LayRoundTrip, ContentsReadBack) {
  TProject p = Load(EncodeLayout(SampleProject()));
  ASSERT_EQ(p.BoardCount(), 2u);
  EXPECT_EQ(p.ActiveIndex(), 1);
  EXPECT_EQ(p.ActiveBoard().Name, "Second \xC4");
  EXPECT_EQ(p.View.AktiverLayer, lyI1);
  EXPECT_EQ(p.View.Innenlagen, 1);
  EXPECT_EQ(p.Info.Comment, "line one\r\nline two");
  EXPECT_FALSE(p.Modified);
  const TPlatinenKopf& h0 = p.Boards()[0].Kopf;
  EXPECT_EQ(h0.Zoom, 0.25);
  EXPECT_EQ(h0.MasseAn[0], 1);
  EXPECT_EQ(h0.Vorlage1Datei, "scan top.bmp");
  EXPECT_EQ(h0.UrsprungY, -500000);

  const ElementList& list = p.Boards()[0].Elemente;
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[0].Typ, otLoetauge);
  EXPECT_EQ(list[0].Durchkontaktiert, 1);
  EXPECT_EQ(list[0].Gruppen, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(list[0].Luftlinien, std::vector<ObjRef>{list[1].Id()});
  EXPECT_EQ(list[1].Luftlinien, std::vector<ObjRef>{list[0].Id()});
  EXPECT_EQ(list[1].Wert3, 150);  // valid thermal fields stay
  EXPECT_EQ(list[2].RouteStart, list[0].Id());
  EXPECT_EQ(list[2].RouteEnde, list[1].Id());
  EXPECT_EQ(list[2].Punkte[1], (TFloatPoint{2000, -1500.5f}));
  EXPECT_EQ(list[4].Name, "R\xE9sistance");
  EXPECT_FALSE(list[5].Striche.empty());
  EXPECT_EQ(list[5].Striche.size(), SampleProject().Boards()[0].Elemente[5].Striche.size());
  EXPECT_EQ(list[6].Typ, otFontText);
  EXPECT_EQ(list[6].Text, "old font text");
}

TEST(LayRoundTrip, AutorouteLinksToDeletedPadsAreWrittenAsMinusOne) {
  TProject p = SampleProject();
  ElementList& list = p.Boards()[0].Elemente;
  list.Erase(1);  // the SMD pad
  list.Erase(0);  // the pad; the track is now element 0
  list[0].Luftlinien.clear();
  const std::vector<uint8_t> bytes = EncodeLayout(p);
  TProject back = Load(bytes);
  const TObjekt& track = back.Boards()[0].Elemente[0];
  ASSERT_EQ(track.Typ, otLeiterbahn);
  EXPECT_EQ(track.Autoroute, 1);
  EXPECT_EQ(track.RouteStart, kNoRef);
  EXPECT_EQ(track.RouteEnde, kNoRef);
  // The autoroute block of board 1 holds -1, -1 right after the element blocks:
  // re-encoding the loaded project gives the same bytes.
  EXPECT_TRUE(EncodeLayout(back) == bytes);
}

TEST(LayRoundTrip, APadWithoutValidStampGetsTheThermalDefaults) {
  TProject p = SampleProject();
  TObjekt& smd = p.Boards()[0].Elemente[1];
  smd.Schalter1 = 1;
  smd.ThermalStempel = 42;
  TProject back = Load(EncodeLayout(p));
  const TObjekt& e = back.Boards()[0].Elemente[1];
  EXPECT_EQ(e.Wert2, 85);
  EXPECT_EQ(e.Wert3, 100);
  EXPECT_EQ(e.Schalter1, 0);
  EXPECT_EQ(e.ThermalStempel, kThermalStamp);
}

TEST(LayRoundTrip, PadsOfAnUnknownShapeLoadAsWritten) {
  // The writer stores whatever shape a pad has; a shape outside 1..9 has no
  // outline and must not make the file unreadable.
  TProject p = SampleProject();
  for (uint8_t shape : {uint8_t{0}, uint8_t{10}, uint8_t{255}}) {
    p.Boards()[0].Elemente.Add(CreatePad({500, -500}, lyC1, shape, 20, 40));
    ASSERT_TRUE(p.Boards()[0].Elemente.back().Punkte.empty());
  }
  const std::vector<uint8_t> bytes = EncodeLayout(p);
  TProject back = Load(bytes);
  EXPECT_TRUE(EncodeLayout(back) == bytes);
}

TEST(LayRoundTrip, LongTextsAndBoardNamesAreCut) {
  TProject p = SampleProject();
  p.Boards()[0].Name = std::string(40, 'n');
  p.Boards()[0].Elemente[6].Text = std::string(300, 't');
  p.Boards()[0].Elemente[4].Name = std::string(256, 'm');
  p.Info.Title = std::string(120, 'T');
  TProject back = Load(EncodeLayout(p));
  EXPECT_EQ(back.Boards()[0].Name, std::string(30, 'n'));
  EXPECT_EQ(back.Boards()[0].Elemente[6].Text, std::string(255, 't'));
  EXPECT_EQ(back.Boards()[0].Elemente[4].Name, std::string(255, 'm'));
  EXPECT_EQ(back.Info.Title, std::string(100, 'T'));
}

TEST(LayRoundTrip, SavingDeletesElementsOutsideTheShownBoardOnly) {
  const std::string path = ::testing::TempDir() + "outside.lay";
  for (bool backup : {false, true}) {
    TProject p = SampleProject();
    p.Modified = true;
    auto addOutside = [](ElementList& list) {
      list.Add(fixtures::Track({{-500, 100}, {-100, 500}}));        // left of and above the board
      list.Add(fixtures::Track({{16000, -10000}, {17000, -11000}}));  // touches the corner: stays
    };
    addOutside(p.Boards()[0].Elemente);
    addOutside(p.Boards()[1].Elemente);
    TSaveOptions options;
    options.AutoBackup = backup;
    ASSERT_TRUE(SaveLayout(path, p, options).ok());
    EXPECT_EQ(p.Boards()[0].Elemente.size(), 9u) << backup;
    EXPECT_EQ(p.Boards()[1].Elemente.size(), backup ? 9u : 8u) << backup;
    EXPECT_EQ(p.Modified, backup);  // the backup leaves the modified mark
    EXPECT_TRUE(p.Saved);
    TProject back;
    ASSERT_TRUE(LoadLayout(path, back, {}).ok());
    EXPECT_EQ(back.Boards()[1].Elemente.size(), backup ? 9u : 8u);
  }
  std::remove(path.c_str());
}

TEST(LayRoundTrip, SavingCompactsTheGroupIdsOfTheShownBoard) {
  const struct {
    std::vector<int32_t> ids, expected;
  } cases[] = {{{1, 4, 5}, {1, 2, 3}}, {{1, 3, 5}, {1, 2, 4}}};
  const std::string path = ::testing::TempDir() + "groups.lay";
  for (const auto& c : cases) {
    TProject p;
    p.NewProject(1);
    for (int32_t id : c.ids) {
      TObjekt& t = p.ActiveElements().Add(fixtures::Track({{10, -10}, {20, -20}}));
      t.Gruppen = {id};
    }
    ASSERT_TRUE(SaveLayout(path, p).ok());
    std::vector<int32_t> inMemory;
    for (const TObjekt& e : p.ActiveElements()) inMemory.push_back(e.Gruppen.at(0));
    EXPECT_EQ(inMemory, c.expected);
    // What the file holds, read without the compaction that opening applies.
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes).ok());
    TLayoutData data;
    ASSERT_TRUE(ParseLayout(bytes, path, 1, data).ok());
    std::vector<int32_t> written;
    for (const TObjekt& e : data.Boards.at(0).Elemente) written.push_back(e.Gruppen.at(0));
    EXPECT_EQ(written, c.expected);
  }
  std::remove(path.c_str());
}

TEST(LayRoundTrip, ImportAppendsBoardsAndShowsTheLast) {
  const std::vector<uint8_t> bytes = EncodeLayout(SampleProject());
  TProject p;
  p.NewProject(1);
  p.Info.Title = "Mine";
  p.View.Zoom = 0.4;  // view of the board shown before the import
  TLoadOptions options;
  options.Append = true;
  ASSERT_TRUE(LoadLayoutBytes(bytes, "import.lay", p, options).ok());
  ASSERT_EQ(p.BoardCount(), 3u);
  EXPECT_EQ(p.Boards()[0].Name, "Board 1");
  EXPECT_EQ(p.Boards()[1].Name, "Board 1");
  EXPECT_EQ(p.Boards()[2].Name, "Second \xC4");
  EXPECT_EQ(p.ActiveIndex(), 2);
  EXPECT_EQ(p.Info.Title, "Mine");
  EXPECT_EQ(p.Boards()[0].Kopf.Zoom, 0.4);
  EXPECT_TRUE(p.Modified);
}

TEST(LayRoundTrip, RecentFilesGetTheOpenedAndTheSavedFile) {
  const std::string path = ::testing::TempDir() + "recent.lay";
  const std::string backup = ::testing::TempDir() + "recent.bak";
  RecentFiles recent;
  TProject p = SampleProject();
  TSaveOptions save;
  save.Recent = &recent;
  ASSERT_TRUE(SaveLayout(path, p, save).ok());
  save.AutoBackup = true;
  ASSERT_TRUE(SaveLayout(backup, p, save).ok());
  EXPECT_EQ(recent.Entry(0), path);
  EXPECT_EQ(recent.Entry(1), "");
  TLoadOptions load;
  load.Recent = &recent;
  TProject q;
  ASSERT_TRUE(LoadLayout(backup, q, load).ok());
  EXPECT_EQ(recent.Entry(0), path);
  std::remove(path.c_str());
  std::remove(backup.c_str());
}

TEST(LayRoundTrip, FontTextsAreCountedAndConvertedOnlyOnYes) {
  const std::vector<uint8_t> bytes = EncodeLayout(SampleProject());
  for (bool yes : {false, true}) {
    std::size_t asked = 0;
    TFontTextOptions fonts;
    fonts.Ask = [&](std::size_t n) {
      asked = n;
      return yes;
    };
    TLoadOptions options;
    options.FontTexts = &fonts;
    TProject p;
    const TLoadResult r = LoadLayoutBytes(bytes, "fonts.lay", p, options);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.FontTextCount, 2u);
    EXPECT_EQ(asked, 2u);
    EXPECT_EQ(r.FontTextsConverted, yes ? 2u : 0u);
    EXPECT_EQ(CountFontTexts(p), yes ? 0u : 2u);
    EXPECT_EQ(p.Modified, yes);
    EXPECT_EQ(p.ActiveIndex(), 1);  // the board shown before is shown again
    if (yes) {
      const TObjekt& made = p.Boards()[0].Elemente.back();
      EXPECT_EQ(made.Typ, otText);
      EXPECT_EQ(made.Text, "old font text");
      EXPECT_EQ(made.Wert3, 90);
    }
  }
}

TEST(LayRoundTrip, AFontTextTooLargeToConvertIsDroppedSoTheProjectStaysReadable) {
  TProject p;
  p.NewProject(1);
  for (int32_t height : {-13, -2000000000}) {
    TObjekt font;
    font.Typ = otFontText;
    font.Layer = lyS1;
    font.X = 1000;
    font.Y = -1000;
    font.Wert1 = height;
    font.Text = "FONT";
    p.ActiveElements().Add(std::move(font));
  }
  TFontTextOptions fonts;
  fonts.Ask = [](std::size_t) { return true; };
  EXPECT_EQ(ConvertFontTexts(p, fonts), 1u);
  ASSERT_EQ(p.ActiveElements().size(), 1u);
  EXPECT_EQ(p.ActiveElements()[0].Typ, otText);
  TProject back;
  EXPECT_TRUE(LoadLayoutBytes(EncodeLayout(p), "converted.lay", back, {}).ok());
}

}  // namespace
}  // namespace corvane
