// The SVG backend: what a frame draws, as one standalone SVG document of the
// window's size.
//
// It is a second Backend beside the OpenGL one: handed to the drawing of a
// frame, it records every primitive as an SVG element with the window's
// mapping (picture point (x, y) -> pixel ((x + 1) 400, (1 - y) 400) from the
// top-left of the 800 x 800 window), the window's colours and line widths,
// and texts as text in a font close to the window's bitmap fonts.
// Consecutive segments that continue each other in one colour and width
// become one polyline, and a ring marker (a disc with a smaller white disc
// on it) one open circle.
#pragma once

#include <string>
#include <vector>

#include "draw/backend.h"

namespace cpt {

class SvgBackend final : public Backend {
 public:
  SvgBackend();

  // Starts a new document: the window's white background and nothing else.
  void clear();
  // The document of everything drawn since the last clear.
  std::string document();

  void text(float x, float y, Font font, const char* s) override;
  void line(const Vec2& p, const Vec2& q, const Colour& c) override;
  void thick_line(const Vec2& p, const Vec2& q, double width, const Colour& c) override;
  void fill_disc(const Vec2& centre, double radius, const Colour& c) override;
  void fill_rect(const Vec2& corner, double length, double width, double angle,
                 const Colour& c) override;
  void frame_rect(const Vec2& corner, double length, double width, double angle,
                  const Colour& c) override;
  void grid(const Vec2& centre, double angle, int n, double gx, double gy) override;

 private:
  // A stroke or a disc kept back until the next call shows whether it goes on
  // (the next segment of a polyline, the white inside of a ring).
  enum class Pending { None, Stroke, Disc };

  void flush();
  void segment(const Vec2& p, const Vec2& q, double width_px, const Colour& c);
  void rect(const Vec2& corner, double length, double width, double angle, const Colour& c,
            bool filled);

  std::string body_;
  // The line width the window's drawing state holds [pixels]: what `line` and
  // `frame_rect` draw with, set by `thick_line` and `grid` as in the window.
  double line_width_px_ = 1.0;

  Pending pending_ = Pending::None;
  Colour pending_colour_{};
  double pending_width_px_ = 0;   // stroke width
  std::vector<Vec2> stroke_;      // stroke points, picture units
  Vec2 disc_centre_{};            // disc, picture units
  double disc_radius_ = 0;
};

}  // namespace cpt
