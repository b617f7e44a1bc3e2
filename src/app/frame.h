// The frame cycle: every display of the window draws one complete frame.
#pragma once

#include "settings/state.h"

// Draws the head of a frame (title, information panel, grid) and, while the
// trajectory is being built, the extremal curves and the velocity limit.
void draw_frame_head(World& w);
