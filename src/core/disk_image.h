#pragma once
// The fixed 77-byte disk image of an element, as stored in project and macro files.

#include <array>
#include <cstdint>

#include "core/objekt.h"

namespace corvane {

inline constexpr std::size_t kElementDiskSize = 77;
using ElementDiskImage = std::array<uint8_t, kElementDiskSize>;

// Writes the disk fields little-endian; list references and reserved bytes are zero.
ElementDiskImage EncodeElement(const TObjekt& e);

// Reads the disk fields into e (memory-only fields, lists and strings are left
// as they are). Values are taken as stored, Markiert included: clearing
// transient fields and repairing values is the file reader's work.
void DecodeElement(const uint8_t* image, TObjekt& e);

}  // namespace corvane
