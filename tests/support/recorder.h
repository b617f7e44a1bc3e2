// A drawing backend that records every call instead of drawing.
#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "draw/backend.h"

namespace cpt {

struct DrawCall {
  enum Op { Text, Line, ThickLine, Disc, FillRect, FrameRect, Grid } op;
  Vec2 p, q;  // ends of a line or of a rectangle's centre line; text, disc or grid centre in p, grid spacings in q
  Colour colour;
  double size = 0;  // line width, disc radius, rectangle width or grid lines per side
  std::string text{};
  Font font{};
};

class Recorder final : public Backend {
  using C = DrawCall;
  // A rectangle from corner k, l along angle a and w to the left of it, recorded as its centre line.
  void rect(C::Op op, const Vec2& k, double l, double w, double a, const Colour& c) {
    const Vec2 s{k[0] - 0.5 * w * std::sin(a), k[1] + 0.5 * w * std::cos(a)};
    calls.push_back({op, s, {s[0] + l * std::cos(a), s[1] + l * std::sin(a)}, c, w});
  }

 public:
  std::vector<DrawCall> calls;

  // The calls of one kind (of one colour and passing `keep`, if given), in order.
  std::vector<DrawCall> of(C::Op op, const Colour* c = nullptr, std::function<bool(const C&)> keep = {}) const {
    std::vector<DrawCall> out;
    for (const auto& d : calls)
      if (d.op == op && (!c || d.colour == *c) && (!keep || keep(d))) out.push_back(d);
    return out;
  }

  void text(float x, float y, Font f, const char* s) override { calls.push_back({C::Text, {x, y}, {}, {}, 0, s, f}); }
  void line(const Vec2& p, const Vec2& q, const Colour& c) override { calls.push_back({C::Line, p, q, c}); }
  void thick_line(const Vec2& p, const Vec2& q, double w, const Colour& c) override { calls.push_back({C::ThickLine, p, q, c, w}); }
  void fill_disc(const Vec2& o, double r, const Colour& c) override { calls.push_back({C::Disc, o, {}, c, r}); }
  void fill_rect(const Vec2& k, double l, double w, double a, const Colour& c) override { rect(C::FillRect, k, l, w, a, c); }
  void frame_rect(const Vec2& k, double l, double w, double a, const Colour& c) override { rect(C::FrameRect, k, l, w, a, c); }
  void grid(const Vec2& o, double, int n, double gx, double gy) override { calls.push_back({C::Grid, o, {gx, gy}, {}, double(n)}); }
};


}  // namespace cpt
