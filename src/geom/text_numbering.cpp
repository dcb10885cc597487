#include "geom/text_numbering.h"

#include <algorithm>
#include <limits>

namespace corvane {

void TTextNumbering::Start(int32_t startAt) { counter_ = std::clamp(startAt, kMinStart, kMaxStart); }

std::string TTextNumbering::NextText(std::string_view text) {
  std::string result(text);
  if (!enabled_) return result;
  result += std::to_string(counter_);
  if (counter_ < std::numeric_limits<int32_t>::max()) ++counter_;
  return result;
}

}  // namespace corvane
