// Which texts of the console's table each built-in path kind shows: its
// block of the dialog and its lines of the settings summary. Each format takes the kind's values as
// path_values gives them (doubles, in the dialog's units), from the given
// index on.
#pragma once

#include "core/console.h"
#include "core/problem.h"
#include "model/paths.h"
#include "core/texts.h"

namespace cpt {

// Each a text of the console's table (core/texts.h).
struct PathTexts {
  Txt old_values;      // the block's first line(s): the old values, from 0
  Txt prompt;          // what the block asks for
  Txt new_values;      // the values entered, from new_from
  int new_from;
  bool in_summary;     // the summary names the kind and shows its parameters
  Txt summary_name;    // after the path's number in the summary
  Txt summary_values;  // the summary's parameter line, from summary_from
  int summary_from;
};

// The texts of built-in kind c (1..7); nullptr for the waypoint path.
const PathTexts* path_texts(PathType c);

// Room for the values of a kind as path_values gives them, and for the
// arguments print_path_values passes beyond the last one.
constexpr int kPathValueRoom = kMaxPathValues + 3;

// Prints text `id`, a format of the kind's values from index `from` on (it
// takes as many as it names), in the console's language.
void print_path_values(Console& con, Txt id, const double* v, int from);

}  // namespace cpt
