#include "plots/frame_picture.h"

#include <algorithm>

#include "draw/colour.h"
#include "draw/primitives.h"
#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "planner/records.h"
#include "plots/phase_plane.h"
#include "plots/time_graphs.h"

namespace cpt {

namespace {

// Times of a step and a switching record closer than this are the same.
constexpr double kSameTime = 1e-9;

// The state the frame shows. While the trajectory is built (also at rest,
// when the frame is drawn as a walking one): the current step, with the
// torque choice (or the ceiling followed) and the length of the next step.
// Walking the landed trajectory and replay: step n, with the drive of its
// part from the switching records (a step at a switching: the drive after
// it) and the length of the step that reached it.
StateReadout state_readout(const World& w, const FrameView& v) {
  const Motion& mo = w.mo;
  const int n = std::clamp(v.n, 0, NTAB - 1);
  StateReadout r;
  r.s = mo.Y[n][0];
  r.sd = mo.Y[n][1];
  r.below = velocity_limit_at(w.cv, r.s) - r.sd;
  if (mo.traj_state != TrajState::Obtained && mo.final_state != FinalState::Walking) {
    r.t = mo.t;
    r.drive = mo.ceiling != SpeedLimit::None ? Drive::Ceiling : mo.torque_sel < 0 ? Drive::Decel : Drive::Accel;
    r.limit = mo.ceiling;
    r.dt = mo.dt;
    return r;
  }
  r.t = mo.tt[n];
  r.dt = n > 0 ? mo.tt[n] - mo.tt[n - 1] : mo.tt[1] - mo.tt[0];
  // The last record at or before t, the end record excluded.
  const int end = std::clamp(mo.NCHN, 0, NREC - 1);
  int i = 0;
  while (i + 1 < end && mo.chn[i + 1].t <= r.t + kSameTime) ++i;
  r.drive = drive_after(mo, i);
  for (int j = i; r.drive == Drive::Ceiling && j > 0; --j) {
    if (mo.chn[j].drive == Drive::Ceiling) {
      r.limit = mo.chn[j].limit;
      break;
    }
  }
  return r;
}

// The automatic optimum's profile, in green, while shown: over the prepared
// curves (it runs along them where it follows them) and under the hand-built ones.
void draw_optimum_curve(const World& w) {
  if (w.opt.shown && w.opt.ok) plot_curve(w.pic, w.mo, w.opt.n, w.opt.profile.data(), colour::green);
}

// The phase plane while the trajectory is built or walked.
void draw_construction(const World& w, const FrameView& v) {
  const Picture& pic = w.pic;
  const Motion& mo = w.mo;
  plot_curve(pic, mo, w.cv.n_curve_start, w.cv.curve_start.data(), colour::blue);
  plot_curve(pic, mo, w.cv.n_curve_end, w.cv.curve_end.data(), colour::blue);
  plot_boundary(pic, mo, w.cv, colour::black);
  draw_optimum_curve(w);
  plot_trajectory(pic, mo, v.n, mo.Y.data(), colour::red);
  if (v.look_ahead) {
    plot_curve(pic, mo, w.fr.n_keep, w.fr.look_keep.data(), colour::blue);
    plot_curve(pic, mo, w.fr.n_switch, w.fr.look_switch.data(), colour::yellow);
  }
}

// The replay: phase plane, robot, the trails of both motions, the joint-limit
// markers and the time graphs.
void draw_replay(const World& w, const FrameView& v) {
  const Settings& st = w.st;
  const Picture& pic = w.pic;
  const Motion& mo = w.mo;
  const int j = v.n;
  const int i = v.reference;
  draw_optimum_curve(w);
  plot_trajectory(pic, mo, j, mo.Y.data(), colour::red);
  plot_boundary(pic, mo, w.cv, colour::black);
  if (st.robottype == Robot::Cylindrical) draw_cylindrical_robot(pic, mo.fi[j], colour::red);
  if (st.robottype == Robot::Scara) draw_scara_robot(pic, mo.fi[j], colour::red);

  const auto hand = [](const HandRecord& r) { return Vec2{r.x, r.y}; };
  path_dot(pic, hand(mo.CP[mo.nf]), 0.008 * pic.zoom, colour::blue);
  for (int k = 0; k <= j; ++k) path_dot(pic, hand(mo.CP[k]), 0.008 * pic.zoom, colour::red);
  path_dot(pic, mo.CPn[i], 0.006 * pic.zoom, colour::black);
  for (int k = 0; k <= i; ++k) path_dot(pic, mo.CPn[k], 0.002 * pic.zoom, colour::white);

  for (int k = 1; k <= j; ++k) {
    Vec2 at;
    double radius;
    if (limit_marker(st, pic, mo, k, at, radius)) ring_marker(robot_to_screen(pic, at), radius, colour::blue);
  }
  ring_marker(robot_to_screen(pic, hand(mo.CP[0])), 0.012, colour::blue);
  ring_marker(robot_to_screen(pic, hand(mo.CP[mo.nf])), 0.012, colour::blue);

  // Clear the right-hand part of the window for the graphs.
  fill_rect({pic.graph_x0 - 0.05, -1.0}, 1.0, 2.0, 0, colour::white);
  plot_joint_displacement(pic, st, mo, j);
  plot_joint_torque(pic, st, mo, j);
}

}  // namespace

void draw_frame(const World& w, const FrameView& v) {
  draw_title();
  draw_info_panel(w.st, w.mo);
  draw_optimum_panel(w.mo, w.opt);
  draw_added_keys();
  draw_state_readout(state_readout(w, v));
  draw_picture_grid(w.pic);
  label_axes(w.pic, w.cv, w.st.sf_now());
  if (v.mode == FrameMode::Replay) {
    draw_replay(w, v);
  } else {
    draw_construction(w, v);
  }
  if (v.step_failed) draw_message(v.step_failed);
  // The result stays on screen through the replay.
  if (v.obtained || v.mode == FrameMode::Replay) draw_message(kMsgObtained);
  if (v.notice) draw_notice(v.notice);
}

}  // namespace cpt
