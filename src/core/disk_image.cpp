#include "core/disk_image.h"

#include "core/byte_order.h"

namespace corvane {

// Byte offsets of the disk fields.
namespace off {
constexpr int Typ = 0, X = 1, Y = 5, Mass1 = 9, Mass2 = 13, Wert1 = 17, Markiert = 21, Layer = 22,
              Form = 23, Punkte = 24, AltGruppe = 28, Merker = 30, Wert2 = 31, Gruppen = 35,
              Fuellung = 40, Freistanz = 41, Luftlinien = 45, Autoroute = 49, Schalter1 = 50,
              Schalter2 = 51, Sperrflaeche = 52, Wert3 = 53, Durchkontaktiert = 57, Loetstopp = 58,
              ThermalStempel = 62;
}  // namespace off

ElementDiskImage EncodeElement(const TObjekt& e) {
  ElementDiskImage b{};  // reserved bytes and list references stay zero
  uint8_t* p = b.data();
  PutLE<uint8_t>(p + off::Typ, e.Typ);
  PutLE<float>(p + off::X, e.X);
  PutLE<float>(p + off::Y, e.Y);
  PutLE<float>(p + off::Mass1, e.Mass1);
  PutLE<float>(p + off::Mass2, e.Mass2);
  PutLE<int32_t>(p + off::Wert1, e.Wert1);
  PutLE<uint8_t>(p + off::Markiert, e.Markiert);
  PutLE<uint8_t>(p + off::Layer, e.Layer);
  PutLE<uint8_t>(p + off::Form, e.Form);
  PutLE<int16_t>(p + off::AltGruppe, e.AltGruppe);
  PutLE<uint8_t>(p + off::Merker, e.Merker);
  PutLE<int32_t>(p + off::Wert2, e.Wert2);
  PutLE<uint8_t>(p + off::Fuellung, e.Fuellung);
  PutLE<int32_t>(p + off::Freistanz, e.Freistanz);
  PutLE<uint8_t>(p + off::Autoroute, e.Autoroute);
  PutLE<uint8_t>(p + off::Schalter1, e.Schalter1);
  PutLE<uint8_t>(p + off::Schalter2, e.Schalter2);
  PutLE<uint8_t>(p + off::Sperrflaeche, e.Sperrflaeche);
  PutLE<int32_t>(p + off::Wert3, e.Wert3);
  PutLE<uint8_t>(p + off::Durchkontaktiert, e.Durchkontaktiert);
  PutLE<uint8_t>(p + off::Loetstopp, e.Loetstopp);
  PutLE<uint32_t>(p + off::ThermalStempel, e.ThermalStempel);
  return b;
}

void DecodeElement(const uint8_t* p, TObjekt& e) {
  e.Typ = GetLE<uint8_t>(p + off::Typ);
  e.X = GetLE<float>(p + off::X);
  e.Y = GetLE<float>(p + off::Y);
  e.Mass1 = GetLE<float>(p + off::Mass1);
  e.Mass2 = GetLE<float>(p + off::Mass2);
  e.Wert1 = GetLE<int32_t>(p + off::Wert1);
  e.Markiert = GetLE<uint8_t>(p + off::Markiert);
  e.Layer = GetLE<uint8_t>(p + off::Layer);
  e.Form = GetLE<uint8_t>(p + off::Form);
  e.AltGruppe = GetLE<int16_t>(p + off::AltGruppe);
  e.Merker = GetLE<uint8_t>(p + off::Merker);
  e.Wert2 = GetLE<int32_t>(p + off::Wert2);
  e.Fuellung = GetLE<uint8_t>(p + off::Fuellung);
  e.Freistanz = GetLE<int32_t>(p + off::Freistanz);
  e.Autoroute = GetLE<uint8_t>(p + off::Autoroute);
  e.Schalter1 = GetLE<uint8_t>(p + off::Schalter1);
  e.Schalter2 = GetLE<uint8_t>(p + off::Schalter2);
  e.Sperrflaeche = GetLE<uint8_t>(p + off::Sperrflaeche);
  e.Wert3 = GetLE<int32_t>(p + off::Wert3);
  e.Durchkontaktiert = GetLE<uint8_t>(p + off::Durchkontaktiert);
  e.Loetstopp = GetLE<uint8_t>(p + off::Loetstopp);
  e.ThermalStempel = GetLE<uint32_t>(p + off::ThermalStempel);
}

}  // namespace corvane
