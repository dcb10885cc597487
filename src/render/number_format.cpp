#include "render/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace corvane {

namespace {

constexpr int kMaxDigits = 17;

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatGeneral(double value, int precision) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, kMaxDigits);
  if (value == 0.0) return "0";

  // Correctly rounded digits and decimal exponent from the scientific form "d.ddde±x".
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, precision - 1);
  const std::string_view sci(buf, res.ptr - buf);
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, ePos))
    if (c != '.') digits.push_back(c);
  const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (exponent < precision && std::fabs(value) >= 0.00001) {
    if (exponent >= 0) {
      const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= intDigits) {
        out += digits + std::string(intDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
      }
    } else {
      out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  }
  return out;
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  decimals = std::clamp(decimals, 0, kMaxDigits);
  char buf[400];  // fixed notation of the largest double with 17 decimals fits
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string out(buf, res.ptr);
  if (!out.empty() && out[0] == '-' &&
      out.find_first_not_of("0.", 1) == std::string::npos)
    out.erase(0, 1);
  return out;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  std::string s(text.substr(first, last - first + 1));
  std::replace(s.begin(), s.end(), ',', '.');
  const char* begin = s.data();
  const char* end = s.data() + s.size();
  if (*begin == '+') {
    ++begin;
    if (begin == end || *begin == '-' || *begin == '+') return std::nullopt;
  }
  double value = 0.0;
  const auto res = std::from_chars(begin, end, value, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace corvane
