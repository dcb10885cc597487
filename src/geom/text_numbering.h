#pragma once
// Automatic numbering of new texts: while "Add number" is on, every text
// created gets the current counter value appended and the counter moves on.

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TTextNumbering {
 public:
  // Range of the "Start at:" field.
  static constexpr int32_t kMinStart = 0;
  static constexpr int32_t kMaxStart = 9999;

  // "Add number".
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }

  // The value the next numbered text gets.
  int32_t Counter() const { return counter_; }

  // OK in the text dialog: the counter takes the value of "Start at:",
  // limited to the field's range.
  void Start(int32_t startAt);

  // The string of a text about to be created: with numbering on, `text`
  // followed by the counter in decimal, and the counter increases by 1;
  // with numbering off, `text` unchanged.
  std::string NextText(std::string_view text);

 private:
  bool enabled_ = false;
  int32_t counter_ = 0;
};

}  // namespace corvane
