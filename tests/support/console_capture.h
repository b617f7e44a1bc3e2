// Test helpers for the console: capture what a Console prints and feed it
// input from memory, so that no test ever blocks on the real terminal.
#pragma once

#include <cstdio>
#include <string>

#include "core/console.h"

namespace cpt {

// Input that is always at its end: the console of a test never reads the terminal.
FILE* no_input();

class ConsoleCapture {
 public:
  // While the capture lives, `target` prints into it and reads `input`
  // (empty by default: every key wait sees end of input).
  explicit ConsoleCapture(Console& target, const std::string& input = "");
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  // Everything printed since construction (or the last take()).
  std::string text();
  std::string take();

 private:
  Console& target_;
  std::string input_;
  FILE* in_ = nullptr;
  FILE* out_ = nullptr;
  size_t taken_ = 0;
};

}  // namespace cpt
