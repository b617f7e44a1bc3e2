// Raw key mode of a terminal: canonical input and echo off while one key is
// read, the saved mode put back at once, at exit and on the signals that end
// the program; on Ctrl-Z the saved mode while stopped, key mode again after
// the program is continued.
#pragma once

#include <cstdio>

namespace cpt {

// Switches the terminal of `in` to key mode (ICANON and ECHO off, VMIN 1,
// VTIME 0, TCSANOW so that type-ahead is kept; ISIG stays on). Returns false,
// changing nothing, when `in` is not a terminal.
bool tty_key_mode_begin(FILE* in);

// Puts back the mode saved by tty_key_mode_begin (no-op when none is saved).
void tty_key_mode_end();

// The end-of-file character of the saved mode (Ctrl-D), or -1 outside key mode.
int tty_eof_char();

}  // namespace cpt
