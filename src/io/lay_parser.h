#pragma once
// LayParser: the reading context shared by the readers of every file version.
// It wraps the bounded cursor, remembers where reading is (board, element) and
// turns every failed read into an IoError naming the file, the item and the
// byte offset. Counts are checked against the bytes left before anything is
// allocated for them.

#include <cstdint>
#include <span>
#include <string>

#include "io/byte_reader.h"
#include "io/io_error.h"

namespace corvane {

class LayParser {
 public:
  LayParser(std::span<const uint8_t> data, const std::string& file, int version);

  ByteReader& In() { return in_; }
  int Version() const { return version_; }
  const IoError& Error() const { return error_; }

  void SetBoard(int board) { board_ = board; element_ = -1; }
  void SetElement(long element) { element_ = element; }

  // Records the first failure (with the current board and element) and
  // returns false, so callers can write `return p.Fail(...)`.
  bool Fail(IoErrorKind kind, const char* field, std::string detail = {});
  bool FailAt(IoErrorKind kind, const char* field, std::size_t offset, std::string detail = {});

  // Reads a value; fails with EndsEarly.
  template <typename T>
  bool Get(T& value, const char* field) {
    const std::size_t at = in_.Offset();
    if (in_.Get(value)) return true;
    return FailAt(IoErrorKind::EndsEarly, field, at);
  }
  bool Take(std::size_t n, const char* field, const uint8_t*& bytes);

  // Reads a count of type T (i16 or i32). Negative counts and counts whose
  // items, each at least `minItemBytes` long, cannot fit in the rest of the
  // file fail.
  template <typename T>
  bool Count(std::size_t minItemBytes, const char* field, int32_t& n) {
    const std::size_t at = in_.Offset();
    T raw{};
    if (!Get(raw, field)) return false;
    return CheckCount(static_cast<int64_t>(raw), minItemBytes, field, at, n);
  }

  // A long string: i32 length, characters. A length of 0 or less is empty;
  // more than `limit` characters fail.
  bool LongString(std::string& s, std::size_t limit, const char* field);
  // A short string of n: length byte and a field of n characters.
  bool ShortString(std::size_t n, std::string& s, const char* field);

 private:
  bool CheckCount(int64_t raw, std::size_t minItemBytes, const char* field, std::size_t at, int32_t& n);

  ByteReader in_;
  std::string file_;
  int version_;
  int board_ = -1;
  long element_ = -1;
  IoError error_;
};

}  // namespace corvane
