#pragma once
// Code page 1252 (Windows Western European), the character set of texts in
// project files.

#include <string>
#include <string_view>

namespace corvane {

// The Unicode code point of a code page 1252 byte. The five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// number, so no byte is lost.
char32_t Cp1252ToUnicode(unsigned char byte);

std::string Cp1252ToUtf8(std::string_view text);

}  // namespace corvane
