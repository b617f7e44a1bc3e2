// Drawing one frame of the window from the state that run_frame left and the
// view it returned.
#pragma once

#include "app/logic/frame_state.h"
#include "settings/state.h"

// Draws the whole frame into the back buffer (no swap).
void draw_frame(const World& w, const FrameView& v);

// One frame of a key: run_frame, then draw and show it. The frame that
// completes a trajectory is shown before the rebuild and again after it.
// Returns the view, for redrawing the window later.
FrameView display_frame(World& w);

// Shows a view again without running a frame (the window was uncovered,
// resized or mapped, or the dialog has prepared a new motion).
void redraw_frame(const World& w, const FrameView& v);
