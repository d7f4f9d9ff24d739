#include "platform/posix/PosixFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform::posix {

namespace {

struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

ReadResult PosixFiles::ReadAll(const std::string& path, size_t maxBytes, std::string& bytes) {
  bytes.clear();
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');

  struct stat st;
  if (stat(native.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return ReadResult::Missing;
  Fd file{open(native.c_str(), O_RDONLY)};
  if (file.fd < 0) return ReadResult::Unreadable;

  std::string data;
  size_t got = 0;
  for (;;) {
    if (got == data.size()) {
      if (data.size() >= maxBytes) {
        char probe;
        const ssize_t n = read(file.fd, &probe, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadResult::Unreadable;
        if (n == 0) break;
        return ReadResult::TooLarge;
      }
      data.resize(data.size() + std::min<size_t>(maxBytes - data.size(), 65536));
    }
    const ssize_t n = read(file.fd, &data[got], data.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ReadResult::Unreadable;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  data.resize(got);
  bytes = std::move(data);
  return ReadResult::Ok;
}

}  // namespace platform::posix
