#pragma once
// TCamFile: a text output file that is either written completely or not at all.
//
// Lines go to "<path>.tmp-XXXXXX" next to the target; Commit checks every
// write, flushes, syncs and closes the file and then renames it over the
// target. Any failure removes the partial file, keeps an old target intact
// and is reported by Commit (and Error). Lines end with "\r\n".

#include <cstdio>
#include <string>
#include <string_view>

namespace corvane {

class TCamFile {
 public:
  TCamFile() = default;
  TCamFile(const TCamFile&) = delete;
  TCamFile& operator=(const TCamFile&) = delete;
  ~TCamFile() { Abandon(); }

  // Creates the temporary file beside `path`. False (with Error) when it
  // cannot be created, e.g. because the folder does not exist.
  bool Open(const std::string& path);
  // Appends text + "\r\n". After a failure further lines are ignored.
  void Line(std::string_view text);
  // Appends raw bytes (lines already terminated).
  void Write(std::string_view bytes);
  // Finishes the file and puts it in place; false (with Error) on any failure,
  // in which case nothing is left behind.
  bool Commit();
  // Closes and removes the temporary file; the target stays as it was.
  void Abandon();

  bool IsOpen() const { return file_ != nullptr; }
  bool Failed() const { return failed_; }
  const std::string& Error() const { return error_; }
  const std::string& Path() const { return path_; }

 private:
  void Fail(const std::string& what);

  std::FILE* file_ = nullptr;
  std::string path_;
  std::string tempPath_;
  std::string error_;
  bool failed_ = false;
};

}  // namespace corvane
