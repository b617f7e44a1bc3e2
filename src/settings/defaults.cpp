#include "model/kinematics.h"
#include "model/paths.h"
#include "settings/state.h"

void set_defaults(World& w) {
  // Robot and path parameters take the values their declarations give;
  // the picture likewise, with the sizes derived from the hand length.
  w.pic = Picture{};
  Picture& p = w.pic;
  p.grip_w = 1.2 * p.work_len;
  p.rod_len = w.st.L - p.hand_len;
  p.rod_w = p.rod_len / 20;

  Settings& st = w.st;
  st = Settings{};
  p.link1_draw = st.l1;
  p.link2_draw = st.l2 - p.hand_len;
  w.mo.dt = dt0;

  // Start points of the paths; the arc's is derived from its centre.
  st.P0[2] = {-0.4, 0.2};
  st.P0[3] = {0.2, 0.0};
  st.P0[4] = {-0.4, 0.2};
  st.P0[5] = {-0.2, 0.1};
  st.P0[6] = {0.0, 0.2};
  st.P0[7] = {-0.4, 0.1};
  st.sf[1] = PI;
  for (int c = 1; c <= NPATHTYPES; ++c) update_path_derived(st, c);
  st.Pf[1] = {st.arc_Ax - st.arc_R, st.arc_Ay};

  // Start joint values of every path for both robots; all default start
  // points are within reach of both.
  st.fi_ref = {0, 0};
  for (int c = 1; c <= NPATHTYPES; ++c) {
    st.robottype = 'a';
    inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0a[c]);
    st.robottype = 'b';
    inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0b[c]);
  }
}
