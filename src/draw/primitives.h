// Drawing primitives: lines, discs, ring markers, rectangles, text and the
// picture grid, each drawn on the backend given first. All positions and
// sizes are screen values (picture units); callers scale robot lengths by the
// zoom themselves.
#pragma once

#include "draw/backend.h"
#include "draw/colour.h"
#include "core/state.h"

namespace cpt {

// Width of the coloured rim of a ring marker [picture units], not zoomed.
constexpr double kRingWidth = 0.005;

// Text at raster position (x, y); the colour is whatever is current.
void draw_text(Backend& out, float x, float y, Font font, const char* text);
// Segment p-q with the current line width.
void draw_line(Backend& out, const Vec2& p, const Vec2& q, const Colour& colour);
// Segment p-q, `width` picture units wide (400 pixels per unit).
void draw_thick_line(Backend& out, const Vec2& p, const Vec2& q, double width, const Colour& colour);
void fill_disc(Backend& out, const Vec2& centre, double radius, const Colour& colour);
// A coloured ring kRingWidth wide around a white inside.
void ring_marker(Backend& out, const Vec2& centre, double radius, const Colour& colour);
// Rectangle with one corner at `corner`, `length` along `angle` [rad] and
// `width` to the left of that direction.
void fill_rect(Backend& out, const Vec2& corner, double length, double width, double angle,
               const Colour& colour);
void frame_rect(Backend& out, const Vec2& corner, double length, double width, double angle,
                const Colour& colour);
// Disc at hand point P (relative to the robot base); radius in screen units.
void path_dot(Backend& out, const Picture& pic, const Vec2& P, double radius, const Colour& colour);
// Black grid: n lines on each side of `centre` with spacings gx, gy.
void draw_grid(Backend& out, const Vec2& centre, double angle, int n, double gx, double gy);

}  // namespace cpt
