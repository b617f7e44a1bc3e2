// Integration of the phase-plane system y = (s, sd): one Runge-Kutta-Gill
// step, and the run of sub-steps that every motion is made of (construction
// steps, look-ahead and extremal curves, the landing's descent, the rebuild).
#pragma once

#include <vector>

#include "core/state.h"

namespace cpt {

// Largest state size a step can take.
constexpr int RKG_MAXN = 20;

// Advances y at time t by h into yout, evaluating f with the torque choice
// torque_sel. Returns 1, or 0 as soon as one evaluation of f fails (yout may
// then be partly written). acc holds the record of the last evaluation of f:
// at t + h and the third intermediate state.
int rkg(Console& con, const Model& m, RhsState& rs, int torque_sel, double t, double h, const double* y,
        double* yout, AccRecord& acc, int n);

// When a run of sub-steps stops early. A failed sub-step (no solution of f,
// or a state or acceleration that is not finite) always stops it.
// A state of a run of sub-steps: t, s, sd.
using TrailPoint = std::array<double, 3>;

struct StepRule {
  double tol = TOL_STEP;         // joint-limit tolerance of the over-limit test
  bool stop_over_limit = false;  // stop after a sub-step over a limit (else note it, go on)
  bool stop_at_rest = false;     // stop where sd falls to 0, interpolated to sd = 0 exactly
  bool stop_off_path = false;    // stop after a sub-step that leaves 0 <= s <= sf
  // The path's knots (path_knots) when the caller keeps them across runs;
  // otherwise each run finds them.
  const std::vector<double>* knots = nullptr;
  // With it, the state after every sub-step made is appended to it.
  std::vector<TrailPoint>* trail = nullptr;
};

// The outcome of a run of sub-steps.
struct StepRun {
  Vec2 y{};           // state after the last sub-step made
  double t = 0;       // its time
  AccRecord acc;      // record of f of the last sub-step made
  int done = 0;       // sub-steps made (a failed one not counted)
  bool failed = false;
  bool over_limit = false;  // some sub-step broke a joint limit by more than tol
  bool at_rest = false;     // stopped at sd = 0
  bool off_path = false;    // the last sub-step left the path
};

// Up to n sub-steps of rkg of length h (negative: backwards in time) from y
// at time t with the torque choice torque_sel, under `rule`. `acc` is the
// record a run that makes no sub-step reports.
StepRun substeps(Console& con, const Model& m, RhsState& rs, int torque_sel, double t, double h, int n,
                 const Vec2& y, const AccRecord& acc, const StepRule& rule);

// True when the state, going from a to b along the path, passes a knot of
// the path (knots[0..n-1], increasing) with sd there, interpolated linearly
// in s, above the velocity limit on either side of the knot: a limit that
// dips between two sub-steps (a tight bend between two straight parts) is
// broken there although both ends of the sub-step are within it. fi is the
// branch reference of the joint values.
bool over_limit_at_knots(const Model& m, const std::vector<double>& knots, const Vec2& a,
                         const Vec2& b, const Vec2& fi);

// The time into a step of length `step` from a state with rate sd_prev > 0 to
// one with sd <= 0 at which the rate was 0, by linear interpolation (0 when
// sd_prev is not positive).
double rest_time(double sd_prev, double sd, double step);

// The state the time tau into a step of length `step` from a to b, by linear
// interpolation.
Vec2 lerp(const Vec2& a, const Vec2& b, double tau, double step);

}  // namespace cpt
