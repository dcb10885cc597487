#include <gtest/gtest.h>

#include <charconv>
#include <set>

#include "io/cp1252.h"
#include "io/project_json.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

TEST(Cp1252, HighBytesBecomeTheirUnicodeCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("abc"), "abc");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");             // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");                 // Y diaeresis
  EXPECT_EQ(Cp1252ToUtf8("\xE9\xFC"), "\xC3\xA9\xC3\xBC");     // e acute, u umlaut
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");                 // unassigned: kept as a control
  EXPECT_EQ(Cp1252ToUtf8("\x96\x99"), "\xE2\x80\x93\xE2\x84\xA2");  // en dash, trade mark
  std::set<char32_t> distinct;  // no two bytes share a character: nothing is lost
  for (int b = 0; b < 256; ++b) distinct.insert(Cp1252ToUnicode(static_cast<unsigned char>(b)));
  EXPECT_EQ(distinct.size(), 256u);
}

TEST(ProjectJson, StringsAreEscaped) {
  std::string out;
  AppendJsonString(out, "a\"b\\c\r\n\x01\xE4");
  EXPECT_EQ(out, "\"a\\\"b\\\\c\\u000d\\u000a\\u0001\xC3\xA4\"");
}

TEST(ProjectJson, FloatsReadBackExactly) {
  for (float v : {0.1f, -1500.5f, 1e-7f, 16000.0f, 3.4028235e38f, 0.3f}) {
    std::string out;
    AppendJsonFloat(out, v);
    float back = 0;
    std::from_chars(out.data(), out.data() + out.size(), back);
    EXPECT_EQ(back, v) << out;
  }
  std::string out;
  AppendJsonFloat(out, 0.1f);
  EXPECT_EQ(out, "0.1");
}

TEST(ProjectJson, HoldsEveryKeyAndTheReferencesAsIndices) {
  TProject p = fixtures::SampleProject();
  const std::string json = ProjectToJson(p, 3);
  EXPECT_EQ(json.rfind("{\"Version\":3,\"ActiveBoard\":1,\"Title\":\"Sample\",", 0), 0u) << json.substr(0, 80);
  for (const char* key :
       {"\"Author\":", "\"Company\":", "\"Comment\":\"line one\\u000d\\u000aline two\"", "\"Boards\":[",
        "\"Name\":\"Second \xC3\x84\"", "\"Breite\":16000", "\"Hoehe\":10000", "\"MasseAn\":[1,0,0,0,0,0,0]",
        "\"Raster\":127", "\"Zoom\":0.25", "\"ScrollX\":", "\"ScrollY\":", "\"AktiverLayer\":5",
        "\"Sichtbar\":[1,1,1,1,1,1,1]", "\"Vorlage1Zeigen\":1", "\"Vorlage2Zeigen\":0",
        "\"Vorlage1Datei\":\"scan top.bmp\"", "\"Vorlage2Datei\":\"\"", "\"Vorlage1Dpi\":600", "\"Vorlage2Dpi\":",
        "\"Vorlage1X\":", "\"Vorlage2X\":", "\"Vorlage1Y\":", "\"Vorlage2Y\":", "\"Vorlage1Farbe\":65280",
        "\"Vorlage2Farbe\":", "\"UrsprungX\":1000000", "\"UrsprungY\":-500000", "\"Innenlagen\":1",
        "\"Elements\":[", "\"Name\":\"R\xC3\xA9sistance\"", "\"Text\":\"Corvane \xE2\x82\xAC\""})
    EXPECT_NE(json.find(key), std::string::npos) << key;

  const ElementList& list = p.Boards()[0].Elemente;
  std::string pad, track;
  AppendElementJson(pad, list[0], list);
  EXPECT_EQ(pad.rfind("{\"Typ\":2,\"X\":1000,\"Y\":-1000,\"Mass1\":80,\"Mass2\":40,\"Wert1\":0,\"Wert2\":85,"
                      "\"Wert3\":100,\"Layer\":3,\"Form\":5,\"Punkte\":[[",
                      0),
            0u)
      << pad;
  EXPECT_NE(pad.find("\"Gruppen\":[1,2],\"Luftlinien\":[1],\"Freistanz\":0,\"Fuellung\":0,\"Autoroute\":0,"
                     "\"RouteStart\":-1,\"RouteEnde\":-1,\"Schalter1\":0,\"Schalter2\":0,\"Sperrflaeche\":0,"
                     "\"Durchkontaktiert\":1,\"Loetstopp\":1,\"ThermalStempel\":123456789,\"Text\":\"\","
                     "\"Name\":\"\",\"Striche\":0}"),
            std::string::npos)
      << pad;
  AppendElementJson(track, list[2], list);
  EXPECT_NE(track.find("\"Punkte\":[[1000,-1000],[2000,-1500.5],[3000,-1000]]"), std::string::npos) << track;
  EXPECT_NE(track.find("\"RouteStart\":0,\"RouteEnde\":1"), std::string::npos) << track;
  std::string text;
  AppendElementJson(text, list[5], list);
  EXPECT_NE(text.find("\"Striche\":" + std::to_string(list[5].Striche.size()) + "}"), std::string::npos);
}

}  // namespace
}  // namespace corvane
