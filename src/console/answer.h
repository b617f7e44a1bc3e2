// Checking of the numbers typed at the dialog's prompts: a line is taken
// only when it holds exactly the values asked for, each of its kind.
#pragma once

#include <string>

#include "core/fields.h"
#include "core/texts.h"

namespace cpt {

// Parses `line` as exactly n values of the given kinds into out[0..n-1], a
// path type up to last_type. Returns false, out untouched, when a value does
// not convert, is not finite, is of the wrong kind or out of its range, or
// when there are too few or too many values.
bool parse_answer(const std::string& line, const Field* kinds, int n, double* out,
                  int last_type = kLastEnteredType);

// True when the line holds nothing but blanks.
bool blank_line(const std::string& line);

// What a line of these n values must hold, in the dialog's words, for the
// line that refuses an answer: "（正の数2つを空白で区切って）"; a path type
// up to last_type: "（1〜7の整数）".
std::string expected_values(Lang lang, const Field* kinds, int n, int last_type = kLastEnteredType);

}  // namespace cpt
