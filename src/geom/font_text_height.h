#pragma once
// Heights of font texts (the system-font texts of older files). Their font
// height Wert1 is a negative character height in screen pixels, so it depends
// on the screen resolution in pixels per inch (ppi).

#include <cstdint>

namespace corvane {

// Wert1 for a height in mm typed into the font-text dialog:
// -rnd(ppi * rnd(height * 100) / 72). 0 when ppi is not a positive number.
int32_t FontTextWert1(double heightMm, double ppi);

// The height in mm the font-text dialog shows: -Wert1 / ppi * 72 / 100.
// 0 when ppi is not a positive number.
double FontTextHeightMm(int32_t wert1, double ppi);

// Height in mm of the vector text that replaces a font text: 0.9 of the font
// height. Taken from the magnitude of Wert1, so that a damaged positive value
// still gives an upright text. 0 when ppi is not a positive number.
double ConvertedTextHeightMm(int32_t wert1, double ppi);

// True when ppi can be used by the formulas above.
bool ValidScreenResolution(double ppi);

}  // namespace corvane
