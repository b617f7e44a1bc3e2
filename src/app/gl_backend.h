// The OpenGL implementation of the drawing backend.
#pragma once

#include "draw/backend.h"

namespace cpt {

// Draws into the current GLUT window; the window program keeps one and
// hands it to every frame it draws.
class GlBackend final : public Backend {
 public:
  void text(float x, float y, Font font, const char* s) override;
  void line(const Vec2& p, const Vec2& q, const Colour& c) override;
  void thick_line(const Vec2& p, const Vec2& q, double width, const Colour& c) override;
  void fill_disc(const Vec2& centre, double radius, const Colour& c) override;
  void fill_rect(const Vec2& corner, double length, double width, double angle,
                 const Colour& c) override;
  void frame_rect(const Vec2& corner, double length, double width, double angle,
                  const Colour& c) override;
  void grid(const Vec2& centre, double angle, int n, double gx, double gy) override;
};

}  // namespace cpt
