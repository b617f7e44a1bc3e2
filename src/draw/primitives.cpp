#include "draw/primitives.h"

#include "draw/view.h"

namespace cpt {

namespace {

// Draws nothing: the backend until a program sets its own.
class NullBackend final : public Backend {
 public:
  void text(float, float, Font, const char*) override {}
  void line(const Vec2&, const Vec2&, const Colour&) override {}
  void thick_line(const Vec2&, const Vec2&, double, const Colour&) override {}
  void fill_disc(const Vec2&, double, const Colour&) override {}
  void fill_rect(const Vec2&, double, double, double, const Colour&) override {}
  void frame_rect(const Vec2&, double, double, double, const Colour&) override {}
  void grid(const Vec2&, double, int, double, double) override {}
};

NullBackend null_backend;
Backend* active = nullptr;

}  // namespace

Backend& backend() { return active ? *active : null_backend; }

Backend* set_backend(Backend* b) {
  Backend* previous = &backend();
  active = b;
  return previous;
}

void draw_text(float x, float y, Font font, const char* text) { backend().text(x, y, font, text); }

void draw_line(const Vec2& p, const Vec2& q, const Colour& colour) { backend().line(p, q, colour); }

void draw_thick_line(const Vec2& p, const Vec2& q, double width, const Colour& colour) {
  backend().thick_line(p, q, width, colour);
}

void fill_disc(const Vec2& centre, double radius, const Colour& colour) {
  backend().fill_disc(centre, radius, colour);
}

void ring_marker(const Vec2& centre, double radius, const Colour& colour) {
  fill_disc(centre, radius, colour);
  fill_disc(centre, radius - kRingWidth, colour::white);
}

void fill_rect(const Vec2& corner, double length, double width, double angle, const Colour& colour) {
  backend().fill_rect(corner, length, width, angle, colour);
}

void frame_rect(const Vec2& corner, double length, double width, double angle, const Colour& colour) {
  backend().frame_rect(corner, length, width, angle, colour);
}

void path_dot(const Picture& pic, const Vec2& P, double radius, const Colour& colour) {
  fill_disc(robot_to_screen(pic, P), radius, colour);
}

void draw_grid(const Vec2& centre, double angle, int n, double gx, double gy) {
  backend().grid(centre, angle, n, gx, gy);
}

}  // namespace cpt
