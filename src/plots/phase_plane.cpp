#include "plots/phase_plane.h"

#include "draw/primitives.h"

namespace cpt {

namespace {

// Line widths [picture units] while building and in replay.
constexpr double kCurveWidth = 0.008, kCurveWidthReplay = 0.004;
constexpr double kBoundaryWidth = 0.008, kBoundaryWidthReplay = 0.003;
// Radius of a switching marker.
constexpr double kSwitchMarker = 0.007;

bool replay(const Motion& mo) { return mo.traj_state == TrajState::Obtained; }

void polyline(const Picture& pic, int n, const Vec2* points, double width, const Colour& colour) {
  if (n < 1) return;
  Vec2 P = pp_map(pic, points[0]);
  for (int i = 1; i <= n; ++i) {
    const Vec2 Q = pp_map(pic, points[i]);
    draw_thick_line(P, Q, width, colour);
    P = Q;
  }
}

}  // namespace

Vec2 pp_map(const Picture& pic, const Vec2& p) {
  const double unit = 0.5 * pic.pp_zoom;
  return {pic.zoom * pic.pp_origin[0] + unit * p[0] + pic.view_x,
          pic.zoom * pic.pp_origin[1] + unit * p[1] + pic.view_y};
}

void plot_curve(const Picture& pic, const Motion& mo, int n, const Vec2* points, const Colour& colour) {
  polyline(pic, n, points, replay(mo) ? kCurveWidthReplay : kCurveWidth, colour);
}

void plot_trajectory(const Picture& pic, const Motion& mo, int n, const Vec2* Y, const Colour& colour) {
  polyline(pic, n, Y, replay(mo) ? kCurveWidthReplay : kCurveWidth, colour);
  if (!replay(mo)) return;
  // Switching markers; an index outside the table draws none.
  if (mo.NCT < 0 || mo.NCT >= NREC) return;
  for (int m = 0; m <= mo.NCT; ++m) {
    ring_marker(pp_map(pic, {mo.tsw[m].s, mo.tsw[m].sd}), kSwitchMarker, colour::blue);
  }
}

void plot_boundary(const Picture& pic, const Motion& mo, const Curves& cv, const Colour& colour) {
  const int n = cv.nbnd < NTAB ? cv.nbnd : NTAB - 1;
  const double width = replay(mo) ? kBoundaryWidthReplay : kBoundaryWidth;
  polyline(pic, n, cv.bnd.data(), width, colour);
  // The speed limits' ceiling over it, where the ceiling is the lower.
  for (int i = 1; i <= n; ++i) {
    if (cv.bnd_ceiling[i - 1] && cv.bnd_ceiling[i])
      draw_thick_line(pp_map(pic, cv.bnd[i - 1]), pp_map(pic, cv.bnd[i]), width, colour::magenta);
  }
}

}  // namespace cpt
