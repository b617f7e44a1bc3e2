// The whole picture of one frame, from the state that run_frame left and the
// view it returned: title, information panel, grid, then the phase plane of
// the construction or walking, or the replay with the robot and the graphs,
// and the frame's messages last, drawn on the backend given.
#pragma once

#include "core/state.h"
#include "draw/backend.h"
#include "interaction/frame.h"

namespace cpt {

void draw_frame(Backend& out, const Model& m, const Curves& cv, const Data& d, const Picture& pic,
                const FrameView& v);

}  // namespace cpt
