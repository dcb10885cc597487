#include "io/project_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "io/cp1252.h"

namespace corvane {

namespace {

template <typename T>
void AppendNumber(std::string& out, T v) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, ec == std::errc() ? end : buf);
}

// Writes `"key":` preceded by a comma unless it is the first key.
class ObjectWriter {
 public:
  explicit ObjectWriter(std::string& out) : out_(out) { out_ += '{'; }
  ~ObjectWriter() { out_ += '}'; }
  std::string& Key(const char* key) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += '"';
    out_ += key;
    out_ += "\":";
    return out_;
  }
  void Int(const char* key, long long v) { AppendNumber(Key(key), v); }
  void Float(const char* key, float v) { AppendJsonFloat(Key(key), v); }
  void Double(const char* key, double v) { AppendJsonDouble(Key(key), v); }
  void String(const char* key, const std::string& s) { AppendJsonString(Key(key), s); }
  template <typename Array>
  void Ints(const char* key, const Array& values) {
    std::string& o = Key(key);
    o += '[';
    bool first = true;
    for (auto v : values) {
      if (!first) o += ',';
      first = false;
      AppendNumber(o, static_cast<long long>(v));
    }
    o += ']';
  }

 private:
  std::string& out_;
  bool first_ = true;
};

void AppendBoardJson(std::string& out, const TPlatine& b) {
  const TPlatinenKopf& h = b.Kopf;
  ObjectWriter o(out);
  o.String("Name", b.Name);
  o.Int("Breite", h.Breite);
  o.Int("Hoehe", h.Hoehe);
  o.Ints("MasseAn", h.MasseAn);
  o.Double("Raster", h.Raster);
  o.Double("Zoom", h.Zoom);
  o.Int("ScrollX", h.ScrollX);
  o.Int("ScrollY", h.ScrollY);
  o.Int("AktiverLayer", h.AktiverLayer);
  o.Ints("Sichtbar", h.Sichtbar);
  o.Int("Vorlage1Zeigen", h.Vorlage1Zeigen);
  o.Int("Vorlage2Zeigen", h.Vorlage2Zeigen);
  o.String("Vorlage1Datei", h.Vorlage1Datei);
  o.String("Vorlage2Datei", h.Vorlage2Datei);
  o.Int("Vorlage1Dpi", h.Vorlage1Dpi);
  o.Int("Vorlage2Dpi", h.Vorlage2Dpi);
  o.Int("Vorlage1X", h.Vorlage1X);
  o.Int("Vorlage2X", h.Vorlage2X);
  o.Int("Vorlage1Y", h.Vorlage1Y);
  o.Int("Vorlage2Y", h.Vorlage2Y);
  o.Int("Vorlage1Farbe", h.Vorlage1Farbe);
  o.Int("Vorlage2Farbe", h.Vorlage2Farbe);
  o.Int("UrsprungX", h.UrsprungX);
  o.Int("UrsprungY", h.UrsprungY);
  o.Int("Innenlagen", h.Innenlagen);
  std::string& e = o.Key("Elements");
  e += '[';
  bool first = true;
  for (const TObjekt& element : b.Elemente) {
    e += first ? "\n" : ",\n";
    first = false;
    AppendElementJson(e, element, b.Elemente);
  }
  e += ']';
}

}  // namespace

void AppendJsonString(std::string& out, const std::string& cp1252) {
  out += '"';
  for (char ch : Cp1252ToUtf8(cp1252)) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += ch;
    }
  }
  out += '"';
}

void AppendJsonFloat(std::string& out, float v) {
  if (!std::isfinite(v))
    out += "null";
  else
    AppendNumber(out, v);
}

void AppendJsonDouble(std::string& out, double v) {
  if (!std::isfinite(v))
    out += "null";
  else
    AppendNumber(out, v);
}

void AppendElementJson(std::string& out, const TObjekt& e, const ElementList& list) {
  ObjectWriter o(out);
  o.Int("Typ", e.Typ);
  o.Float("X", e.X);
  o.Float("Y", e.Y);
  o.Float("Mass1", e.Mass1);
  o.Float("Mass2", e.Mass2);
  o.Int("Wert1", e.Wert1);
  o.Int("Wert2", e.Wert2);
  o.Int("Wert3", e.Wert3);
  o.Int("Layer", e.Layer);
  o.Int("Form", e.Form);
  std::string& pts = o.Key("Punkte");
  pts += '[';
  for (std::size_t i = 0; i < e.Punkte.size(); ++i) {
    if (i) pts += ',';
    pts += '[';
    AppendJsonFloat(pts, e.Punkte[i].x);
    pts += ',';
    AppendJsonFloat(pts, e.Punkte[i].y);
    pts += ']';
  }
  pts += ']';
  o.Ints("Gruppen", e.Gruppen);
  std::vector<long> partners;
  partners.reserve(e.Luftlinien.size());
  for (ObjRef ref : e.Luftlinien) partners.push_back(list.IndexOf(ref));
  o.Ints("Luftlinien", partners);
  o.Int("Freistanz", e.Freistanz);
  o.Int("Fuellung", e.Fuellung);
  o.Int("Autoroute", e.Autoroute);
  o.Int("RouteStart", list.IndexOf(e.RouteStart));
  o.Int("RouteEnde", list.IndexOf(e.RouteEnde));
  o.Int("Schalter1", e.Schalter1);
  o.Int("Schalter2", e.Schalter2);
  o.Int("Sperrflaeche", e.Sperrflaeche);
  o.Int("Durchkontaktiert", e.Durchkontaktiert);
  o.Int("Loetstopp", e.Loetstopp);
  o.Int("ThermalStempel", e.ThermalStempel);
  o.String("Text", e.Text);
  o.String("Name", e.Name);
  o.Int("Striche", static_cast<long long>(e.Striche.size()));
}

std::string ProjectToJson(const TProject& project, int version) {
  std::string out;
  {
    ObjectWriter o(out);
    o.Int("Version", version);
    o.Int("ActiveBoard", project.ActiveIndex());
    o.String("Title", project.Info.Title);
    o.String("Author", project.Info.Author);
    o.String("Company", project.Info.Company);
    o.String("Comment", project.Info.Comment);
    std::string& boards = o.Key("Boards");
    boards += '[';
    bool first = true;
    for (const TPlatine& b : project.Boards()) {
      if (!first) boards += ",\n";
      first = false;
      AppendBoardJson(boards, b);
    }
    boards += ']';
  }
  out += '\n';
  return out;
}

}  // namespace corvane
