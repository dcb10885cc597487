#pragma once
// ByteReader: a bounded little-endian cursor over a file held in memory.
// Every read checks the bytes left first; a failed read leaves the cursor.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/byte_order.h"

namespace corvane {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  std::size_t Offset() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ == data_.size(); }

  // The next n bytes, or nullptr when fewer are left.
  const uint8_t* Take(std::size_t n) {
    if (n > Remaining()) return nullptr;
    const uint8_t* p = data_.data() + pos_;
    pos_ += n;
    return p;
  }

  template <typename T>
  bool Get(T& value) {
    const uint8_t* p = Take(sizeof(T));
    if (!p) return false;
    value = GetLE<T>(p);
    return true;
  }

 private:
  std::span<const uint8_t> data_;
  std::size_t pos_ = 0;
};

}  // namespace corvane
