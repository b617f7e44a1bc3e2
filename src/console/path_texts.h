// The console's texts of each built-in path kind: its block of the dialog and
// its lines of the settings summary. Each format takes the kind's values as
// path_values gives them (doubles, in the dialog's units), from the given
// index on.
#pragma once

#include "core/problem.h"

namespace cpt {

struct PathTexts {
  const char* old_values;      // the block's first line(s): the old values, from 0
  const char* prompt;          // what the block asks for
  const char* new_values;      // the values entered, from new_from
  int new_from;
  const char* summary_name;    // after the path's number in the summary; nullptr: none
  const char* summary_values;  // the summary's parameter line, from summary_from; nullptr: none
  int summary_from;
};

// The texts of built-in kind c (1..7); nullptr for the waypoint path.
const PathTexts* path_texts(PathType c);

}  // namespace cpt
