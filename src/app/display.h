// Showing the frames of the window: run a key's frame, draw it, swap.
#pragma once

#include <string>

#include "draw/backend.h"
#include "interaction/frame.h"
#include "session/app.h"

namespace cpt {

// One frame of a key: run_frame, then draw it on `out` and show it. The frame that
// completes a trajectory is shown with "Trajectory obtained!" once the
// rebuild has succeeded, before the switching report is printed.
// Returns the view, for redrawing the window later.
FrameView display_frame(Backend& out, App& w);

// The line under the readout of every frame from now on (recording, replay);
// empty: none.
void set_session_line(const std::string& text);

// Shows a view again without running a frame (the window was uncovered,
// resized or mapped, or the dialog has prepared a new motion).
void redraw_frame(Backend& out, const App& w, const FrameView& v);

}  // namespace cpt
