#pragma once
// TObjekt: the layout element record shared by every subsystem.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/float_point.h"

namespace corvane {

class Area;  // cached element areas; defined by the geometry library

// Element kinds (byte 0 of the disk image).
enum TObjektTyp : uint8_t {
  otNone = 0,
  otLinie = 1,       // oldest files only; readers turn it into a track
  otLoetauge = 2,    // through-hole pad
  otFontText = 3,    // system-font text of older versions
  otFlaeche = 4,     // filled zone
  otKreis = 5,       // circle, ring or arc
  otLeiterbahn = 6,  // track
  otText = 7,        // vector text
  otSmdPad = 8,      // SMD pad
};

// Pad shapes (Form of a through-hole pad).
enum : uint8_t {
  psCircular = 1,
  psOctagon = 2,
  psSquare = 3,
  psRoundedH = 4,
  psOctagonH = 5,
  psRectangleH = 6,
  psRoundedV = 7,
  psOctagonV = 8,
  psRectangleV = 9,
};

// Stamp marking valid thermal fields of a pad or SMD pad.
inline constexpr uint32_t kThermalStamp = 123456789;
// Default spoke mask: north, east, south, west.
inline constexpr int32_t kDefaultSpokeMask = 0x55;
inline constexpr int32_t kDefaultSpokePercent = 100;
// Default clearance of elements from older files (0.4 mm).
inline constexpr int32_t kDefaultClearance = 40;

// A non-owning reference to an element: the identity of the element it was
// taken from, or 0 for none. It is resolved through the list that should hold
// the element (ElementList::Find), so a reference to an element that left the
// list is detected and never followed into freed memory.
using ObjRef = uint64_t;
inline constexpr ObjRef kNoRef = 0;

// The identity behind ObjRef. A copied element is a new element and gets a
// new identity; copy-assignment keeps the target's own; a move carries it over.
class ElementIdentity {
 public:
  ElementIdentity();
  ElementIdentity(const ElementIdentity&);
  ElementIdentity& operator=(const ElementIdentity&) { return *this; }
  ElementIdentity(ElementIdentity&&) noexcept = default;
  ElementIdentity& operator=(ElementIdentity&&) noexcept = default;
  ObjRef value() const { return value_; }

 private:
  ObjRef value_;
};

struct TObjekt {
  // Identity used by ObjRef; unique among all elements created in this process.
  ObjRef Id() const { return id_.value(); }

  // --- disk part (77 bytes, see disk_image.h) ---
  uint8_t Typ = otNone;
  float X = 0, Y = 0;
  float Mass1 = 0, Mass2 = 0;
  int32_t Wert1 = 0;
  uint8_t Markiert = 0;
  uint8_t Layer = 0;
  uint8_t Form = 0;
  std::vector<TFloatPoint> Punkte;
  int16_t AltGruppe = 0;
  uint8_t Merker = 0;
  int32_t Wert2 = 0;
  std::vector<int32_t> Gruppen;  // stack of group ids; back() is the outermost group
  uint8_t Fuellung = 0;
  int32_t Freistanz = 0;
  std::vector<ObjRef> Luftlinien;  // rubber-band connections (pads and SMD pads)
  uint8_t Autoroute = 0;
  uint8_t Schalter1 = 0;
  uint8_t Schalter2 = 0;
  uint8_t Sperrflaeche = 0;
  int32_t Wert3 = 0;
  uint8_t Durchkontaktiert = 0;
  uint8_t Loetstopp = 0;
  uint32_t ThermalStempel = 0;

  // --- memory-only fields ---
  uint8_t Geschlossen = 1;  // zone polygon closed (0 while being drawn)
  int32_t Partner = 0;      // used while reading version 3 and 4 files
  uint8_t Hervorgehoben = 0;
  std::shared_ptr<Area> Region;     // cached area for connectivity work
  std::shared_ptr<Area> DrcRegion;  // cached area grown by the DRC clearance
  ObjRef RouteStart = kNoRef;
  ObjRef RouteEnde = kNoRef;
  uint8_t Kopiert = 0;
  std::vector<TObjekt> Striche;  // vector text: owned stroke tracks
  std::string Text;              // code page 1252 bytes
  std::string Name;              // code page 1252 bytes
  std::vector<ObjRef> DrcTreffer;

  // Group id of the outermost group, 0 when ungrouped.
  int32_t LastGroupId() const { return Gruppen.empty() ? 0 : Gruppen.back(); }

 private:
  ElementIdentity id_;
};

// Kind tests.
inline bool IsPad(const TObjekt& e) { return e.Typ == otLoetauge; }
inline bool IsSmdPad(const TObjekt& e) { return e.Typ == otSmdPad; }
inline bool IsAnyPad(const TObjekt& e) { return e.Typ == otLoetauge || e.Typ == otSmdPad; }

}  // namespace corvane
