// Time graphs of the replay, right of the robot: the joint displacements and
// the two joint torques (or force), drawn up to the current replay step. All
// three share one time scale: the graph width is the whole motion time,
// chn[NCHN].t.
#pragma once

#include "core/state.h"
#include "draw/backend.h"

namespace cpt {

// Time axis with a tick per second (shorter motions: per 0.5, 0.2, 0.1 ... s)
// and the label of the last one, the vertical axis, and a green line at
// every joint-torque switching.
// mode 0: vertical extent 0..h above O; mode 1: -h..h about O.
void draw_axes(Backend& out, const Motion& mo, int mode, const Vec2& O, double h, double w);
// (hi, lo): the largest and smallest joint value of fi[0..NSTEP-1], both joints.
Vec2 fi_range(const Motion& mo);
// Displacement graph of both joints up to replay step j.
void plot_joint_displacement(Backend& out, const Picture& pic, const Model& m, const Motion& mo, int j);
// Torque graphs of joint 1 and joint 2 up to replay step j; the limits fall
// on the blue lines labelled T1max and T2max (Fmax for robot 'a'). The values are
// those the rebuilt trajectory shows (shown_acc): at rest, zero, at the end.
void plot_joint_torque(Backend& out, const Picture& pic, const Model& m, const Motion& mo, int j);

}  // namespace cpt
