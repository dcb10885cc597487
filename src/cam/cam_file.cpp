#include "cam/cam_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace corvane {

bool TCamFile::Open(const std::string& path) {
  Abandon();
  path_ = path;
  error_.clear();
  failed_ = false;
  std::string pattern = path + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    error_ = "cannot create \"" + path + "\": " + std::strerror(errno);
    failed_ = true;
    return false;
  }
  tempPath_ = name.data();
  // mkstemp creates the file private; give it the permissions of a normal new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    const int err = errno;
    ::close(fd);
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
    error_ = "cannot create \"" + path + "\": " + std::strerror(err);
    failed_ = true;
    return false;
  }
  return true;
}

void TCamFile::Fail(const std::string& what) {
  if (failed_) return;
  failed_ = true;
  error_ = what + " \"" + path_ + "\": " + std::strerror(errno);
}

void TCamFile::Write(std::string_view bytes) {
  if (file_ == nullptr || failed_ || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail("cannot write");
}

void TCamFile::Line(std::string_view text) {
  Write(text);
  Write("\r\n");
}

bool TCamFile::Commit() {
  if (file_ == nullptr) {
    if (error_.empty()) error_ = "no file open";
    return false;
  }
  if (!failed_ && std::fflush(file_) != 0) Fail("cannot write");
  if (!failed_ && ::fsync(::fileno(file_)) != 0 && errno != EINVAL && errno != EROFS)
    Fail("cannot write");
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (!failed_ && closed != 0) Fail("cannot close");
  if (!failed_ && std::rename(tempPath_.c_str(), path_.c_str()) != 0) Fail("cannot replace");
  if (failed_) {
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
    return false;
  }
  tempPath_.clear();
  return true;
}

void TCamFile::Abandon() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!tempPath_.empty()) {
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
  }
}

}  // namespace corvane
