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
StateReadout state_readout(const Curves& cv, const Motion& mo, const FrameView& v) {
  const int n = std::clamp(v.n, 0, NTAB - 1);
  StateReadout r;
  r.s = mo.Y[n][0];
  r.sd = mo.Y[n][1];
  r.below = velocity_limit_at(cv, r.s) - r.sd;
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
void draw_optimum_curve(Backend& out, const Data& d, const Picture& pic) {
  if (d.optimum.shown && d.optimum.ok) plot_curve(out, pic, d.mo, d.optimum.n, d.optimum.profile.data(), colour::green);
}

// The phase plane while the trajectory is built or walked.
void draw_construction(Backend& out, const Curves& cv, const Data& d, const Picture& pic, const FrameView& v) {
  const Motion& mo = d.mo;
  plot_curve(out, pic, mo, cv.n_curve_start, cv.curve_start.data(), colour::blue);
  plot_curve(out, pic, mo, cv.n_curve_end, cv.curve_end.data(), colour::blue);
  plot_boundary(out, pic, mo, cv, colour::black);
  draw_optimum_curve(out, d, pic);
  plot_trajectory(out, pic, mo, v.n, mo.Y.data(), colour::red);
  if (v.look_ahead) {
    plot_curve(out, pic, mo, d.fr.n_keep, d.fr.look_keep.data(), colour::blue);
    plot_curve(out, pic, mo, d.fr.n_switch, d.fr.look_switch.data(), colour::yellow);
  }
}

// The replay: phase plane, robot, the trails of both motions, the joint-limit
// markers and the time graphs.
void draw_replay(Backend& out, const Model& m, const Curves& cv, const Data& d, const Picture& pic,
                 const FrameView& v) {
  const Motion& mo = d.mo;
  const int j = v.n;
  const int i = v.reference;
  draw_optimum_curve(out, d, pic);
  plot_trajectory(out, pic, mo, j, mo.Y.data(), colour::red);
  plot_boundary(out, pic, mo, cv, colour::black);
  if (m.pb.robot.kind == Robot::Cylindrical) draw_cylindrical_robot(out, pic, mo.fi[j], colour::red);
  if (m.pb.robot.kind == Robot::Scara) draw_scara_robot(out, pic, mo.fi[j], colour::red);

  const auto hand = [](const HandRecord& r) { return Vec2{r.x, r.y}; };
  path_dot(out, pic, hand(mo.CP[mo.nf]), 0.008 * pic.zoom, colour::blue);
  for (int k = 0; k <= j; ++k) path_dot(out, pic, hand(mo.CP[k]), 0.008 * pic.zoom, colour::red);
  path_dot(out, pic, mo.CPn[i], 0.006 * pic.zoom, colour::black);
  for (int k = 0; k <= i; ++k) path_dot(out, pic, mo.CPn[k], 0.002 * pic.zoom, colour::white);

  for (int k = 1; k <= j; ++k) {
    Vec2 at;
    double radius;
    if (limit_marker(m, pic, mo, k, at, radius)) ring_marker(out, robot_to_screen(pic, at), radius, colour::blue);
  }
  ring_marker(out, robot_to_screen(pic, hand(mo.CP[0])), 0.012, colour::blue);
  ring_marker(out, robot_to_screen(pic, hand(mo.CP[mo.nf])), 0.012, colour::blue);

  // Clear the right-hand part of the window for the graphs.
  fill_rect(out, {pic.graph_x0 - 0.05, -1.0}, 1.0, 2.0, 0, colour::white);
  plot_joint_displacement(out, pic, m, mo, j);
  plot_joint_torque(out, pic, m, mo, j);
}

}  // namespace

void draw_frame(Backend& out, const Model& m, const Curves& cv, const Data& d, const Picture& pic,
                const FrameView& v) {
  draw_title(out);
  draw_info_panel(out, m, d.mo);
  draw_optimum_panel(out, d.mo, d.optimum);
  draw_added_keys(out);
  draw_state_readout(out, state_readout(cv, d.mo, v));
  draw_picture_grid(out, pic);
  label_axes(out, pic, cv, m.sf);
  if (v.mode == FrameMode::Replay) {
    draw_replay(out, m, cv, d, pic, v);
  } else {
    draw_construction(out, cv, d, pic, v);
  }
  if (v.step_failed) draw_message(out, v.step_failed);
  // The result stays on screen through the replay.
  if (v.obtained || v.mode == FrameMode::Replay) draw_message(out, kMsgObtained);
  if (v.notice) draw_notice(out, v.notice);
}

}  // namespace cpt
