#include "draw/robot.h"

#include <cmath>

#include "draw/primitives.h"
#include "draw/view.h"

namespace cpt {

namespace {

// Fingers run this far outside the workpiece on each side [m].
constexpr double kFingerGap = 0.007;
// Finger and finger-bar width [picture units]: 4 pixels.
constexpr double kFingerWidth = 0.01;
// A link body starts this far behind its joint centre [m].
constexpr double kLinkBehind = 0.005;
// Extra drawn length of link 1 and link 2 [m].
constexpr double kLink1Extra = 0.01;
constexpr double kLink2Extra = 0.005;
// Inner joint mark, as a fraction of the joint radius.
constexpr double kInnerJoint = 0.7;
// Radius of the tool-centre dot [m].
constexpr double kTipDot = 0.005;

// A screen point plus a zoomed offset a * along + b * right, where
// along = (c, s) and right = (s, -c).
struct Axis {
  double c, s, zoom;
  Vec2 at(const Vec2& p, double a, double b) const {
    return {p[0] + zoom * (a * c + b * s), p[1] + zoom * (a * s - b * c)};
  }
};

Axis axis_of(const Picture& pic, double angle) { return {std::cos(angle), std::sin(angle), pic.zoom}; }

// A white body with an outline in the robot colour.
void body(Backend& out, const Vec2& corner, double length, double width, double angle, const Colour& colour) {
  fill_rect(out, corner, length, width, angle, colour::white);
  frame_rect(out, corner, length, width, angle, colour);
}

}  // namespace

void draw_hand(Backend& out, const Picture& pic, const Vec2& tip, double angle, const Colour& colour) {
  const Axis ax = axis_of(pic, angle);
  const double z = pic.zoom;
  const double e = kFingerGap;
  const Vec2 H = world_to_screen(pic, tip);
  // Palm at the wrist.
  const Vec2 W = ax.at(H, -pic.hand_len, 0);
  body(out, ax.at(W, 0, pic.palm_w / 2), z * pic.palm_len, z * pic.palm_w, angle, colour);
  // Finger bar across the front of the palm.
  const Vec2 P1 = ax.at(W, pic.palm_len, 0);
  const Vec2 F1 = ax.at(P1, 0, pic.grip_w / 2 + e);
  const Vec2 F2 = ax.at(P1, 0, -(pic.grip_w / 2 + e));
  draw_thick_line(out, F1, F2, kFingerWidth, colour);
  // Two fingers along the hand axis, reaching just past the tip.
  const double finger = pic.hand_len - pic.palm_len + e;
  for (const Vec2& F : {F1, F2}) {
    const Vec2 start = ax.at(F, -e / 2, 0);
    draw_thick_line(out, start, ax.at(start, finger, 0), kFingerWidth, colour);
  }
  // Workpiece centred on the tip, between the fingers.
  body(out, ax.at(H, -pic.work_len / 2, pic.grip_w / 2), z * pic.work_len, z * pic.grip_w, angle, colour);
  // Tool centre point, always red.
  fill_disc(out, H, z * kTipDot, colour::red);
}

void draw_link(Backend& out, const Picture& pic, int kind, const Vec2& start, double length,
               double width, double angle, const Colour& colour) {
  const Axis ax = axis_of(pic, angle);
  const double z = pic.zoom;
  const Vec2 S = world_to_screen(pic, start);
  const double jr = kind == 1 ? pic.joint_r1 : pic.joint_r2;
  const double ext = kind == 1 ? kLink1Extra : kLink2Extra;
  // Body centred on the axis, from just behind the joint.
  body(out, ax.at(S, -kLinkBehind, width / 2), (length + ext) * z, width * z, angle, colour);
  // Joint: a ring over a white disc, then a solid centre (link 1) or an inner ring (link 2).
  fill_disc(out, S, z * pic.joint_r1, colour::white);
  ring_marker(out, S, z * pic.joint_r1, colour);
  if (kind == 1) {
    fill_disc(out, S, kInnerJoint * z * jr, colour);
  } else {
    ring_marker(out, S, kInnerJoint * z * jr, colour);
  }
}

void draw_scara_robot(Backend& out, const Picture& pic, const Vec2& q, const Colour& colour) {
  const double phi1 = q[0];
  const double a = q[0] + q[1];
  draw_link(out, pic, 1, pic.base, pic.link1_draw, pic.link1_w, phi1, colour);
  // Elbow and tip in world coordinates.
  const Vec2 E{pic.base[0] + pic.link1_draw * std::cos(phi1), pic.base[1] + pic.link1_draw * std::sin(phi1)};
  const double reach = pic.link2_draw + pic.hand_len;
  const Vec2 T{E[0] + reach * std::cos(a), E[1] + reach * std::sin(a)};
  draw_hand(out, pic, T, a, colour);
  // Link 2 after the hand, so that its body ends on the wrist.
  draw_link(out, pic, 2, E, pic.link2_draw, pic.link2_w, a, colour);
}

void draw_cylindrical_robot(Backend& out, const Picture& pic, const Vec2& q, const Colour& colour) {
  const double phi = q[0];
  const double r = q[1];
  const Axis ax = axis_of(pic, phi);
  const double z = pic.zoom;
  const Vec2 B = world_to_screen(pic, pic.base);
  // Sliding bar, its front end at the wrist.
  body(out, ax.at(B, r - pic.rod_len - pic.hand_len, pic.rod_w / 2), z * pic.rod_len, z * pic.rod_w, phi,
       colour);
  // Base block centred on the base joint, turning with the arm.
  body(out, ax.at(B, -pic.block_len / 2, pic.block_w / 2), z * pic.block_len, z * pic.block_w, phi, colour);
  // Base joint.
  ring_marker(out, B, z * pic.joint_r1, colour);
  fill_disc(out, B, kInnerJoint * z * pic.joint_r1, colour);
  // Hand at the tip.
  const Vec2 T{pic.base[0] + r * std::cos(phi), pic.base[1] + r * std::sin(phi)};
  draw_hand(out, pic, T, phi, colour);
}

}  // namespace cpt
