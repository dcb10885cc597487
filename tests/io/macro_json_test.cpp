#include "io/macro_json.h"

#include <gtest/gtest.h>

#include "geom/element_create.h"

namespace corvane {
namespace {

TEST(MacroJson, HeaderTextLinesAndElementsInTheProjectForm) {
  TMacroData m;
  m.Version = 4;
  m.Text1 = "say \"hi\"";
  m.Text2 = "caf\xE9";  // code page 1252 e acute
  TObjekt& a = m.Elemente.Add(CreatePad({10, -20}, lyC1, psCircular, 20, 50));
  TObjekt& b = m.Elemente.Add(CreateSmdPad({100, -20}, 40, 30, lyC2));
  a.Luftlinien = {b.Id()};
  const std::string json = MacroToJson(m);
  EXPECT_EQ(json.rfind("{\"Kind\":\"macro\",\"Version\":4,\"Text1\":\"say \\\"hi\\\"\",\"Text2\":\"caf\xC3\xA9\","
                       "\"Elements\":[\n{\"Typ\":2,\"X\":10,\"Y\":-20,",
                       0),
            0u)
      << json;
  EXPECT_NE(json.find(",\n{\"Typ\":8,"), std::string::npos);
  EXPECT_NE(json.find("\"Luftlinien\":[1]"), std::string::npos);  // an index into the macro's list
  EXPECT_EQ(json.substr(json.size() - 4), "}]}\n");

  m.Elemente.Clear();
  EXPECT_EQ(MacroToJson(m), "{\"Kind\":\"macro\",\"Version\":4,\"Text1\":\"say \\\"hi\\\"\",\"Text2\":\"caf\xC3\xA9\","
                            "\"Elements\":[]}\n");
}

}  // namespace
}  // namespace corvane
