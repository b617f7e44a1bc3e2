// Console output: every line the program prints goes through the Console it
// is handed, flushed as it is printed, so that it appears at once (also into
// a pipe) and tests can capture it. Reading keys and lines is the console
// layer's (console/input.h), from the same Console's input.
//
// The numeric routines report their problems as diagnostics: at most
// kDiagMessages of them in one scope (one key, one preparation of a motion);
// the rest are counted and summed up in one line when the scope ends, so
// that pressing on past a failure never floods the console. The budget is
// the Console's own.
#pragma once

#include <array>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "core/texts.h"

namespace cpt {

// Diagnostics printed in full in one scope; further ones are only counted.
constexpr int kDiagMessages = 8;

// What one read of the console's input gave: a key (one character) or a
// whole line (without its line end).
enum class InputRead { Key, Line };
// Told of every read of the console's input as it is made (a recording of
// the run keeps them); empty: nobody is told.
using InputTap = std::function<void(InputRead, const std::string&)>;

// Kinds of diagnostics reported only once per scope, however often they occur.
enum class DiagOnce { NearSingular, Count };

class Console {
 public:
  // Standard input and output.
  Console() = default;
  // Other streams (tests, the runner's --print-problem); nullptr: the standard one.
  Console(FILE* in, FILE* out) : in_(in), out_(out) {}

  // Formatted print to the output, flushed at once.
  void print(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

  // The console's language, and its text of an entry of the table.
  Lang lang() const { return lang_; }
  void set_lang(Lang lang) { lang_ = lang; }
  const char* tr(Txt id) const { return text(lang_, id); }

  // Prints the text `id` in the console's language, a printf format of the
  // arguments that follow.
  void say(Txt id, ...);

  // A diagnostic of a numeric routine, printed like print while the scope's
  // budget lasts (at most 1023 bytes; a value that is not a number is shown
  // as the text NotANumber).
  void diag(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

  // True the first time `kind` occurs in the current scope (the caller then
  // prints it); counts it otherwise.
  bool diag_first(DiagOnce kind);

  // diag of the text `id` in the console's language.
  void diag_say(Txt id, ...);

  // A new scope: the budget is full again. Ends the previous scope first.
  void scope_begin();
  // Ends the scope: one line with the number of diagnostics not printed, if any.
  void scope_end();

  FILE* in() const { return in_ ? in_ : stdin; }
  FILE* out() const { return out_ ? out_ : stdout; }
  void set_streams(FILE* in, FILE* out) {
    in_ = in;
    out_ = out;
  }

  // Who is told of each read of the input (console/input.h tells it).
  void set_input_tap(InputTap tap) { tap_ = std::move(tap); }
  void tell_read(InputRead what, const std::string& text) const {
    if (tap_) tap_(what, text);
  }

 private:
  // print and diag of a format and its arguments: what the public ones share.
  void vprint(const char* fmt, va_list ap);
  void vdiag(const char* fmt, va_list ap);

  FILE* in_ = nullptr;
  FILE* out_ = nullptr;
  Lang lang_ = Lang::Ja;
  InputTap tap_;
  // The current diagnostic scope.
  int printed_ = 0;     // diagnostics printed in full
  int suppressed_ = 0;  // diagnostics only counted
  std::array<int, static_cast<int>(DiagOnce::Count)> once_{};
};

}  // namespace cpt
