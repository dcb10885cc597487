#include "io/macro_json.h"

#include "io/project_json.h"

namespace corvane {

std::string MacroToJson(const TMacroData& macro) {
  std::string out = "{\"Kind\":\"macro\",\"Version\":";
  out += std::to_string(macro.Version);
  out += ",\"Text1\":";
  AppendJsonString(out, macro.Text1);
  out += ",\"Text2\":";
  AppendJsonString(out, macro.Text2);
  out += ",\"Elements\":[";
  bool first = true;
  for (const TObjekt& e : macro.Elemente) {
    out += first ? "\n" : ",\n";
    first = false;
    AppendElementJson(out, e, macro.Elemente);
  }
  out += "]}\n";
  return out;
}

}  // namespace corvane
