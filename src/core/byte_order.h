#pragma once
// Little-endian reading and writing of fixed-size values in byte buffers.

#include <bit>
#include <cstdint>
#include <cstring>

namespace corvane {

template <typename T>
inline void PutLE(uint8_t* at, T value) {
  static_assert(std::endian::native == std::endian::little, "little-endian host assumed");
  std::memcpy(at, &value, sizeof(T));
}

template <typename T>
inline T GetLE(const uint8_t* at) {
  static_assert(std::endian::native == std::endian::little, "little-endian host assumed");
  T value;
  std::memcpy(&value, at, sizeof(T));
  return value;
}

}  // namespace corvane
