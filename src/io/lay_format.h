#pragma once
// Constants of the project file format (.lay).

#include <cstddef>
#include <cstdint>

namespace corvane {

inline constexpr uint32_t kLayVersionBase = 0xFFAA3300u;  // LayVersionBase
inline constexpr int kLayVersionCurrent = 5;              // LayVersionCurrent
// Version numbers above this one up to 11 come from later program versions.
inline constexpr uint32_t kLayVersionNewerLimit = 12;

// Element texts and names are written with at most this many characters.
inline constexpr std::size_t kElementStringLength = 255;
// Text of font texts in the records of versions 0..3: a short string of 15.
inline constexpr std::size_t kOldRecordTextLength = 15;

// Record and header sizes of the older versions.
inline constexpr std::size_t kRecordSizeV0 = 49;
inline constexpr std::size_t kRecordSizeV3 = 74;
inline constexpr std::size_t kRecordSizeV4 = 75;
inline constexpr std::size_t kHeaderSizeV3 = 482;
inline constexpr std::size_t kHeaderSizeV4 = 490;

// Sanity limits for values read from files: coordinates and sizes in world
// units (the geometry's own limit, 2^29, about 5 km), widths in world units
// (100 m) and group ids. Beyond them geometry is clamped and later integer
// arithmetic would overflow.
inline constexpr double kMaxFileCoordinate = 536870912.0;
inline constexpr int32_t kMaxFileWidth = 10000000;
inline constexpr int32_t kMaxGroupId = 0x3FFFFFFF;

}  // namespace corvane
