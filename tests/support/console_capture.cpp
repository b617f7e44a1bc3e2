#include "support/console_capture.h"

#include <algorithm>

#include "core/console.h"

namespace cpt {

FILE* no_input() {
  static FILE* const null_in = std::fopen("/dev/null", "r");
  return null_in;
}

ConsoleCapture::ConsoleCapture(Console& target, const std::string& input) : target_(target), input_(input) {
  in_ = input_.empty() ? std::fopen("/dev/null", "r")
                       : fmemopen(const_cast<char*>(input_.data()), input_.size(), "r");
  out_ = std::tmpfile();
  target_.set_streams(in_, out_);
}

ConsoleCapture::~ConsoleCapture() {
  target_.set_streams(no_input(), nullptr);
  if (in_) std::fclose(in_);
  if (out_) std::fclose(out_);
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


}  // namespace cpt
