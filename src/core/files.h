// Files the program writes: pictures and data, never left half-written.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace cpt {

// Writes `text` to `path` without ever leaving a part-written file there: the
// text goes to a temporary file in the same folder, which is then renamed to
// `path`. With `replace` false an existing file at `path` is kept and the
// call fails with EEXIST in `err`. On failure the temporary file is removed,
// false is returned with a one-line reason in `error`, and `err` holds the
// errno of the failing call.
bool write_file_safely(const std::string& path, const std::string& text, bool replace,
                       std::string& error, int* err = nullptr);

// Reads the whole file `path` into `text`. False with a one-line reason in
// `error` ("PATH: cannot read: reason") when it cannot be read; `text` holds
// at most `most` + 1 bytes, so that a file that goes on past `most` (an
// endless input such as /dev/zero) is told by its size and read no further.
bool read_file_text(const std::string& path, size_t most, std::string& text, std::string& error);

// An output stream whose text is thrown away (in memory), for runs whose
// console no one reads.
class DiscardedOutput {
 public:
  DiscardedOutput();
  ~DiscardedOutput();
  DiscardedOutput(const DiscardedOutput&) = delete;
  DiscardedOutput& operator=(const DiscardedOutput&) = delete;
  FILE* file() const { return f_; }

 private:
  char* text_ = nullptr;
  size_t size_ = 0;
  FILE* f_ = nullptr;
};

// Removes a file the program has written (a set of files that could not all
// be written is not left in part). Errors are ignored.
void remove_written_file(const std::string& path);

}  // namespace cpt
