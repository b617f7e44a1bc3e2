#include "core/console.h"

#include <cstdarg>
#include <cstring>

namespace cpt {

namespace {

// A diagnostic shows where a computation went wrong, which may be a state
// that is no number: printf's "nan" and "inf" are written as the text
// NotANumber, so that the console never shows them as if they were values.
void print_diagnostic(FILE* out, const char* not_a_number, const char* fmt, va_list ap) {
  // Fixed buffers: the numeric routines print diagnostics without allocating.
  const size_t nan_len = std::strlen(not_a_number);
  char text[1024], shown[2048];
  std::vsnprintf(text, sizeof text, fmt, ap);
  size_t n = 0;
  for (const char* p = text; *p && n + nan_len + 1 < sizeof shown;) {
    if (std::strncmp(p, "nan", 3) == 0 || std::strncmp(p, "inf", 3) == 0) {
      while (n > 0 && shown[n - 1] == '-') --n;
      std::memcpy(shown + n, not_a_number, nan_len);
      n += nan_len;
      p += 3;
    } else {
      shown[n++] = *p++;
    }
  }
  shown[n] = '\0';
  std::fputs(shown, out);
  std::fflush(out);
}

}  // namespace

void Console::vprint(const char* fmt, va_list ap) {
  std::vfprintf(out(), fmt, ap);
  std::fflush(out());
}

void Console::vdiag(const char* fmt, va_list ap) {
  if (printed_ >= kDiagMessages) {
    ++suppressed_;
    return;
  }
  ++printed_;
  print_diagnostic(out(), tr(Txt::NotANumber), fmt, ap);
}

void Console::print(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vprint(fmt, ap);
  va_end(ap);
}

void Console::say(Txt id, ...) {
  va_list ap;
  va_start(ap, id);
  vprint(tr(id), ap);
  va_end(ap);
}

void Console::diag(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vdiag(fmt, ap);
  va_end(ap);
}

void Console::diag_say(Txt id, ...) {
  va_list ap;
  va_start(ap, id);
  vdiag(tr(id), ap);
  va_end(ap);
}

bool Console::diag_first(DiagOnce kind) {
  int& n = once_[static_cast<int>(kind)];
  if (n++ == 0) return true;
  ++suppressed_;
  return false;
}

void Console::scope_begin() { scope_end(); }

void Console::scope_end() {
  if (suppressed_ > 0) say(Txt::DiagSuppressed, suppressed_);
  printed_ = 0;
  suppressed_ = 0;
  once_.fill(0);
}

}  // namespace cpt
