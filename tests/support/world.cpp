#include "support/world.h"

#include "model/kinematics.h"
#include "model/paths.h"

std::unique_ptr<World> default_world(char robottype, int cptype) {
  auto w = std::make_unique<World>();
  set_defaults(*w);
  w->st.robottype = robottype;
  w->st.cptype = cptype;
  return w;
}

void use_centred_arc(World& w, double R, double angle) {
  Settings& st = w.st;
  st.cptype = 1;
  st.arc_Ax = 0;
  st.arc_Ay = 0;
  st.arc_R = R;
  st.sf[1] = angle;
  update_path_derived(st, 1);
  cpcurve(st, angle, st.Pf[1]);
  inv(st, st.P0[1][0], st.P0[1][1], st.fi_ref, st.fi0());
}
