#include "draw/primitives.h"

#include "draw/view.h"

namespace cpt {

void draw_text(Backend& out, float x, float y, Font font, const char* text) { out.text(x, y, font, text); }

void draw_line(Backend& out, const Vec2& p, const Vec2& q, const Colour& colour) { out.line(p, q, colour); }

void draw_thick_line(Backend& out, const Vec2& p, const Vec2& q, double width, const Colour& colour) {
  out.thick_line(p, q, width, colour);
}

void fill_disc(Backend& out, const Vec2& centre, double radius, const Colour& colour) {
  out.fill_disc(centre, radius, colour);
}

void ring_marker(Backend& out, const Vec2& centre, double radius, const Colour& colour) {
  fill_disc(out, centre, radius, colour);
  fill_disc(out, centre, radius - kRingWidth, colour::white);
}

void fill_rect(Backend& out, const Vec2& corner, double length, double width, double angle,
               const Colour& colour) {
  out.fill_rect(corner, length, width, angle, colour);
}

void frame_rect(Backend& out, const Vec2& corner, double length, double width, double angle,
                const Colour& colour) {
  out.frame_rect(corner, length, width, angle, colour);
}

void path_dot(Backend& out, const Picture& pic, const Vec2& P, double radius, const Colour& colour) {
  fill_disc(out, robot_to_screen(pic, P), radius, colour);
}

void draw_grid(Backend& out, const Vec2& centre, double angle, int n, double gx, double gy) {
  out.grid(centre, angle, n, gx, gy);
}

}  // namespace cpt
