#pragma once
// ByteWriter: appends little-endian values and the file's string forms to a buffer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/byte_order.h"

namespace corvane {

class ByteWriter {
 public:
  std::vector<uint8_t>& Bytes() { return out_; }
  const std::vector<uint8_t>& Bytes() const { return out_; }
  void Reserve(std::size_t n) { out_.reserve(n); }

  template <typename T>
  void Put(T value) {
    const std::size_t at = out_.size();
    out_.resize(at + sizeof(T));
    PutLE<T>(out_.data() + at, value);
  }

  void PutBytes(const uint8_t* p, std::size_t n) { out_.insert(out_.end(), p, p + n); }

  // A short string of n: length byte, at most n characters, zero-filled to n.
  void PutShortString(const std::string& s, std::size_t n) {
    const std::size_t len = std::min(s.size(), n);
    out_.push_back(static_cast<uint8_t>(len));
    out_.insert(out_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(len));
    out_.insert(out_.end(), n - len, 0);
  }

  // A long string: i32 length and the characters, cut to at most `limit`.
  void PutLongString(const std::string& s, std::size_t limit) {
    const std::size_t len = std::min(s.size(), limit);
    Put<int32_t>(static_cast<int32_t>(len));
    out_.insert(out_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(len));
  }

 private:
  std::vector<uint8_t> out_;
};

}  // namespace corvane
