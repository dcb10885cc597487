#pragma once
// Errors of the file readers and writers, reported as values.

#include <cstdint>
#include <string>

namespace corvane {

enum class IoErrorKind {
  None,
  FileNotFound,   // the file does not exist
  CannotRead,     // the file exists but cannot be opened or read
  NotLayoutFile,  // the version word is not one of a project file
  NewerVersion,   // a project file of a later program version (Version holds it)
  EndsEarly,      // the file ends inside an item
  CountTooLarge,  // a count exceeds what the rest of the file can hold
  BadIndex,       // an element or board index outside its list
  StringTooLong,  // a string longer than its field
  BadValue,       // a value later code cannot work with
  CannotWrite,    // the file cannot be created or written
  Unsupported,    // a kind of file this program part cannot read
};

struct IoError {
  IoErrorKind Kind = IoErrorKind::None;
  std::string File;     // the file name as given, with its path
  int Version = -1;     // the file's version number when known
  int Board = -1;       // 0-based board index, -1 outside a board
  long Element = -1;    // 0-based element index within the board, -1 outside an element
  int64_t Offset = -1;  // byte offset in the file where the item starts, -1 when not applicable
  std::string Field;    // the item that was read, in the file format's vocabulary ("Punkte", "Text")
  std::string Detail;   // the offending value or the system's error text

  bool ok() const { return Kind == IoErrorKind::None; }
  explicit operator bool() const { return !ok(); }
  // One line of plain English naming the file, what is wrong and where.
  std::string Describe() const;
};

// The file name without its folder.
std::string FileNameOnly(const std::string& path);

}  // namespace corvane
