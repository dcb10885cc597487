#include "io/lay_parser.h"

namespace corvane {

LayParser::LayParser(std::span<const uint8_t> data, const std::string& file, int version)
    : in_(data), file_(file), version_(version) {}

bool LayParser::Fail(IoErrorKind kind, const char* field, std::string detail) {
  return FailAt(kind, field, in_.Offset(), std::move(detail));
}

bool LayParser::FailAt(IoErrorKind kind, const char* field, std::size_t offset, std::string detail) {
  if (error_.ok()) {
    error_.Kind = kind;
    error_.File = file_;
    error_.Version = version_;
    error_.Board = board_;
    error_.Element = element_;
    error_.Offset = static_cast<int64_t>(offset);
    error_.Field = field ? field : "";
    error_.Detail = std::move(detail);
  }
  return false;
}

bool LayParser::Take(std::size_t n, const char* field, const uint8_t*& bytes) {
  const std::size_t at = in_.Offset();
  bytes = in_.Take(n);
  return bytes ? true : FailAt(IoErrorKind::EndsEarly, field, at);
}

bool LayParser::CheckCount(int64_t raw, std::size_t minItemBytes, const char* field, std::size_t at,
                           int32_t& n) {
  if (raw < 0) return FailAt(IoErrorKind::BadValue, field, at, "count " + std::to_string(raw));
  if (minItemBytes > 0 && static_cast<uint64_t>(raw) > in_.Remaining() / minItemBytes)
    return FailAt(IoErrorKind::CountTooLarge, field, at,
                  "count " + std::to_string(raw) + ", " + std::to_string(in_.Remaining()) + " bytes left");
  n = static_cast<int32_t>(raw);
  return true;
}

bool LayParser::LongString(std::string& s, std::size_t limit, const char* field) {
  const std::size_t at = in_.Offset();
  int32_t len = 0;
  if (!Get(len, field)) return false;
  s.clear();
  if (len <= 0) return true;
  if (static_cast<std::size_t>(len) > limit)
    return FailAt(IoErrorKind::StringTooLong, field, at, "length " + std::to_string(len));
  const uint8_t* p = nullptr;
  if (!Take(static_cast<std::size_t>(len), field, p)) return false;
  s.assign(reinterpret_cast<const char*>(p), static_cast<std::size_t>(len));
  return true;
}

bool LayParser::ShortString(std::size_t n, std::string& s, const char* field) {
  const std::size_t at = in_.Offset();
  const uint8_t* p = nullptr;
  if (!Take(n + 1, field, p)) return false;
  if (p[0] > n) return FailAt(IoErrorKind::StringTooLong, field, at, "length " + std::to_string(p[0]));
  s.assign(reinterpret_cast<const char*>(p + 1), p[0]);
  return true;
}

}  // namespace corvane
