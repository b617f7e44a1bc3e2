// The automatic time-optimal motion along the current path: from rest at
// s = 0 to rest at s = sf under exactly the model of f (the joint
// accelerations D[i][0] sdd + D[i][1] sd^2 of calD, |a_i| <= a_imax, the
// branch followed from the path's start joint values), computed in the phase
// plane by phase_profile. It stands beside the hand-built motion: what the
// user builds by keys can be compared with it.
#pragma once

#include <string>
#include <vector>

#include "planner/phase_profile.h"
#include "core/state.h"

namespace cpt {

// A point of the optimal profile.
struct OptimumPoint {
  double t = 0, s = 0, sd = 0;
};

// A stretch of the motion with one choice.
struct OptimumPiece {
  double t0 = 0, t1 = 0, s0 = 0, s1 = 0;
  Choice choice = Choice::Accel;
};

// A switch from one piece's choice to the next one's.
struct OptimumSwitch {
  double t = 0, s = 0, sd = 0;
  Choice from = Choice::Accel, to = Choice::Decel;
};

// The motion at one instant of the time grid.
struct OptimumSample {
  double t = 0, s = 0, sd = 0, sdd = 0;
  Vec2 hand{};                  // hand point (x, y) [m]
  Vec2 fi{};                    // joint values
  std::array<double, 2> acc{};  // joint accelerations (zero at rest at the end)
};

struct Optimum {
  bool ok = false;
  std::string reason;  // one line when there is no feasible motion
  double T = 0;        // the optimal time T* [s]
  std::vector<OptimumPoint> profile;    // sd(s), in order of s, from (0, 0) to (sf, 0)
  std::vector<OptimumPiece> pieces;
  std::vector<OptimumSwitch> switches;
  std::vector<OptimumSample> motion;   // t = 0, dt0, 2 dt0, ..., and T at rest at sf
  std::vector<ProfilePart> parts;      // the profile itself, for s at any time
  int evaluations = 0;                 // model evaluations: the profile's, its checks' and the time grid's
  double limit_use = 0;                // the largest use of a limit along it (1: on the limit)
};

// The path parameter s of the optimal motion at time t (0 <= t <= T).
double optimum_s_at(const Optimum& o, double t);

// Short names of the choices: "acc", "dec", "limit".
const char* choice_name(Choice c);

// The phase-plane problem of the current robot, path and limits: the model
// sampled through calD without console output. The settings must outlive it.
// `evaluations`, when given, grows by the model evaluations it took (the
// search for the joints' reversals).
ProfileProblem optimum_problem(const Model& m, int* evaluations = nullptr);

// The optimum for the current robot, path and limits; `pb`, when given, is
// the problem to solve instead of optimum_problem(m) (a finer grid).
Optimum compute_optimum(const Model& m, const ProfileProblem* pb = nullptr);

}  // namespace cpt
