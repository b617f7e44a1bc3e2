// The names and units of the problem file: the path kinds and, per built-in
// kind, the parameters the dialog asks for, in the dialog's units. The reader
// and the writer both go through these tables, so a name is spelled once.
#pragma once

#include "console/answer.h"
#include "core/state.h"
#include "model/paths.h"

namespace cpt {

// The file's name of a path kind ("arc", ..., "waypoints").
const char* path_kind_name(PathType c);
// The kind of a name; false when there is none.
bool path_kind_of(const std::string& name, PathType& c);
// Every kind name, comma-separated, for the line that refuses a name.
std::string path_kind_names();

// The parameters of built-in kind c and their number (0 for waypoints).
const PathParam* path_params(PathType c, int& count);

// What a value of this kind may be, in words: "a number from 1e-06 to 10000".
std::string field_range(Field kind);

}  // namespace cpt
