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
  Vec2 p{}, q{};  // line ends; disc centre, rectangle corner, text or grid position in p
  double width = 0;   // thick line width; rectangle width
  double radius = 0;  // disc radius
  double length = 0;  // rectangle length
  double angle = 0;   // rectangle or grid angle
  Vec2 spacing{};     // grid spacings
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

  // The calls of one kind, in order.
  std::vector<DrawCall> of(DrawCall::Op op) const {
    std::vector<DrawCall> out;
    for (const auto& c : calls)
      if (c.op == op) out.push_back(c);
    return out;
  }
  // The texts drawn, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& c : of(DrawCall::Text)) out.push_back(c.text);
    return out;
  }
  // The first text call with this string (op Line when there is none).
  DrawCall text_call(const std::string& s) const {
    for (const auto& c : of(DrawCall::Text))
      if (c.text == s) return c;
    return DrawCall{};
  }

  void text(float x, float y, Font font, const char* s) override {
    DrawCall c;
    c.op = DrawCall::Text;
    c.p = {x, y};
    c.font = font;
    c.text = s;
    calls.push_back(c);
  }
  void line(const Vec2& p, const Vec2& q, const Colour& col) override {
    DrawCall c;
    c.op = DrawCall::Line;
    c.p = p;
    c.q = q;
    c.colour = col;
    calls.push_back(c);
  }
  void thick_line(const Vec2& p, const Vec2& q, double width, const Colour& col) override {
    DrawCall c;
    c.op = DrawCall::ThickLine;
    c.p = p;
    c.q = q;
    c.width = width;
    c.colour = col;
    calls.push_back(c);
  }
  void fill_disc(const Vec2& centre, double radius, const Colour& col) override {
    DrawCall c;
    c.op = DrawCall::Disc;
    c.p = centre;
    c.radius = radius;
    c.colour = col;
    calls.push_back(c);
  }
  void fill_rect(const Vec2& corner, double length, double width, double angle, const Colour& col) override {
    calls.push_back(rect(DrawCall::FillRect, corner, length, width, angle, col));
  }
  void frame_rect(const Vec2& corner, double length, double width, double angle, const Colour& col) override {
    calls.push_back(rect(DrawCall::FrameRect, corner, length, width, angle, col));
  }
  void grid(const Vec2& centre, double angle, int n, double gx, double gy) override {
    DrawCall c;
    c.op = DrawCall::Grid;
    c.p = centre;
    c.angle = angle;
    c.n = n;
    c.spacing = {gx, gy};
    calls.push_back(c);
  }

 private:
  static DrawCall rect(DrawCall::Op op, const Vec2& corner, double length, double width, double angle,
                       const Colour& col) {
    DrawCall c;
    c.op = op;
    c.p = corner;
    c.length = length;
    c.width = width;
    c.angle = angle;
    c.colour = col;
    return c;
  }
  Backend* previous_;
};

// Start and end of the centre line of a recorded rectangle (its width lies
// to the left of the direction of `angle`).
inline Vec2 rect_axis_start(const DrawCall& r) {
  return {r.p[0] - 0.5 * r.width * std::sin(r.angle), r.p[1] + 0.5 * r.width * std::cos(r.angle)};
}
inline Vec2 rect_axis_end(const DrawCall& r) {
  const Vec2 s = rect_axis_start(r);
  return {s[0] + r.length * std::cos(r.angle), s[1] + r.length * std::sin(r.angle)};
}
