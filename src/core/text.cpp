#include "core/text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace cpt {

void appendf(std::string& text, const char* fmt, ...) {
  char line[512];
  va_list ap, again;
  va_start(ap, fmt);
  va_copy(again, ap);
  const int n = std::vsnprintf(line, sizeof line, fmt, ap);
  va_end(ap);
  if (n > 0 && static_cast<size_t>(n) < sizeof line) {
    text.append(line, static_cast<size_t>(n));
  } else if (n > 0) {
    std::vector<char> longer(static_cast<size_t>(n) + 1);
    std::vsnprintf(longer.data(), longer.size(), fmt, again);
    text.append(longer.data(), static_cast<size_t>(n));
  }
  va_end(again);
}

}  // namespace cpt
