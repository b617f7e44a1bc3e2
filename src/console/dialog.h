// The console settings dialog: key help, the questions the entry key calls
// for, the robot, limit and path sections, and the computation stage that
// prepares a new motion.
//
//   start-up:  start_up(...)                     the defaults, then the dialog
//   keys:      settings_dialog(..., key)         for 'a' 'b' 'u' 'k'
//              (for 'a' and 'b' the robot type is the key)
//
// The dialog writes the problem; the computation stage builds the model
// from it and prepares the curves, the motion at rest and the view.
#pragma once

#include "core/state.h"
#include "planner/prepare.h"

namespace cpt {

// Runs the dialog until a consistent set of settings has passed the checks
// of the computation stage, which then resets the motion. Returns 1.
//
// When the input ends inside the dialog it prints a one-line message and
// returns 0 (settings entered so far stay, the motion is not prepared): the
// programs then end with status 1.
// `entry_key` is the window key that opened it ('a', 'b', 'u', 'k'); any
// other value begins with the start-up questions.
int settings_dialog(Console& con, Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic, int entry_key = '0');

// The start of a run: the start-up defaults (SCARA robot, arc), then the
// dialog, which prepares the first motion. What the dialog returns.
int start_up(Console& con, Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic);

// The key help the dialog begins with: what the window's keys do.
void print_key_help(Console& con);

// The dialog's computation stage for the settings as they stand: the end
// point of the path, the settings summary, the preparation of the motion and
// its outcome on the console (on failure the dialog's reason).
Prepared compute_stage(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic);



}  // namespace cpt
