#include "support/console_capture.h"

#include <gtest/gtest.h>

#include <algorithm>

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
  static FILE* null_in = std::fopen("/dev/null", "r");  // tests never read the real terminal
  con_set_streams(null_in, nullptr);
}

std::string ConsoleCapture::text() {
  std::fflush(out_);
  std::string all(std::ftell(out_), '\0');
  std::rewind(out_);
  all.resize(std::fread(all.data(), 1, all.size(), out_));
  return all.substr(std::min(taken_, all.size()));
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
