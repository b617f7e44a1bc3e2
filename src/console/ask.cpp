#include "console/ask.h"

#include <string>

#include "console/input.h"

namespace cpt {

bool ask_key(Console& con, const char* question, int& key) {
  con.print("%s", question);
  key = con_key(con);
  return key != EOF;
}

bool ask_values(Console& con, const char* prompt, const Field* kinds, int n, double* out, int last_type) {
  con.print("%s", prompt);
  std::string line;
  for (;;) {
    if (!con_line(con, line)) return false;
    if (blank_line(line)) continue;
    if (parse_answer(line, kinds, n, out, last_type)) return true;
    con.print("%s%s%s", con.tr(Txt::BadInput), expected_values(con.lang(), kinds, n, last_type).c_str(), prompt);
  }
}

}  // namespace cpt
