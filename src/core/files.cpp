#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace cpt {

namespace {

// The whole text into fd; 0 or the error.
int write_all(int fd, const std::string& text) {
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
}

// A hidden temporary file beside the file, new (O_EXCL), its name unique to
// this process and the try that made it; the descriptor, or -1 with errno.
int open_temporary_beside(const std::string& path, std::string& tmp) {
  const size_t slash = path.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  int fd = -1;
  for (int attempt = 1; attempt <= 100; ++attempt) {
    tmp = dir + "." + name + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) break;
  }
  return fd;
}

// Puts the written temporary file in place of path: replacing it, or only
// where there is none. 0 or the error; the temporary file is gone either way.
int put_in_place(const std::string& tmp, const std::string& path, bool replace) {
  const auto done = [&](int e) {
    if (e) unlink(tmp.c_str());
    return e;
  };
  if (replace) return done(rename(tmp.c_str(), path.c_str()) != 0 ? errno : 0);
  // A hard link never replaces an existing file; where the file system has
  // no hard links, a rename after a check for the file has to do.
  if (link(tmp.c_str(), path.c_str()) == 0) {
    unlink(tmp.c_str());
    return 0;
  }
  const int e = errno;
  if (e != EPERM && e != EOPNOTSUPP && e != ENOSYS) return done(e);
  if (access(path.c_str(), F_OK) == 0) return done(EEXIST);
  return done(rename(tmp.c_str(), path.c_str()) != 0 ? errno : 0);
}

}  // namespace

bool write_file_safely(const std::string& path, const std::string& text, bool replace,
                       std::string& error, int* err) {
  const auto fail = [&](int e, const std::string& tmp) {
    if (!tmp.empty()) unlink(tmp.c_str());
    error = "cannot write " + path + ": " + std::strerror(e);
    if (err) *err = e;
    return false;
  };
  if (path.empty()) return fail(ENOENT, "");
  // A device or a pipe (/dev/null, /dev/stdout) is written into, never
  // replaced by a file of the same name.
  struct stat sb;
  if (replace && stat(path.c_str(), &sb) == 0 && !S_ISREG(sb.st_mode) && !S_ISDIR(sb.st_mode)) {
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return fail(errno, "");
    const int e = write_all(fd, text);
    if (close(fd) != 0 && e == 0) return fail(errno, "");
    return e == 0 ? true : fail(e, "");
  }
  std::string tmp;
  const int fd = open_temporary_beside(path, tmp);
  if (fd < 0) return fail(errno, "");
  if (const int e = write_all(fd, text)) {
    close(fd);
    return fail(e, tmp);
  }
  if (close(fd) != 0) return fail(errno, tmp);
  if (const int e = put_in_place(tmp, path, replace)) return fail(e, "");
  return true;
}

void remove_written_file(const std::string& path) { unlink(path.c_str()); }

bool read_file_text(const std::string& path, size_t most, std::string& text, std::string& error) {
  text.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  int err = f ? 0 : errno;
  if (f) {
    char buf[65536];
    size_t n;
    while (text.size() <= most && (n = std::fread(buf, 1, std::min(sizeof buf, most + 1 - text.size()), f)) > 0)
      text.append(buf, n);
    if (std::ferror(f)) err = errno ? errno : EIO;
    std::fclose(f);
  }
  if (!err) return true;
  error = path + ": cannot read: " + std::strerror(err);
  return false;
}

DiscardedOutput::DiscardedOutput() : f_(open_memstream(&text_, &size_)) {}

DiscardedOutput::~DiscardedOutput() {
  if (f_) std::fclose(f_);
  std::free(text_);
}

}  // namespace cpt
