// The console: every write and every read of the program goes through here,
// so that output is flushed as it is printed and tests can capture and feed it.
//
// Keys and number lines come from the same input stream, so that what one
// read leaves behind is seen by the next: a key read skips blanks and line
// ends, a number read takes a whole line.
#pragma once

#include <cstdio>
#include <string>

namespace cpt {

// Formatted print to the console output, flushed at once.
void con_printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The next key press: one character, read without echo and without Enter on
// a terminal; blanks and line ends are skipped. Returns EOF at end of input
// (on a terminal also for the end-of-file key, Ctrl-D).
int con_key();

// Waits for one key press; end of input simply returns.
void con_wait_key();

// One whole line of input, without its line end (typed in the terminal's
// normal, echoed mode). Returns false at end of input when nothing was read.
bool con_line(std::string& line);

// True when the console input is a terminal.
bool con_is_tty();

// Redirects the console (tests). nullptr restores stdin / stdout.
void con_set_streams(FILE* in, FILE* out);
FILE* con_in();
FILE* con_out();

}  // namespace cpt
