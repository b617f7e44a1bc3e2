#include "support/trajectory.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/logic/frame_state.h"
#include "app/logic/keys.h"
#include "model/boundary.h"
#include "model/coeffs.h"
#include "model/rhs.h"
#include "planner/crossing.h"
#include "planner/curves.h"
#include "support/world.h"

namespace {

int prepare_motion(World& w) {
  calDmax(w.st, w.cv);
  extremal_curves(w.st, w.rhs, w.mo, w.cv);
  if (!calboundary(w.st, w.cv)) return 0;
  Motion& mo = w.mo;
  mo.istep = mo.nf = mo.NCHN = 0;
  mo.t = mo.tt[0] = 0;
  mo.dt = dt0;
  mo.torque_sel = +1;
  mo.traj_state = mo.final_state = '0';
  mo.Y[0] = {0, 0};
  mo.A[0] = AccRecord{};
  mo.chn[0] = SwitchRecord{};
  mo.chn_step[0] = 0;
  return 1;
}

}  // namespace

std::unique_ptr<World> prepared_centred_arc(double R, double angle) {
  auto w = default_world('a');
  use_centred_arc(*w, R, angle);
  if (!prepare_motion(*w)) {
    std::fprintf(stderr, "prepared_centred_arc: no boundary for R=%g angle=%g\n", R, angle);
    std::abort();
  }
  return w;
}

int construction_step(World& w) { return construction_step(w.st, w.rhs, w.mo, w.fr.acc_now); }

int press_f(World& w) { return land_at_current_step(w); }

int prepared_default(World& w) {
  set_defaults(w);
  w.st.robottype = 'b';
  w.st.cptype = 1;
  return prepare_motion(w);
}

int default_landed_trajectory(World& w) {
  if (!prepared_default(w)) return 0;
  Motion& mo = w.mo;
  for (int n = 0; n < NSTEP; ++n) {
    if (!construction_step(w)) return 0;
    Vec2 X;
    int ia, ib;
    double ra, rb;
    if (first_crossing(1, &mo.Y[mo.istep - 1], w.cv.n_curve_end, w.cv.curve_end.data(), X, ia, ib,
                       ra, rb)) {
      return construction_step(w) && press_f(w);  // one step "a little past", then 'f'
    }
  }
  return 0;
}
