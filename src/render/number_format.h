#pragma once
// Decimal texts of numbers as the program shows them: "." is the decimal mark
// whatever the locale, and typed numbers may use "," instead.

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// General format: at most `precision` significant digits (1..17), trailing
// zeros and a bare decimal mark dropped. Fixed notation while the integer
// part has no more than `precision` digits and |value| >= 0.00001, otherwise
// scientific notation such as "1.23E5" or "-4E-7".
std::string FormatGeneral(double value, int precision);

// Fixed notation with exactly `decimals` decimals (0..17); a value that rounds
// to zero carries no minus sign.
std::string FormatFixed(double value, int decimals);

// Reads a typed number: surrounding blanks allowed, "," taken as ".", an
// optional sign and exponent. Anything else, and infinities or NaN, give nothing.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace corvane
