// Drawing one frame of the window from the state that run_frame left and the
// view it returned.
#pragma once

#include "app/logic/frame_state.h"
#include "settings/state.h"

// Draws the whole frame into the back buffer (no swap).
void draw_frame(const World& w, const FrameView& v);

// One window frame: run_frame, then draw and show it. The frame that
// completes a trajectory is shown before the rebuild and again after it.
void display_frame(World& w);
