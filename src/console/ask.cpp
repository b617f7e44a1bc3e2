#include "console/ask.h"

#include <string>

#include "console/input.h"

namespace cpt {

bool ask_key(const char* question, int& key) {
  con_printf("%s", question);
  key = con_key();
  return key != EOF;
}

bool ask_values(const char* prompt, const Field* kinds, int n, double* out, int last_type) {
  con_printf("%s", prompt);
  std::string line;
  for (;;) {
    if (!con_line(line)) return false;
    if (blank_line(line)) continue;
    if (parse_answer(line, kinds, n, out, last_type)) return true;
    con_printf("%s%s%s", kBadInput, expected_values(kinds, n, last_type).c_str(), prompt);
  }
}

}  // namespace cpt
