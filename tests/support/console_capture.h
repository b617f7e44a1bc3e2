// Test helpers for the console: capture what the program prints and feed it
// input from memory, so that no test ever blocks on the real terminal.
#pragma once

#include <cstdio>
#include <string>

namespace cpt {

class ConsoleCapture {
 public:
  // Input comes from `input` (empty by default: every key wait sees end of input).
  explicit ConsoleCapture(const std::string& input = "");
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  // Everything printed since construction (or the last take()).
  std::string text();
  std::string take();

 private:
  std::string input_;
  FILE* in_ = nullptr;
  FILE* out_ = nullptr;
  size_t taken_ = 0;
};

}  // namespace cpt
