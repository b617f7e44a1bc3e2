// The problem file: the robot, the joint limits, the hand speed limit and
// the path of a run as YAML, read instead of the console dialog (--problem
// FILE) and written from the problem (--print-problem).
//
//   robot:    type (scara | cylindrical), arm [l1, l2]
//   dynamics: the rigid bodies of a real robot (params.h: body_params); left
//             out, the robot is the unit point mass
//   joints:   max_effort [a1max, a2max] (per unit mass, or N·m and N with
//             dynamics), max_velocity [v1, v2]
//   tool:     max_speed
//   path:     type, then the kind's parameters (params.h) or points
//
// Every key but robot.type, path and path.type may be left out: it keeps the
// start-up default. Bad input is refused with one line
// "FILE:LINE: what is wrong; accepted: what would do".
#pragma once

#include <string>

#include "core/state.h"

namespace cpt {

// Reads the text of the problem file `name` into pb: the start-up defaults
// (default_problem), then the file's values. False on bad input, with the
// one line in `error` (pb then undefined).
bool parse_problem(const std::string& text, const std::string& name, Problem& pb, std::string& error);

// Reads and parses the file `path`; "PATH: cannot read: reason" when it
// cannot be read, and refused with its line when it goes on past 1 MiB (an
// endless input such as /dev/zero is read no further). Prints nothing.
bool load_problem(const std::string& path, Problem& pb, std::string& error);

// The problem file of a problem: every key, with the current path's
// parameters; numbers in the shortest form that reads back to the same
// double (angles: the same radians after the dialog's conversion).
std::string problem_text(const Problem& pb);

// The start of a run from a loaded problem file, instead of the dialog: the
// key help, the file's name, then the dialog's computation stage (summary,
// preparation). False when the preparation refuses the settings, with one
// line "PATH: no motion can be prepared: reason" in `error`.
bool start_problem(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic, const std::string& path,
                   std::string& error);

// Takes "--problem FILE" out of argv (the window program, before its window
// system sees the arguments). `path` stays empty when it is not given. False
// with the reason when FILE is missing or the option is given twice.
bool take_problem_option(int& argc, char** argv, std::string& path, std::string& error);

}  // namespace cpt
