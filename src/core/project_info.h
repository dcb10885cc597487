#pragma once
// ProjectInfo: the project information stored at the end of the project file.

#include <cstddef>
#include <string>

namespace corvane {

inline constexpr std::size_t kProjectInfoFieldLength = 100;  // title, author, company
inline constexpr std::size_t kProjectCommentLength = 1900;

struct ProjectInfo {
  std::string Title;    // code page 1252 bytes, up to 100 characters
  std::string Author;   // up to 100 characters
  std::string Company;  // up to 100 characters
  std::string Comment;  // up to 1900 characters, lines separated by CR LF

  friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

}  // namespace corvane
