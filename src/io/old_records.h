#pragma once
// Element records and board headers of file versions 0..4, converted into the
// current element fields and the 499-byte header.

#include <cstdint>

#include "core/board_header.h"
#include "core/objekt.h"

namespace corvane {

// Each fills the disk fields of e from a record of its version and sets the
// fields the old records lack (Autoroute, Schalter1/2, Sperrflaeche, Name,
// Hervorgehoben, Loetstopp by kind; the text angle of version-4 texts).
// Versions 0..3 keep the record's text for font texts (kind 3) only; they
// return false when that text's length byte exceeds its 15 characters.
bool ConvertRecordV0(const uint8_t* record, TObjekt& e);  // 49 bytes, versions 0..2
bool ConvertRecordV3(const uint8_t* record, TObjekt& e);  // 74 bytes
void ConvertRecordV4(const uint8_t* record, TObjekt& e);  // 75 bytes

// The 499-byte image of an old header (482 bytes in version 3, 490 in
// version 4). Version 4 stores the origin in world units; it becomes
// thousandths of a unit, and false is returned when that does not fit.
BoardHeaderImage ConvertHeaderV3(const uint8_t* old);
bool ConvertHeaderV4(const uint8_t* old, BoardHeaderImage& image);

}  // namespace corvane
