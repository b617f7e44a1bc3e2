// The console: every write and every read of the program goes through here,
// so that output is flushed as it is printed and tests can capture and feed it.
#pragma once

#include <cstdio>

// Formatted print to the console output, flushed at once.
void con_printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The next key press: one character, read without echo and without Enter on
// a terminal; blanks and line ends are skipped. Returns EOF at end of input.
int con_key();

// Redirects the console (tests). nullptr restores stdin / stdout.
void con_set_streams(FILE* in, FILE* out);
FILE* con_in();
FILE* con_out();
