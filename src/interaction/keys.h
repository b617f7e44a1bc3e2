// The window's keyboard commands, as state changes of the motion and the view.
//
// A key that runs a frame returns KeyAction::Frame; the caller then runs one
// frame (run_frame) and shows it. 'a', 'b', 'u' and 'k' return
// KeyAction::Dialog: the caller then runs the console dialog with that key.
#pragma once

#include "core/state.h"
#include "planner/construction.h"
#include "planner/landing.h"

namespace cpt {

enum class KeyAction {
  Ignored,  // a key without a command
  Frame,    // run one frame
  Dialog,   // run the console dialog; then the window shows the new motion
  Quit,     // ESC: the program ends with status 0
  Picture,  // 'p': the frame on the screen is written as an SVG file; nothing moves
};

KeyAction press_key(Console& con, const Model& m, const Curves& cv, Data& d, Picture& pic, unsigned char key);

// The landing of 'f' at the current step: land_final up to it. When landed,
// walking begins at the landing step; otherwise the motion is unchanged.
Landing land_at_current_step(Console& con, const Model& m, const Curves& cv, Data& d);

}  // namespace cpt
