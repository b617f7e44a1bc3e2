#include "plots/time_graphs.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/units.h"
#include "draw/primitives.h"
#include "draw/texts.h"
#include "planner/calcp.h"

namespace cpt {

namespace {

// Widths [picture units] of the axes and of the curves.
constexpr double kAxisWidth = 0.006;
constexpr double kCurveWidth = 0.008;
// Height of a second tick.
constexpr double kTickLen = 0.02;
// Height of the displacement graph.
constexpr double kDispH = 0.4;
// Slack for a whole number of ticks that T / (time between ticks) misses by rounding.
constexpr double kWholeTickSlack = 1e-9;
// No more ticks than this (real motions last some tens of seconds at most).
constexpr int kMaxTicks = 1000;
// Times between the ticks of a motion shorter than a second [s]: the longest
// that gives two ticks.
constexpr double kShortTicks[] = {0.5, 0.2, 0.1, 0.05, 0.02, 0.01};
// The torque limits' lines: apart from both torque curves (red and black),
// so that a torque running along its limit shows on it.
constexpr Colour kLimitLine = colour::blue;
// A real robot's effort parts behind each effort: the inertial part in a
// light orange, the friction in a light green.
constexpr Colour kPartInertia{1.0f, 0.7f, 0.4f, 0};
constexpr Colour kPartFriction{0.4f, 0.8f, 0.4f, 0};

// Scale of the time axis [picture units per second]; 0 when the motion time
// is not positive, and nothing can be placed along the axis.
double time_scale(const Motion& mo, double w) {
  const double T = motion_time(mo);
  return (std::isfinite(T) && T > 0) ? w / T : 0;
}

// Last step to draw: min(j, nf), kept inside the step table.
int last_step(const Motion& mo, int j) { return std::clamp(std::min(j, mo.nf), 0, NTAB - 1); }

// Ticks every second, or for a motion shorter than that every 0.5, 0.2,
// 0.1, 0.05 ... s (at least two of them), and the label of the last one in
// seconds: "1s", "0.8s".
void time_ticks(Backend& out, const Motion& mo, const Vec2& O, double w) {
  const Colour red = colour::red;
  const double T = motion_time(mo), dx = time_scale(mo, w);
  double every = 1;
  if (T < 1) {
    for (const double e : kShortTicks) {
      every = e;
      if (T >= 2 * e) break;
    }
  }
  int n = 0;
  if (dx > 0) n = static_cast<int>(std::min(T / every + kWholeTickSlack, double(kMaxTicks)));
  for (int i = 1; i <= n; ++i) {
    const double x = O[0] + i * every * dx;
    draw_line(out, {x, O[1]}, {x, O[1] + kTickLen}, red);
  }
  // The number ends at the last tick, its "s" just after it.
  const double xn = n > 0 ? O[0] + n * every * dx : O[0] + w;
  NumberText label;
  format_value(label, n * every, decimals_for(every));
  const auto len = std::strlen(label);
  std::strncat(label, "s", kNumberTextCap - len - 1);
  const double x = xn - 0.02 * static_cast<double>(len);
  draw_text(out, static_cast<float>(x), static_cast<float>(O[1] + 0.01), Font::HELVETICA_18, label);
}

// One torque graph: axes, labels, limit lines and the curve of one joint.
struct TorqueGraph {
  Vec2 O;
  double h, limit;
  int joint;
  const char *title, *unit, *limit_label;
  Colour colour;
  bool parts;  // also each effort's inertial and friction parts (a real robot's)
};

// A thin curve of one part of the efforts up to step m.
void plot_part(Backend& out, const Motion& mo, const Vec2& O, double kx, double ky, int m,
               const std::array<double, 2> AccRecord::*part, int joint, const Colour& c) {
  Vec2 P{O[0], O[1] + (mo.A[0].*part)[joint] * ky};
  for (int i = 1; i <= m; ++i) {
    const Vec2 Q{O[0] + kx * mo.tt[i], O[1] + (mo.A[i].*part)[joint] * ky};
    draw_line(out, P, Q, c);
    P = Q;
  }
}

void plot_torque_graph(Backend& out, const Picture& pic, const Motion& mo, const TorqueGraph& g, int j) {
  const Vec2& O = g.O;
  const double w = pic.graph_w;
  draw_axes(out, mo, 1, O, g.h + 0.05, w);
  // Labels.
  const auto fx = [](double v) { return static_cast<float>(v); };
  draw_text(out, fx(O[0] + 0.1), fx(O[1] - 0.05), Font::HELVETICA_18, g.title);
  draw_text(out, fx(O[0] - 0.05), fx(O[1] - 0.02), Font::HELVETICA_18, "0");
  draw_text(out, fx(O[0] - 0.1), fx(O[1] + g.h - 0.05), Font::HELVETICA_18, g.unit);
  draw_text(out, fx(O[0]), fx(O[1] + g.h + 0.01), Font::HELVETICA_12, g.limit_label);
  // Limit lines at +-h.
  draw_line(out, {O[0], O[1] + g.h}, {O[0] + w, O[1] + g.h}, kLimitLine);
  draw_line(out, {O[0], O[1] - g.h}, {O[0] + w, O[1] - g.h}, kLimitLine);
  // Curve up to step j; a zero limit leaves every value on the axis.
  const double kx = time_scale(mo, w);
  if (kx <= 0) return;
  const double ky = g.limit > 0 ? g.h / g.limit : 0;
  // At the end of the motion, at rest, the curve comes back to the time axis.
  const int m = last_step(mo, j);
  if (g.parts) {
    // Lighter, behind the effort: its inertial part (M q' sdd) and its friction.
    draw_text(out, fx(O[0] + 0.1), fx(O[1] - 0.09), Font::HELVETICA_12, "inertia / friction");
    plot_part(out, mo, O, kx, ky, m, &AccRecord::inertial, g.joint, kPartInertia);
    plot_part(out, mo, O, kx, ky, m, &AccRecord::friction, g.joint, kPartFriction);
  }
  Vec2 P{O[0], O[1] + shown_acc(mo, 0)[g.joint] * ky};
  for (int i = 1; i <= m; ++i) {
    const Vec2 Q{O[0] + kx * mo.tt[i], O[1] + shown_acc(mo, i)[g.joint] * ky};
    draw_thick_line(out, P, Q, kCurveWidth, g.colour);
    P = Q;
  }
}

}  // namespace

void draw_axes(Backend& out, const Motion& mo, int mode, const Vec2& O, double h, double w) {
  const Colour red = colour::red;
  draw_thick_line(out, O, {O[0] + w, O[1]}, kAxisWidth, red);
  time_ticks(out, mo, O, w);
  const double bottom = mode == 0 ? O[1] : O[1] - h;
  draw_thick_line(out, {O[0], bottom}, {O[0], O[1] + h}, kAxisWidth, red);
  // Switching lines; the last one lies at the right end.
  if (mo.NCT < 1 || mo.NCT >= NREC) return;
  const double Tsw = mo.tsw[mo.NCT].t;
  if (!(std::isfinite(Tsw) && Tsw > 0)) return;
  for (int i = 1; i <= mo.NCT; ++i) {
    const double x = O[0] + w * mo.tsw[i].t / Tsw;
    draw_line(out, {x, bottom}, {x, O[1] + h}, colour::green);
  }
}

Vec2 fi_range(const Motion& mo) {
  double hi = -1000, lo = 1000;
  for (int k = 0; k < NSTEP; ++k) {
    for (double v : mo.fi[k]) {
      hi = std::max(hi, v);
      lo = std::min(lo, v);
    }
  }
  return {hi, lo};
}

void plot_joint_displacement(Backend& out, const Picture& pic, const Model& m, const Motion& mo, int j) {
  const Vec2 O{pic.graph_x0, pic.graph_y0};
  const double w = pic.graph_w;
  const auto fx = [](double v) { return static_cast<float>(v); };
  draw_axes(out, mo, 0, O, kDispH + 0.05, w);
  draw_text(out, fx(O[0] + 0.1), fx(O[1] - 0.05), Font::HELVETICA_18, "joint displacement");
  const char* unit = m.pb.robot.kind == Robot::Cylindrical ? "fi[rad],r[m]" : m.pb.robot.kind == Robot::Scara ? "fi1,2[rad]" : "";
  draw_text(out, fx(O[0] - 0.1), fx(O[1] + kDispH - 0.05), Font::HELVETICA_18, unit);
  // Vertical scale over the whole range; equal values lie on the middle line.
  const Vec2 r = fi_range(mo);
  const double hi = r[0], lo = r[1];
  const bool flat = !(hi > lo);
  const double ky = flat ? 0 : kDispH / (hi - lo);
  const auto y_of = [&](double v) { return flat ? O[1] + kDispH / 2 : O[1] + (v - lo) * ky; };
  // Goal lines at the end values.
  const int nf = std::clamp(mo.nf, 0, NTAB - 1);
  for (int q = 0; q < 2; ++q) {
    const double yq = y_of(mo.fi[nf][q]);
    draw_line(out, {O[0], yq}, {O[0] + w, yq}, colour::red);
    draw_text(out, fx(O[0] + 0.2), fx(yq + 0.01), Font::HELVETICA_12, q == 0 ? "goal1" : "goal2");
  }
  // Curves up to step j: joint 1 red, joint 2 black.
  const double kx = time_scale(mo, w);
  if (kx <= 0) return;
  const int last = last_step(mo, j);
  for (int q = 0; q < 2; ++q) {
    const Colour c = q == 0 ? colour::red : colour::black;
    Vec2 P{O[0], y_of(mo.fi[0][q])};
    for (int i = 1; i <= last; ++i) {
      const Vec2 Q{O[0] + kx * mo.tt[i], y_of(mo.fi[i][q])};
      draw_thick_line(out, P, Q, kCurveWidth, c);
      P = Q;
    }
  }
}

void plot_joint_torque(Backend& out, const Picture& pic, const Model& m, const Motion& mo, int j) {
  const EffortUnit& u1 = effort_unit(m.pb.robot, 0);
  const EffortUnit& u2 = effort_unit(m.pb.robot, 1);
  const bool parts = m.pb.robot.dynamics == Dynamics::RigidLinks;
  const TorqueGraph g1{pic.tq1_origin, pic.tq1_h, m.pb.a1max, 0, u1.graph_title, u1.graph_unit, u1.graph_limit,
                       colour::red, parts};
  const TorqueGraph g2{pic.tq2_origin, pic.tq2_h, m.pb.a2max, 1, u2.graph_title, u2.graph_unit, u2.graph_limit,
                       colour::black, parts};
  plot_torque_graph(out, pic, mo, g1, j);
  plot_torque_graph(out, pic, mo, g2, j);
}

}  // namespace cpt
