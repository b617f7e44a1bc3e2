// The drawing backend: the few operations that reach the graphics library.
//
// Every drawing function takes the Backend it draws on as its first
// argument: the window program passes its OpenGL one, which draws into the
// current GLUT window, the SVG writer an SvgBackend, and tests a recording
// one that checks the geometry without a window. All coordinates are picture
// units (normalized device coordinates, x and y in [-1, 1]).
#pragma once

#include "draw/colour.h"
#include "core/state.h"

namespace cpt {

// Bitmap fonts; the OpenGL backend maps them to the GLUT fonts of that name.
enum class Font { HELVETICA_12, HELVETICA_18, TIMES_ROMAN_24 };

// The window every backend draws for: 800 x 800 pixels, one picture unit is
// 400 of them; a thick line leaves the line width at 2 pixels.
constexpr int kWindowPx = 800;
constexpr double kPixelsPerUnit = kWindowPx / 2.0;
constexpr double kDefaultLineWidthPx = 2.0;

class Backend {
 public:
  virtual ~Backend() = default;
  // Text at raster position (x, y) in the current colour; sets no colour.
  virtual void text(float x, float y, Font font, const char* s) = 0;
  // Segment p-q with the current line width.
  virtual void line(const Vec2& p, const Vec2& q, const Colour& c) = 0;
  // Segment p-q `width` picture units wide; leaves the line width at 2 pixels.
  virtual void thick_line(const Vec2& p, const Vec2& q, double width, const Colour& c) = 0;
  // Filled disc of 120 vertices.
  virtual void fill_disc(const Vec2& centre, double radius, const Colour& c) = 0;
  // Rectangle from `corner`, `length` along `angle` [rad], `width` to its left.
  virtual void fill_rect(const Vec2& corner, double length, double width, double angle,
                         const Colour& c) = 0;
  virtual void frame_rect(const Vec2& corner, double length, double width, double angle,
                          const Colour& c) = 0;
  // Black grid of 2n + 1 lines each way about `centre`, turned by `angle` [rad];
  // the centre lines 2 pixels wide, the others 1; leaves the line width at 1.
  virtual void grid(const Vec2& centre, double angle, int n, double gx, double gy) = 0;
};

}  // namespace cpt
