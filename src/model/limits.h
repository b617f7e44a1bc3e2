// The joint limits: the test of a step's joint accelerations, and the events
// between two successive steps (a joint reaching, leaving or jumping between
// its limits) that the switching report lists and the replay marks.
#pragma once

#include <array>

#include "core/state.h"

namespace cpt {

// True when a joint acceleration of `acc` is over its limit by more than tol
// (a non-finite one counts as over).
bool over_limit(const Model& m, const AccRecord& acc, double tol);

// What the joint accelerations do from one step (prev) to the next (cur).
// A joint is at its limit within TOL_SWITCH_ON and away from it beyond TOL_SWITCH_AWAY.
struct LimitEvents {
  std::array<bool, 2> reach{};   // away before, at the limit now
  std::array<bool, 2> leave{};   // at the limit before, away now
  std::array<bool, 2> jump{};    // from one limit to the other: prev * cur near -amax^2
};
LimitEvents limit_events(const Model& m, const std::array<double, 2>& prev,
                         const std::array<double, 2>& cur);

}  // namespace cpt
