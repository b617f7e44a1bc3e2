#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cpt {

bool write_file_safely(const std::string& path, const std::string& text, bool replace,
                       std::string& error, int* err) {
  const auto fail = [&](int e, const std::string& tmp) {
    if (!tmp.empty()) unlink(tmp.c_str());
    error = "cannot write " + path + ": " + std::strerror(e);
    if (err) *err = e;
    return false;
  };
  if (path.empty()) return fail(ENOENT, "");
  // A hidden temporary name beside the file, unique to this process and call.
  static unsigned serial = 0;
  const size_t slash = path.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::string tmp = dir + "." + name + ".tmp" + std::to_string(getpid()) + "-" +
                          std::to_string(++serial);
  // The whole text into fd; 0 or the error.
  const auto write_all = [&](int fd) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
      const ssize_t n = write(fd, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return n < 0 ? errno : EIO;
      p += n;
      left -= static_cast<size_t>(n);
    }
    return 0;
  };
  // A device or a pipe (/dev/null, /dev/stdout) is written into, never
  // replaced by a file of the same name.
  struct stat sb;
  if (replace && stat(path.c_str(), &sb) == 0 && !S_ISREG(sb.st_mode) && !S_ISDIR(sb.st_mode)) {
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return fail(errno, "");
    const int e = write_all(fd);
    if (close(fd) != 0 && e == 0) return fail(errno, "");
    return e == 0 ? true : fail(e, "");
  }
  const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return fail(errno, "");
  if (const int e = write_all(fd)) {
    close(fd);
    return fail(e, tmp);
  }
  if (close(fd) != 0) return fail(errno, tmp);
  if (replace) {
    if (rename(tmp.c_str(), path.c_str()) != 0) return fail(errno, tmp);
    return true;
  }
  // A hard link never replaces an existing file; where the file system has
  // no hard links, a rename after a check for the file has to do.
  if (link(tmp.c_str(), path.c_str()) == 0) {
    unlink(tmp.c_str());
    return true;
  }
  const int e = errno;
  if (e != EPERM && e != EOPNOTSUPP && e != ENOSYS) return fail(e, tmp);
  if (access(path.c_str(), F_OK) == 0) return fail(EEXIST, tmp);
  if (rename(tmp.c_str(), path.c_str()) != 0) return fail(errno, tmp);
  return true;
}

void remove_written_file(const std::string& path) { unlink(path.c_str()); }

}  // namespace cpt
