// Console input: keys and number lines from one stream, so that what one
// read leaves behind is seen by the next: a key read skips blanks and line
// ends, a number read takes a whole line.
#pragma once

#include <string>

#include "core/console.h"

namespace cpt {

// The next key press: one character, read without echo and without Enter on
// a terminal; blanks and line ends are skipped. Returns EOF at end of input
// (on a terminal also for the end-of-file key, Ctrl-D).
int con_key(Console& con);

// One whole line of input, without its line end (typed in the terminal's
// normal, echoed mode). Returns false at end of input when nothing was read.
bool con_line(Console& con, std::string& line);

}  // namespace cpt
