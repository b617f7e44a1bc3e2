// The block of the CP path section for each path type: old values, prompt,
// the new values read, the derived values recomputed, the new values shown.
#pragma once

#include "core/state.h"

namespace cpt {

// Runs the block of pb.cptype (1..7; 8, the waypoint path, is kept as it is
// and only shown). False at end of input, the type's parameters then unchanged.
bool path_block(Console& con, Problem& pb);

}  // namespace cpt
