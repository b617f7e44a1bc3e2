#include "settings/console.h"

#include <cctype>
#include <cstdarg>

namespace {
FILE* g_in = nullptr;
FILE* g_out = nullptr;
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
  std::vfprintf(con_out(), fmt, ap);
  va_end(ap);
  std::fflush(con_out());
}

int con_key() {
  int c;
  do {
    c = std::getc(con_in());
  } while (c != EOF && std::isspace(c));
  return c;
}
