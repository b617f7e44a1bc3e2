// The dialog's two kinds of question: one key, or one line of numbers that
// is asked again until it is right. Both report the end of input.
#pragma once

#include "core/console.h"
#include "console/answer.h"

namespace cpt {


// Prints `question` and reads one key into `key`. False at end of input.
bool ask_key(Console& con, const char* question, int& key);

// Prints `prompt` and reads a line of n values of the given kinds into out
// (a path type up to last_type).
// Blank lines are passed over; a wrong line is discarded whole, reported with
// the text BadInput and what the line must hold, and the prompt is printed again. False at end of input, with out
// untouched.
bool ask_values(Console& con, const char* prompt, const Field* kinds, int n, double* out,
                int last_type = kLastEnteredType);

}  // namespace cpt
