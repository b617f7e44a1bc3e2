// One Runge-Kutta-Gill step of the phase-plane system y = (s, sd).
#pragma once

#include "core/state.h"

namespace cpt {

// Largest state size a step can take.
constexpr int RKG_MAXN = 20;

// Advances y at time t by h into yout, evaluating f with the torque choice
// torque_sel. Returns 1, or 0 as soon as one evaluation of f fails (yout may
// then be partly written). acc holds the record of the last evaluation of f:
// at t + h and the third intermediate state.
int rkg(const Settings& st, RhsState& rs, int torque_sel, double t, double h, const double* y,
        double* yout, AccRecord& acc, int n);

}  // namespace cpt
