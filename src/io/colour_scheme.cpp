#include "io/colour_scheme.h"

#include <fstream>
#include <system_error>
#include <utility>

#include "core/byte_order.h"
#include "core/layers.h"

namespace corvane {

namespace {

IoError ErrorOf(IoErrorKind kind, const std::filesystem::path& file, std::string detail = {}) {
  IoError e;
  e.Kind = kind;
  e.File = file.string();
  e.Detail = std::move(detail);
  return e;
}

// The layer entries that keep negative values when read.
bool KeepsNegative(int index) { return index == fsI1 || index == fsI2 || index == fsO; }

}  // namespace

TFarbschema StandardColourScheme() {
  TFarbschema s;
  s.Farben = {0, 4605510, 16719390, 255, 47616, 317409, 26327, 4499690, 16777215, 8388608, 65280, 16711680};
  return s;
}

int32_t LayerColour(const TFarbschema& scheme, int layer) {
  return IsValidLayer(layer) ? scheme.Farben[static_cast<std::size_t>(fsC1 + layer - 1)] : scheme.Farben[fsBackground];
}

std::string ColourSchemeFileName(int n) {
  if (n < 1 || n > kUserSchemeCount) return {};
  return "C_USER" + std::to_string(n) + ".DAT";
}

TColourSchemeRead ReadColourScheme(const std::filesystem::path& file) {
  TColourSchemeRead result{StandardColourScheme(), {}};
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(file, ec);
  if (st.type() == std::filesystem::file_type::not_found) return result;
  if (ec) {
    result.Error = ErrorOf(IoErrorKind::CannotRead, file, ec.message());
    return result;
  }
  if (st.type() != std::filesystem::file_type::regular) {
    result.Error = ErrorOf(IoErrorKind::CannotRead, file, "not a regular file");
    return result;
  }

  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.Error = ErrorOf(IoErrorKind::CannotRead, file);
    return result;
  }
  std::array<uint8_t, kSchemeFileSize> bytes{};
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  const std::streamsize got = in.gcount();
  if (got != static_cast<std::streamsize>(bytes.size())) {
    result.Error = ErrorOf(IoErrorKind::EndsEarly, file,
                           std::to_string(got) + " of " + std::to_string(kSchemeFileSize) + " bytes");
    result.Error.Offset = got;
    return result;
  }

  for (int i = 0; i < kSchemeColourCount; ++i) {
    const int32_t v = GetLE<int32_t>(bytes.data() + 4 * i);
    result.Scheme.Farben[static_cast<std::size_t>(i)] = v < 0 && !KeepsNegative(i) ? 0 : v;
  }
  return result;
}

IoError WriteColourScheme(const std::filesystem::path& file, const TFarbschema& scheme) {
  std::array<uint8_t, kSchemeFileSize> bytes{};
  for (int i = 0; i < kSchemeColourCount; ++i)
    PutLE<int32_t>(bytes.data() + 4 * i, scheme.Farben[static_cast<std::size_t>(i)]);

  std::filesystem::path temp = file;
  temp += ".tmp";
  std::error_code ec;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return ErrorOf(IoErrorKind::CannotWrite, file, "cannot create " + temp.filename().string());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temp, ec);
      return ErrorOf(IoErrorKind::CannotWrite, file, "writing failed");
    }
  }
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    const std::string why = ec.message();
    std::filesystem::remove(temp, ec);
    return ErrorOf(IoErrorKind::CannotWrite, file, why);
  }
  return {};
}

}  // namespace corvane
