#include "draw/svg_backend.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace cpt {

namespace {

// Coordinates are written to a hundredth of a pixel and kept inside this
// range, so that a wild value still gives a valid number.
constexpr double kLargestPx = 1e9;

double px_x(double x) { return (x + 1.0) * kPixelsPerUnit; }
double px_y(double y) { return (1.0 - y) * kPixelsPerUnit; }

bool finite(const Vec2& p) { return std::isfinite(p[0]) && std::isfinite(p[1]); }

void put_int(std::string& out, long long v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

// A number to a hundredth, without trailing zeros: 12, 12.5, 12.25, -0.75.
void put_num(std::string& out, double v) {
  v = std::clamp(v, -kLargestPx, kLargestPx);
  long long h = std::llround(v * 100.0);
  if (h < 0) {
    out += '-';
    h = -h;
  }
  put_int(out, h / 100);
  const int frac = static_cast<int>(h % 100);
  if (frac == 0) return;
  out += '.';
  out += static_cast<char>('0' + frac / 10);
  if (frac % 10) out += static_cast<char>('0' + frac % 10);
}

// A picture point as "x,y" in pixels.
void put_point(std::string& out, const Vec2& p) {
  put_num(out, px_x(p[0]));
  out += ',';
  put_num(out, px_y(p[1]));
}

void put_colour(std::string& out, const Colour& c) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '#';
  for (float v : {c.r, c.g, c.b}) {
    const int b = static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
}

// Length of the well-formed UTF-8 sequence of a character allowed in XML at
// s, or 0.
int utf8_char(const unsigned char* s) {
  const unsigned char c = s[0];
  const auto cont = [&](int k) { return (s[k] & 0xC0) == 0x80; };
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (!cont(1) || !cont(2)) return 0;
    if (c == 0xE0 && s[1] < 0xA0) return 0;  // overlong
    if (c == 0xED && s[1] >= 0xA0) return 0;  // surrogate
    if (c == 0xEF && s[1] == 0xBF && s[2] >= 0xBE) return 0;  // U+FFFE, U+FFFF
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (!cont(1) || !cont(2) || !cont(3)) return 0;
    if (c == 0xF0 && s[1] < 0x90) return 0;  // overlong
    if (c == 0xF4 && s[1] >= 0x90) return 0;  // beyond U+10FFFF
    return 4;
  }
  return 0;
}

// A text as XML character data: markup characters escaped, control
// characters (which the window draws as nothing) left out, and bytes that
// are not UTF-8 shown as the replacement character.
void put_escaped(std::string& out, const char* text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text);
  while (*s) {
    const unsigned char c = *s;
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += "&amp;";
    } else if (c >= 0x20 && c != 0x7F) {
      const int n = utf8_char(s);
      if (n == 0) {
        out += "\xEF\xBF\xBD";
        ++s;
        continue;
      }
      out.append(reinterpret_cast<const char*>(s), n);
      s += n;
      continue;
    }
    ++s;
  }
}

// The font attributes standing for the window's bitmap fonts.
const char* font_attributes(Font f) {
  switch (f) {
    case Font::HELVETICA_12: return R"(font-family="Helvetica, Arial, sans-serif" font-size="12")";
    case Font::HELVETICA_18: return R"(font-family="Helvetica, Arial, sans-serif" font-size="18")";
    case Font::TIMES_ROMAN_24: return R"(font-family="Times, 'Times New Roman', serif" font-size="24")";
  }
  return R"(font-family="sans-serif" font-size="18")";
}

// Point k of a rectangle from `corner`, `length` along `angle`, `width` to its left.
Vec2 rect_corner(const Vec2& corner, double length, double width, double angle, int k) {
  const double u = (k == 1 || k == 2) ? length : 0.0;
  const double v = (k >= 2) ? width : 0.0;
  const double c = std::cos(angle), s = std::sin(angle);
  return {corner[0] + c * u - s * v, corner[1] + s * u + c * v};
}

}  // namespace

SvgBackend::SvgBackend() { clear(); }

void SvgBackend::clear() {
  body_.clear();
  body_.reserve(1 << 17);
  pending_ = Pending::None;
  stroke_.clear();
}

std::string SvgBackend::document() {
  flush();
  std::string doc;
  doc.reserve(body_.size() + 512);
  doc += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
  put_int(doc, kWindowPx);
  doc += "\" height=\"";
  put_int(doc, kWindowPx);
  doc += "\" viewBox=\"0 0 ";
  put_int(doc, kWindowPx);
  doc += ' ';
  put_int(doc, kWindowPx);
  doc += "\" fill=\"none\" stroke-linejoin=\"round\" xml:space=\"preserve\">\n<rect width=\"100%\" height=\"100%\" fill=\"";
  put_colour(doc, colour::white);
  doc += "\"/>\n";
  doc += body_;
  doc += "</svg>\n";
  return doc;
}

void SvgBackend::flush() {
  std::string& out = body_;
  if (pending_ == Pending::Stroke) {
    if (stroke_.size() == 2) {
      out += "<line x1=\"";
      put_num(out, px_x(stroke_[0][0]));
      out += "\" y1=\"";
      put_num(out, px_y(stroke_[0][1]));
      out += "\" x2=\"";
      put_num(out, px_x(stroke_[1][0]));
      out += "\" y2=\"";
      put_num(out, px_y(stroke_[1][1]));
    } else {
      out += "<polyline points=\"";
      for (size_t k = 0; k < stroke_.size(); ++k) {
        if (k) out += ' ';
        put_point(out, stroke_[k]);
      }
    }
    out += "\" stroke=\"";
    put_colour(out, pending_colour_);
    out += "\" stroke-width=\"";
    put_num(out, pending_width_px_);
    out += "\"/>\n";
    stroke_.clear();
  } else if (pending_ == Pending::Disc) {
    out += "<circle cx=\"";
    put_num(out, px_x(disc_centre_[0]));
    out += "\" cy=\"";
    put_num(out, px_y(disc_centre_[1]));
    out += "\" r=\"";
    put_num(out, std::fabs(disc_radius_) * kPixelsPerUnit);
    out += "\" fill=\"";
    put_colour(out, pending_colour_);
    out += "\"/>\n";
  }
  pending_ = Pending::None;
}

void SvgBackend::segment(const Vec2& p, const Vec2& q, double width_px, const Colour& c) {
  if (pending_ == Pending::Stroke && pending_colour_ == c && pending_width_px_ == width_px &&
      stroke_.back() == p) {
    stroke_.push_back(q);
    return;
  }
  flush();
  if (!finite(p) || !finite(q)) return;
  pending_ = Pending::Stroke;
  pending_colour_ = c;
  pending_width_px_ = width_px;
  stroke_.push_back(p);
  stroke_.push_back(q);
}

void SvgBackend::text(float x, float y, Font font, const char* s) {
  flush();
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  std::string& out = body_;
  out += "<text x=\"";
  put_num(out, px_x(x));
  out += "\" y=\"";
  put_num(out, px_y(y));
  out += "\" ";
  out += font_attributes(font);
  out += " fill=\"";
  put_colour(out, colour::lit_text);
  out += "\">";
  put_escaped(out, s);
  out += "</text>\n";
}

void SvgBackend::line(const Vec2& p, const Vec2& q, const Colour& c) {
  segment(p, q, line_width_px_, c);
}

void SvgBackend::thick_line(const Vec2& p, const Vec2& q, double width, const Colour& c) {
  // The window draws lines without antialiasing, in whole pixels: the width
  // is rounded, and a line is at least one pixel wide.
  const double px = kPixelsPerUnit * width;
  segment(p, q, std::isfinite(px) ? std::max(1.0, std::round(px)) : 1.0, c);
  line_width_px_ = kDefaultLineWidthPx;
}

void SvgBackend::fill_disc(const Vec2& centre, double radius, const Colour& c) {
  // The white inside of a ring marker: the disc before becomes an open circle
  // whose stroke is the coloured rim.
  if (pending_ == Pending::Disc && c == colour::white && centre == disc_centre_ && radius > 0 &&
      radius < disc_radius_) {
    std::string& out = body_;
    out += "<circle cx=\"";
    put_num(out, px_x(centre[0]));
    out += "\" cy=\"";
    put_num(out, px_y(centre[1]));
    out += "\" r=\"";
    put_num(out, 0.5 * (disc_radius_ + radius) * kPixelsPerUnit);
    out += "\" fill=\"";
    put_colour(out, colour::white);
    out += "\" stroke=\"";
    put_colour(out, pending_colour_);
    out += "\" stroke-width=\"";
    put_num(out, (disc_radius_ - radius) * kPixelsPerUnit);
    out += "\"/>\n";
    pending_ = Pending::None;
    return;
  }
  flush();
  if (!finite(centre) || !std::isfinite(radius)) return;
  pending_ = Pending::Disc;
  pending_colour_ = c;
  disc_centre_ = centre;
  disc_radius_ = radius;
}

void SvgBackend::rect(const Vec2& corner, double length, double width, double angle,
                      const Colour& c, bool filled) {
  flush();
  if (!finite(corner) || !std::isfinite(length) || !std::isfinite(width) || !std::isfinite(angle))
    return;
  std::string& out = body_;
  out += "<polygon points=\"";
  for (int k = 0; k < 4; ++k) {
    if (k) out += ' ';
    put_point(out, rect_corner(corner, length, width, angle, k));
  }
  if (filled) {
    out += "\" fill=\"";
  } else {
    out += "\" stroke-width=\"";
    put_num(out, line_width_px_);
    out += "\" stroke=\"";
  }
  put_colour(out, c);
  out += "\"/>\n";
}

void SvgBackend::fill_rect(const Vec2& corner, double length, double width, double angle,
                           const Colour& c) {
  rect(corner, length, width, angle, c, true);
}

void SvgBackend::frame_rect(const Vec2& corner, double length, double width, double angle,
                            const Colour& c) {
  rect(corner, length, width, angle, c, false);
}

void SvgBackend::grid(const Vec2& centre, double angle, int n, double gx, double gy) {
  flush();
  line_width_px_ = 1.0;  // what the grid leaves, as in the window
  if (!finite(centre) || !std::isfinite(angle) || !std::isfinite(gx) || !std::isfinite(gy) || n < 0)
    return;
  const double c = std::cos(angle), s = std::sin(angle);
  const auto at = [&](double u, double v) {
    return Vec2{centre[0] + c * u - s * v, centre[1] + s * u + c * v};
  };
  // One path of the 2-pixel centre lines, one of the 1-pixel others; lines
  // of constant x first, then lines of constant y.
  std::string& out = body_;
  out += "<g stroke=\"";
  put_colour(out, colour::black);
  out += "\">\n";
  for (const bool centre_lines : {true, false}) {
    out += "<path stroke-width=\"";
    out += centre_lines ? '2' : '1';
    out += "\" d=\"";
    for (int pass = 0; pass < 2; ++pass) {
      for (int j = -n; j <= n; ++j) {
        if ((j == 0) != centre_lines) continue;
        const bool along_y = pass == 0;
        const Vec2 a = along_y ? at(j * gx, -n * gy) : at(-n * gx, j * gy);
        const Vec2 b = along_y ? at(j * gx, n * gy) : at(n * gx, j * gy);
        out += 'M';
        put_point(out, a);
        out += 'L';
        put_point(out, b);
      }
    }
    out += "\"/>\n";
  }
  out += "</g>\n";
}

}  // namespace cpt
