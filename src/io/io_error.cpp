#include "io/io_error.h"

namespace corvane {

std::string FileNameOnly(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

const char* KindText(IoErrorKind kind) {
  switch (kind) {
    case IoErrorKind::None: return "no error";
    case IoErrorKind::FileNotFound: return "file not found";
    case IoErrorKind::CannotRead: return "cannot be read";
    case IoErrorKind::NotLayoutFile: return "not a Corvane file";
    case IoErrorKind::NewerVersion: return "created with a newer version";
    case IoErrorKind::EndsEarly: return "the file ends early";
    case IoErrorKind::CountTooLarge: return "a count is larger than the rest of the file";
    case IoErrorKind::BadIndex: return "an index lies outside its list";
    case IoErrorKind::StringTooLong: return "a text is longer than its field";
    case IoErrorKind::BadValue: return "a value is out of range";
    case IoErrorKind::CannotWrite: return "cannot be written";
    case IoErrorKind::Unsupported: return "this kind of file is not supported";
  }
  return "unknown error";
}

}  // namespace

std::string IoError::Describe() const {
  std::string s;
  s.append("\"").append(File).append("\": ").append(KindText(Kind));
  if (Kind == IoErrorKind::NewerVersion) s.append(" (Version ").append(std::to_string(Version)).append(")");
  if (Board >= 0) s.append(", board ").append(std::to_string(Board + 1));
  if (Element >= 0) s.append(", element ").append(std::to_string(Element + 1));
  if (!Field.empty()) s.append(", ").append(Field);
  if (Offset >= 0) s.append(", byte offset ").append(std::to_string(Offset));
  if (!Detail.empty()) s.append(" (").append(Detail).append(")");
  return s;
}

}  // namespace corvane
