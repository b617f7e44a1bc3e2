// The phase plane (s across, sd up) drawn into the robot picture: its origin
// sits on the robot base and it follows the zoom and the picture offsets.
#pragma once

#include "draw/backend.h"
#include "draw/colour.h"
#include "core/state.h"

namespace cpt {

// Picture point of the phase-plane point (s, sd).
Vec2 pp_map(const Picture& pic, const Vec2& p);

// Polyline through points[0..n]; nothing for n < 1. Thinner in replay.
void plot_curve(Backend& out, const Picture& pic, const Motion& mo, int n, const Vec2* points, const Colour& colour);
// Polyline through Y[0..n]; in replay also a blue ring at every joint-torque
// switching tsw[0..NCT], the start and the end included.
void plot_trajectory(Backend& out, const Picture& pic, const Motion& mo, int n, const Vec2* Y, const Colour& colour);
// The velocity-limit boundary bnd[0..nbnd]; magenta where a speed limit's
// ceiling sets it.
void plot_boundary(Backend& out, const Picture& pic, const Motion& mo, const Curves& cv, const Colour& colour);
// The velocity limit at s: bnd interpolated linearly, its end values beyond its ends.
double velocity_limit_at(const Curves& cv, double s);
// The axes' names, "s" and "sd [1/s]", and their values at the picture grid's
// lines (every line, or every 2nd, 5th, 10th ... where they would crowd),
// from 0 to the end of the path sf and to the top of the velocity limit,
// inside the window and below the information panel.
void label_axes(Backend& out, const Picture& pic, const Curves& cv, double sf);

}  // namespace cpt
