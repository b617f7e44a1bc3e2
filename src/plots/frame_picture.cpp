#include "plots/frame_picture.h"

#include "draw/colour.h"
#include "draw/primitives.h"
#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "plots/phase_plane.h"
#include "plots/time_graphs.h"

namespace cpt {

namespace {

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
  draw_picture_grid(w.pic);
  if (v.mode == FrameMode::Replay) {
    draw_replay(w, v);
  } else {
    draw_construction(w, v);
  }
  if (v.step_failed) draw_message(kMsgStepFailed);
  if (v.obtained) draw_message(kMsgObtained);
  if (v.notice) draw_notice(v.notice);
}

}  // namespace cpt
