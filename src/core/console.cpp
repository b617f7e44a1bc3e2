#include "core/console.h"

#include <cstdarg>
#include <cstring>

namespace cpt {

namespace {

FILE* g_in = nullptr;
FILE* g_out = nullptr;

// The current diagnostic scope.
int g_printed = 0;     // diagnostics printed in full
int g_suppressed = 0;  // diagnostics only counted
int g_once[static_cast<int>(DiagOnce::Count)] = {};

void vprint(const char* fmt, va_list ap) {
  std::vfprintf(con_out(), fmt, ap);
  std::fflush(con_out());
}

// A diagnostic shows where a computation went wrong, which may be a state
// that is no number: printf's "nan" and "inf" are written as "(非数)", so
// that the console never shows them as if they were values.
void print_diagnostic(const char* fmt, va_list ap) {
  // Fixed buffers: the numeric routines print diagnostics without allocating.
  static const char kNotANumber[] = "(非数)";
  char text[1024], out[2048];
  std::vsnprintf(text, sizeof text, fmt, ap);
  size_t n = 0;
  for (const char* p = text; *p && n + sizeof kNotANumber < sizeof out;) {
    if (std::strncmp(p, "nan", 3) == 0 || std::strncmp(p, "inf", 3) == 0) {
      while (n > 0 && out[n - 1] == '-') --n;
      std::memcpy(out + n, kNotANumber, sizeof kNotANumber - 1);
      n += sizeof kNotANumber - 1;
      p += 3;
    } else {
      out[n++] = *p++;
    }
  }
  out[n] = '\0';
  std::fputs(out, con_out());
  std::fflush(con_out());
}

}  // namespace

FILE* con_in() { return g_in ? g_in : stdin; }
FILE* con_out() { return g_out ? g_out : stdout; }

void con_set_streams(FILE* in, FILE* out) {
  g_in = in;
  g_out = out;
}

void con_printf(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vprint(fmt, ap);
  va_end(ap);
}

void diag_printf(const char* fmt, ...) {
  if (g_printed >= kDiagMessages) {
    ++g_suppressed;
    return;
  }
  ++g_printed;
  va_list ap;
  va_start(ap, fmt);
  print_diagnostic(fmt, ap);
  va_end(ap);
}

bool diag_first(DiagOnce kind) {
  int& n = g_once[static_cast<int>(kind)];
  if (n++ == 0) return true;
  ++g_suppressed;
  return false;
}

void diag_scope_begin() {
  diag_scope_end();
}

void diag_scope_end() {
  if (g_suppressed > 0) con_printf("\n(同様の診断 %d 件を省略)", g_suppressed);
  g_printed = 0;
  g_suppressed = 0;
  for (int& n : g_once) n = 0;
}

}  // namespace cpt
