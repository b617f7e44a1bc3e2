#include "model/paths.h"

#include <cmath>

namespace cpt {

namespace {

// Number of half-circle pairs that the slalom's pieces cover, so that
// 0 <= s < (2M + 2) PI contains the whole path 0 <= s <= sl_N PI.
int slalom_pairs(int sl_N) { return static_cast<int>((sl_N + 1 + 0.001) / 2); }

// Pair index i and half (0 upper, 1 lower) of the slalom piece that holds s,
// or false when s lies outside the pieces. Found by division, so that the
// cost does not grow with the number of half circles.
bool slalom_piece(const Settings& st, double s, int& i, int& lower) {
  const int M = slalom_pairs(st.sl_N);
  // Also false for NaN, and before the division for any s too large for an int.
  if (!(s >= 0 && s < (2 * M + 2) * PI)) return false;
  for (int k = static_cast<int>(s / (2 * PI)) - 1; k <= M; ++k) {
    if (k < 0) continue;
    if (2 * k * PI <= s && s < (2 * k + 1) * PI) { i = k; lower = 0; return true; }
    if ((2 * k + 1) * PI <= s && s < (2 * k + 2) * PI) { i = k; lower = 1; return true; }
    if (s < 2 * k * PI) break;
  }
  return false;
}

}  // namespace

void cpcurve(const Settings& st, double s, Vec2& CP) {
  const PathType c = st.cptype;
  const double x0 = st.P0[c][0], y0 = st.P0[c][1];
  switch (c) {
    case PathType::Arc:  // arc about A, s the angle
      CP = {st.arc_Ax + st.arc_R * std::cos(s), st.arc_Ay + st.arc_R * std::sin(s)};
      break;
    case PathType::Sine:  // sine wave, s the advance in x
      CP = {x0 + s, y0 + st.sinA * std::sin(st.sin_k * s)};
      break;
    case PathType::UShape: {  // U-shape: up, clockwise half circle over the top, down
      const double sf = st.sf[PathType::UShape];
      if (s < 0) {
        CP = {x0, y0};
      } else if (s < st.u_L) {
        CP = {x0, y0 + s};
      } else if (s < st.u_L + st.u_arc) {
        const double th = (s - st.u_L) / st.u_R;
        CP = {x0 + st.u_R * (1 - std::cos(th)), y0 + st.u_L + st.u_R * std::sin(th)};
      } else if (s < sf) {
        CP = {x0 + 2 * st.u_R, y0 + sf - s};
      } else {
        CP = {x0 + 2 * st.u_R, y0};
      }
      break;
    }
    case PathType::Slalom: {  // slalom: half circles alternately above and below y0
      int i = 0, lower = 0;
      if (!slalom_piece(st, s, i, lower)) {
        CP = {x0, y0};  // below s = 0 (and past the pieces) the start point
      } else if (!lower) {
        CP = {x0 + st.sl_R * (4 * i + 1 - std::cos(s)), y0 + st.sl_R * std::sin(s)};
      } else {
        const double u = s - PI;
        CP = {x0 + st.sl_R * (4 * i + 3 - std::cos(u)), y0 - st.sl_R * std::sin(u)};
      }
      break;
    }
    case PathType::AccCam: {  // constant-acceleration cam: two parabolas
      double y;
      if (s < 0) {
        y = y0;
      } else if (s < st.cam_L / 2) {
        const double r = s / st.cam_L;
        y = y0 + 2 * st.cam_H * r * r;
      } else if (s <= st.cam_L) {
        const double r = 1 - s / st.cam_L;
        y = y0 + st.cam_H * (1 - 2 * r * r);
      } else {
        y = y0 + st.cam_H;
      }
      CP = {x0 + s, y};
      break;
    }
    case PathType::CycloidCam:  // cycloid cam
      CP = {x0 + s,
            y0 + st.cyc_H * (s / st.cyc_L - std::sin(2 * PI * s / st.cyc_L) * (1 / (2 * PI)))};
      break;
    case PathType::Line:  // straight line
      CP = {x0 + s * st.line_cos, y0 + s * st.line_sin};
      break;
    case PathType::Waypoints:
      CP = {x0, y0};
      break;
  }
}

void cppoint(const Settings& st, double s, Vec2& CP, PathDeriv& d) {
  if (st.cptype == PathType::Arc) {
    const double c = std::cos(s), sn = std::sin(s), R = st.arc_R;
    CP = {st.arc_Ax + R * c, st.arc_Ay + R * sn};
    d = {-R * sn, R * c, -R * c, -R * sn};
    return;
  }
  cpcurve(st, s, CP);
  d = cpderiv(st, s);
}

PathDeriv cpderiv(const Settings& st, double s) {
  PathDeriv d;
  switch (st.cptype) {
    case PathType::Arc:
      d = {-st.arc_R * std::sin(s), st.arc_R * std::cos(s), -st.arc_R * std::cos(s),
           -st.arc_R * std::sin(s)};
      break;
    case PathType::Sine: {
      const double k = st.sin_k;
      d = {1, st.sinA * k * std::cos(k * s), 0, -st.sinA * k * k * std::sin(k * s)};
      break;
    }
    case PathType::UShape:
      // At the joints the straight parts win (same point and tangent).
      if (s <= st.u_L) {
        d = {0, 1, 0, 0};
      } else if (s < st.u_L + st.u_arc) {
        const double th = (s - st.u_L) / st.u_R;
        d = {std::sin(th), std::cos(th), std::cos(th) / st.u_R, -std::sin(th) / st.u_R};
      } else {
        d = {0, -1, 0, 0};
      }
      break;
    case PathType::Slalom: {
      int i = 0, lower = 0;
      if (!slalom_piece(st, s, i, lower)) {
        d = {0, 0, 0, 0};  // no tangent outside the path: the hand stays at the start
      } else if (!lower) {
        d = {st.sl_R * std::sin(s), st.sl_R * std::cos(s), st.sl_R * std::cos(s),
             -st.sl_R * std::sin(s)};
      } else {
        const double u = s - PI;
        d = {st.sl_R * std::sin(u), -st.sl_R * std::cos(u), st.sl_R * std::cos(u),
             st.sl_R * std::sin(u)};
      }
      break;
    }
    case PathType::AccCam:
      d.xd = 1;
      d.xdd = 0;
      if (s >= 0 && s < st.cam_L / 2) {
        d.yd = st.cam_a * s;
        d.ydd = st.cam_a;
      } else if (s >= st.cam_L / 2 && s <= st.cam_L) {
        d.yd = st.cam_a * (st.cam_L - s);
        d.ydd = -st.cam_a;
      }
      break;
    case PathType::CycloidCam:
      d = {1, (st.cyc_c / st.cyc_w) * (1 - std::cos(st.cyc_w * s)), 0,
           st.cyc_c * std::sin(st.cyc_w * s)};
      break;
    case PathType::Line:
      d = {st.line_cos, st.line_sin, 0, 0};
      break;
    default:
      break;
  }
  return d;
}

std::vector<double> path_knots(const Settings& st) {
  std::vector<double> knots;
  switch (st.cptype) {
    case PathType::UShape:
      knots = {st.u_L, st.u_L + st.u_arc};
      break;
    case PathType::Slalom:
      for (int k = 1; k < st.sl_N; ++k) knots.push_back(k * PI);
      break;
    case PathType::AccCam:
      knots = {st.cam_L / 2};
      break;
    default:
      break;
  }
  const double sf = st.sf_now();
  std::vector<double> inside;
  for (double s : knots)
    if (s > 0 && s < sf) inside.push_back(s);
  return inside;
}

void update_path_derived(Settings& st, PathType c) {
  switch (c) {
    case PathType::Arc:
      st.P0[PathType::Arc] = {st.arc_Ax + st.arc_R, st.arc_Ay};
      break;  // sf[PathType::Arc] is the arc angle itself
    case PathType::Sine:
      st.sin_k = 2 * PI / st.sinL;
      st.sf[PathType::Sine] = st.sinL;
      break;
    case PathType::UShape:
      st.u_arc = PI * st.u_R;
      st.sf[PathType::UShape] = 2 * st.u_L + st.u_arc;
      break;
    case PathType::Slalom:
      st.sf[PathType::Slalom] = st.sl_N * PI;
      break;
    case PathType::AccCam:
      st.cam_a = 4 * st.cam_H / (st.cam_L * st.cam_L);
      st.sf[PathType::AccCam] = st.cam_L;
      break;
    case PathType::CycloidCam:
      st.cyc_c = 2 * PI * st.cyc_H / (st.cyc_L * st.cyc_L);
      st.cyc_w = 2 * PI / st.cyc_L;
      st.sf[PathType::CycloidCam] = st.cyc_L;
      break;
    case PathType::Line:
      st.line_cos = std::cos(st.line_beta);
      st.line_sin = std::sin(st.line_beta);
      st.sf[PathType::Line] = st.line_l;
      break;
    default:
      break;
  }
}

}  // namespace cpt
