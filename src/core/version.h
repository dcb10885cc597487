#pragma once

namespace corvane {
inline constexpr const char* kProgramName = "Corvane";
inline constexpr const char* kProgramVersion = "5.0";
}  // namespace corvane
