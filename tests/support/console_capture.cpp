#include "support/console_capture.h"

#include <gtest/gtest.h>

#include "core/console.h"

namespace cpt {

ConsoleCapture::ConsoleCapture(const std::string& input) : input_(input) {
  in_ = input_.empty() ? std::fopen("/dev/null", "r")
                       : fmemopen(const_cast<char*>(input_.data()), input_.size(), "r");
  out_ = std::tmpfile();
  con_set_streams(in_, out_);
}

ConsoleCapture::~ConsoleCapture() {
  con_set_streams(nullptr, nullptr);
  if (in_) std::fclose(in_);
  if (out_) std::fclose(out_);
  // Outside a capture, tests must not read the real terminal either.
  static FILE* null_in = std::fopen("/dev/null", "r");
  con_set_streams(null_in, nullptr);
}

std::string ConsoleCapture::text() {
  std::fflush(out_);
  std::string all;
  std::rewind(out_);
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, out_)) > 0) all.append(buf, n);
  std::fseek(out_, 0, SEEK_END);
  return all.substr(taken_ < all.size() ? taken_ : all.size());
}

std::string ConsoleCapture::take() {
  std::string t = text();
  taken_ += t.size();
  return t;
}

namespace {
// Every test starts with the console reading from /dev/null, so that a key
// wait in the code under test can never block on the terminal.
class QuietConsole : public ::testing::Environment {
 public:
  void SetUp() override { con_set_streams(std::fopen("/dev/null", "r"), nullptr); }
};
const auto* const kQuiet = ::testing::AddGlobalTestEnvironment(new QuietConsole);
}  // namespace

}  // namespace cpt
