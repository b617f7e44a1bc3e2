#include "plots/phase_plane.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "draw/primitives.h"
#include "draw/texts.h"
#include "draw/view.h"

namespace cpt {

namespace {

// Line widths [picture units] while building and in replay.
constexpr double kCurveWidth = 0.008, kCurveWidthReplay = 0.004;
constexpr double kBoundaryWidth = 0.008, kBoundaryWidthReplay = 0.003;
// Radius of a switching marker.
constexpr double kSwitchMarker = 0.007;

// Axis labels: at least this far apart [picture units], the width of one
// character of the small font, and the label's gap from its axis.
constexpr double kLabelSpacing = 0.1;
constexpr double kSmallCharW = 0.0175;
constexpr double kLabelGap = 0.015;
// A value stands this far right of (above) its grid line, clear of it.
constexpr double kLabelShift = 0.008;
// The width of one character of the axis names' font, and the rise of the
// sd axis's name above its top value.
constexpr double kNameCharW = 0.022;
constexpr double kNameRise = 0.05;
// Room for a label inside the window.
constexpr double kWindowEdge = 0.97;

bool replay(const Motion& mo) { return mo.traj_state == TrajState::Obtained; }

void polyline(Backend& out, const Picture& pic, int n, const Vec2* points, double width, const Colour& colour) {
  if (n < 1) return;
  Vec2 P = pp_map(pic, points[0]);
  for (int i = 1; i <= n; ++i) {
    const Vec2 Q = pp_map(pic, points[i]);
    draw_thick_line(out, P, Q, width, colour);
    P = Q;
  }
}

}  // namespace

Vec2 pp_map(const Picture& pic, const Vec2& p) {
  const double unit = 0.5 * pic.pp_zoom;
  return {pic.zoom * pic.pp_origin[0] + unit * p[0] + pic.view_x,
          pic.zoom * pic.pp_origin[1] + unit * (p[1] * pic.pp_sd_scale) + pic.view_y};
}

void plot_curve(Backend& out, const Picture& pic, const Motion& mo, int n, const Vec2* points, const Colour& colour) {
  polyline(out, pic, n, points, replay(mo) ? kCurveWidthReplay : kCurveWidth, colour);
}

void plot_trajectory(Backend& out, const Picture& pic, const Motion& mo, int n, const Vec2* Y, const Colour& colour) {
  polyline(out, pic, n, Y, replay(mo) ? kCurveWidthReplay : kCurveWidth, colour);
  if (!replay(mo)) return;
  // Switching markers; an index outside the table draws none.
  if (mo.NCT < 0 || mo.NCT >= NREC) return;
  for (int m = 0; m <= mo.NCT; ++m) {
    ring_marker(out, pp_map(pic, {mo.tsw[m].s, mo.tsw[m].sd}), kSwitchMarker, colour::blue);
  }
}

void plot_boundary(Backend& out, const Picture& pic, const Motion& mo, const Curves& cv, const Colour& colour) {
  const int n = cv.nbnd < NTAB ? cv.nbnd : NTAB - 1;
  const double width = replay(mo) ? kBoundaryWidthReplay : kBoundaryWidth;
  polyline(out, pic, n, cv.bnd.data(), width, colour);
  // The speed limits' ceiling over it, where the ceiling is the lower.
  for (int i = 1; i <= n; ++i) {
    if (cv.bnd_ceiling[i - 1] && cv.bnd_ceiling[i])
      draw_thick_line(out, pp_map(pic, cv.bnd[i - 1]), pp_map(pic, cv.bnd[i]), width, colour::magenta);
  }
}

double velocity_limit_at(const Curves& cv, double s) {
  const int n = std::clamp(cv.nbnd, 0, NTAB - 1);
  if (n == 0 || !(s > cv.bnd[0][0])) return cv.bnd[0][1];
  if (!(s < cv.bnd[n][0])) return cv.bnd[n][1];
  // The first point at or beyond s (s lies strictly inside the table).
  const auto* hi = std::lower_bound(cv.bnd.begin() + 1, cv.bnd.begin() + n, s,
                                    [](const Vec2& p, double v) { return p[0] < v; });
  const Vec2 &a = hi[-1], &b = *hi;
  const double span = b[0] - a[0];
  return span > 0 ? a[1] + (b[1] - a[1]) * (s - a[0]) / span : b[1];
}

namespace {

// Where and how the axes are labelled: every m-th grid line, with that many decimals.
struct AxisLabels {
  Vec2 O, G;          // the phase plane's origin and the grid's centre, on the screen
  double cell, unit, unit_sd;  // grid cell and units of s and of sd, on the screen
  int m, decimals, decimals_sd;
  double slack;       // values this close to a range end are inside it
};

double label_width(const char* t) { return kSmallCharW * static_cast<double>(std::strlen(t)); }
float fx(double v) { return static_cast<float>(v); }

// Along s, under the axis; the name right of the last one.
void label_s_axis(Backend& out, const AxisLabels& L, double sf) {
  NumberText value;
  const double s_y = L.O[1] - 0.045;
  double s_end = -1;
  for (int k = -kGridLines; k <= kGridLines && std::fabs(s_y) <= kWindowEdge; k += L.m) {
    const double x = L.G[0] + k * L.cell, s = (x - L.O[0]) / L.unit;
    if (s < -L.slack || s > sf + L.slack || std::fabs(x) > kWindowEdge) continue;
    format_value(value, s, L.decimals);
    // The origin's "0" left of the sd axis, the others just right of their lines.
    const bool origin = std::fabs(s) <= L.slack;
    if (origin) std::strcpy(value, "0");
    draw_text(out, fx(origin ? x - kLabelGap - label_width(value) : x + kLabelShift), fx(s_y), Font::HELVETICA_12,
              value);
    s_end = x + kLabelShift + label_width(value);
  }
  if (s_end > -1) draw_text(out, fx(s_end + 2 * kLabelGap), fx(s_y), Font::HELVETICA_18, "s");
}

// Along sd, left of the axis up to `top`; the name above the top one, or
// right of the axis when the panel leaves no room above it.
void label_sd_axis(Backend& out, const AxisLabels& L, double top) {
  NumberText value;
  double sd_top = -1;
  for (int k = -kGridLines; k <= kGridLines; k += L.m) {
    const double y = L.G[1] + k * L.cell, sd = (y - L.O[1]) / L.unit_sd;
    if (sd <= L.slack || sd > top + L.slack || y > kPanelBottom || y < -kWindowEdge) continue;
    format_value(value, sd, L.decimals_sd);
    const double x = L.O[0] - kLabelGap - label_width(value);
    if (x < -1 || L.O[0] > kWindowEdge) continue;  // the axis or its labels out of the window
    draw_text(out, fx(x), fx(y + kLabelShift), Font::HELVETICA_12, value);
    sd_top = y;
  }
  if (!(sd_top > -1)) return;
  const char* name = "sd [1/s]";
  const double x = L.O[0] - kLabelGap - kNameCharW * static_cast<double>(std::strlen(name));
  if (sd_top + kNameRise < kPanelBottom && x > -1)
    draw_text(out, fx(x), fx(sd_top + kNameRise), Font::HELVETICA_18, name);
  else
    draw_text(out, fx(L.O[0] + kLabelGap), fx(sd_top - 0.01), Font::HELVETICA_18, name);
}

}  // namespace

void label_axes(Backend& out, const Picture& pic, const Curves& cv, double sf) {
  AxisLabels L;
  L.O = pp_map(pic, {0, 0});
  L.G = world_to_screen(pic, pic.base);  // where the grid's centre lines cross
  L.cell = kGridCell * pic.zoom;
  L.unit = 0.5 * pic.pp_zoom;
  if (!(L.cell > 0 && L.unit > 0 && std::isfinite(L.cell / L.unit) && std::isfinite(L.O[0] + L.O[1] + L.G[0] + L.G[1])))
    return;
  L.m = 1;
  for (const int every : {1, 2, 5, 10, 20, kGridLines}) {
    L.m = every;
    if (L.m * L.cell >= kLabelSpacing) break;
  }
  L.decimals = decimals_for(L.m * L.cell / L.unit);
  L.unit_sd = L.unit * pic.pp_sd_scale;
  L.decimals_sd = pic.pp_sd_scale == 1.0 ? L.decimals : decimals_for(L.m * L.cell / L.unit_sd);
  const int nb = std::clamp(cv.nbnd, 0, NTAB - 1);
  double top = 0;
  for (int i = 0; i <= nb; ++i)
    if (std::isfinite(cv.bnd[i][1])) top = std::max(top, cv.bnd[i][1]);
  L.slack = 1e-9 * (sf + top + 1);
  label_s_axis(out, L, sf);
  label_sd_axis(out, L, top);
}

}  // namespace cpt
