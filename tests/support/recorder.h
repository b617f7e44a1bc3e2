// A drawing backend that records every call instead of drawing, so that the
// geometry of the pictures can be checked without a window. While a Recorder
// lives it is the active backend.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "draw/backend.h"

struct DrawCall {
  enum Op { Text, Line, ThickLine, Disc, FillRect, FrameRect, Grid };
  Op op = Line;
  Vec2 p{}, q{};      // line ends; text, disc, rectangle corner or grid centre in p; grid spacings in q
  double size = 0;    // thick line width, disc radius, rectangle width
  double length = 0;  // rectangle length
  double angle = 0;   // rectangle or grid angle
  int n = 0;          // grid lines on each side
  Colour colour{};
  Font font = Font::HELVETICA_18;
  std::string text;
};

class Recorder final : public Backend {
 public:
  Recorder() : previous_(set_backend(this)) {}
  ~Recorder() override { set_backend(previous_); }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  std::vector<DrawCall> calls;

  // The calls of one kind (and of one colour, if given), in order.
  std::vector<DrawCall> of(DrawCall::Op op, const Colour* c = nullptr) const {
    std::vector<DrawCall> out;
    for (const auto& d : calls)
      if (d.op == op && (!c || d.colour == *c)) out.push_back(d);
    return out;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& d : of(DrawCall::Text)) out.push_back(d.text);
    return out;
  }
  // The first text call with this string (a default Line call when there is none).
  DrawCall text_call(const std::string& s) const {
    for (const auto& d : of(DrawCall::Text))
      if (d.text == s) return d;
    return {};
  }

  void text(float x, float y, Font font, const char* s) override {
    add(DrawCall::Text, {x, y}, {}, 0, {}).font = font;
    calls.back().text = s;
  }
  void line(const Vec2& p, const Vec2& q, const Colour& c) override { add(DrawCall::Line, p, q, 0, c); }
  void thick_line(const Vec2& p, const Vec2& q, double width, const Colour& c) override {
    add(DrawCall::ThickLine, p, q, width, c);
  }
  void fill_disc(const Vec2& centre, double radius, const Colour& c) override {
    add(DrawCall::Disc, centre, {}, radius, c);
  }
  void fill_rect(const Vec2& corner, double length, double width, double angle, const Colour& c) override {
    add(DrawCall::FillRect, corner, {}, width, c).length = length;
    calls.back().angle = angle;
  }
  void frame_rect(const Vec2& corner, double length, double width, double angle, const Colour& c) override {
    add(DrawCall::FrameRect, corner, {}, width, c).length = length;
    calls.back().angle = angle;
  }
  void grid(const Vec2& centre, double angle, int n, double gx, double gy) override {
    add(DrawCall::Grid, centre, {gx, gy}, 0, {}).angle = angle;
    calls.back().n = n;
  }

 private:
  DrawCall& add(DrawCall::Op op, const Vec2& p, const Vec2& q, double size, const Colour& c) {
    calls.push_back({op, p, q, size, 0, 0, 0, c, Font::HELVETICA_18, {}});
    return calls.back();
  }
  Backend* previous_;
};

// Ends of the centre line of a recorded rectangle (its width lies to the left
// of the direction of its angle).
inline Vec2 rect_axis_start(const DrawCall& r) {
  return {r.p[0] - 0.5 * r.size * std::sin(r.angle), r.p[1] + 0.5 * r.size * std::cos(r.angle)};
}
inline Vec2 rect_axis_end(const DrawCall& r) {
  const Vec2 s = rect_axis_start(r);
  return {s[0] + r.length * std::cos(r.angle), s[1] + r.length * std::sin(r.angle)};
}

// Points to a millionth of a picture unit (texts are placed in float).
#define EXPECT_AT(v, x, y)          \
  do {                              \
    EXPECT_NEAR((v)[0], (x), 1e-6); \
    EXPECT_NEAR((v)[1], (y), 1e-6); \
  } while (0)
