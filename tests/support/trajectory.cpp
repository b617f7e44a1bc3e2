#include "support/trajectory.h"

#include <cstdio>
#include <cstdlib>

#include "interaction/frame.h"
#include "interaction/keys.h"
#include "planner/crossing.h"
#include "planner/prepare.h"
#include "support/world.h"

namespace cpt {

std::unique_ptr<App> prepared_centred_arc(double R, double angle) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, R, angle);
  if (prepare(*w) != Prepared::Ready) {
    std::fprintf(stderr, "prepared_centred_arc: no boundary for R=%g angle=%g\n", R, angle);
    std::abort();
  }
  return w;
}

int construction_step(App& w) { return construction_step(w.con, w.m, w.d.rhs, w.d.mo, w.d.fr.acc_now) == StepOutcome::Done; }

int press_f(App& w) { return land_at_current_step(w.con, w.m, w.cv, w.d) == Landing::Landed; }

// Robot 'b' on the default arc: the start-up problem and picture.
static void use_default_arc(App& w) { w.pb = default_problem(), w.pic = default_picture(w.pb.robot), w.d.mo.dt = dt0; }

int prepared_default(App& w) { return use_default_arc(w), prepare(w) == Prepared::Ready; }

int landed_trajectory(App& w) {
  if (prepare(w) != Prepared::Ready) return 0;
  Motion& mo = w.d.mo;
  for (int n = 0; n < NSTEP; ++n) {
    if (!construction_step(w)) return 0;
    Vec2 X;
    int ia, ib;
    double ra, rb;
    if (first_crossing(1, &mo.Y[mo.istep - 1], w.cv.n_curve_end, w.cv.curve_end.data(), X, ia, ib, ra, rb))
      return construction_step(w) && press_f(w);  // one step "a little past", then 'f'
  }
  return 0;
}

int default_landed_trajectory(App& w) { return use_default_arc(w), landed_trajectory(w); }

}  // namespace cpt
