#include "io/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

// No project or macro file comes near this size; larger files are refused
// instead of being read into memory.
constexpr std::size_t kMaxReadSize = std::size_t{1} << 30;

IoError SystemError(IoErrorKind kind, const std::string& path, int err) {
  IoError e;
  e.Kind = kind;
  e.File = path;
  e.Detail = std::strerror(err);
  return e;
}

// Closes a descriptor when it goes out of scope.
struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

IoError ReadUpTo(const std::string& path, std::size_t limit, std::vector<uint8_t>& bytes) {
  bytes.clear();
  Fd f;
  f.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (f.fd < 0)
    return SystemError(errno == ENOENT ? IoErrorKind::FileNotFound : IoErrorKind::CannotRead, path, errno);
  struct stat st {};
  if (::fstat(f.fd, &st) != 0) return SystemError(IoErrorKind::CannotRead, path, errno);
  if (!S_ISREG(st.st_mode)) return SystemError(IoErrorKind::CannotRead, path, EISDIR);
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  if (limit == SIZE_MAX && size > kMaxReadSize) return SystemError(IoErrorKind::CannotRead, path, EFBIG);
  bytes.resize(std::min(size, limit));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(f.fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SystemError(IoErrorKind::CannotRead, path, errno);
    if (n == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return IoError{};
}

}  // namespace

IoError ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
  return ReadUpTo(path, SIZE_MAX, bytes);
}

IoError ReadFileStart(const std::string& path, std::size_t n, std::vector<uint8_t>& bytes) {
  return ReadUpTo(path, n, bytes);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

IoError WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes) {
  if (path.empty()) return SystemError(IoErrorKind::CannotWrite, path, ENOENT);
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  Fd f;
  f.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (f.fd < 0) return SystemError(IoErrorKind::CannotWrite, path, errno);
  auto fail = [&](int err) {
    ::close(f.fd);
    f.fd = -1;
    ::unlink(temp.c_str());
    return SystemError(IoErrorKind::CannotWrite, path, err);
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(f.fd) != 0) return fail(errno);
  const int fd = f.fd;
  f.fd = -1;
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return SystemError(IoErrorKind::CannotWrite, path, err);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return SystemError(IoErrorKind::CannotWrite, path, err);
  }
  return IoError{};
}

}  // namespace corvane
