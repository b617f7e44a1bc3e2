#include "console/input.h"

#include <cctype>
#include <cerrno>
#include <cstdio>

#include "console/tty.h"

namespace cpt {

namespace {

// One character; a read interrupted by a signal that did not end the program is retried.
int next_char(FILE* in) {
  for (;;) {
    errno = 0;
    const int c = std::getc(in);
    if (c != EOF || !std::ferror(in) || errno != EINTR) return c;
    std::clearerr(in);
  }
}

}  // namespace

int con_key(Console& con) {
  FILE* in = con.in();
  // On a terminal: key mode for this one read, restored before returning.
  const bool key_mode = tty_key_mode_begin(in);
  const int eof_char = tty_eof_char();
  int c;
  do {
    c = next_char(in);
    if (key_mode && eof_char > 0 && c == eof_char) c = EOF;
  } while (c != EOF && std::isspace(c));
  if (key_mode) tty_key_mode_end();
  if (c != EOF) con.tell_read(InputRead::Key, std::string(1, static_cast<char>(c)));
  return c;
}

bool con_line(Console& con, std::string& line) {
  line.clear();
  FILE* in = con.in();
  int c;
  while ((c = next_char(in)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
  if (c == EOF && line.empty()) return false;
  con.tell_read(InputRead::Line, line);
  return true;
}

}  // namespace cpt
