#pragma once
// TFloatPoint: the entry type of every point list.

namespace corvane {

struct TFloatPoint {
  float x = 0.0f;
  float y = 0.0f;
  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

}  // namespace corvane
