// The SVG backend: documents parsed by a real XML parser, pixel positions
// worked out by hand (picture (x, y) -> ((x + 1) 400, (1 - y) 400)), texts
// escaped.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "draw/primitives.h"
#include "draw/svg_backend.h"

namespace cpt {
namespace {

// The document of what f draws through the primitives on an SVG backend; python's XML parser must accept it.
template <class F>
std::string drawn(F f) {
  SvgBackend svg;
  f(svg);
  FILE* py = popen("python3 -c 'import sys, xml.etree.ElementTree as E; E.parse(sys.stdin)'", "w");
  std::fputs(svg.document().c_str(), py);
  EXPECT_EQ(pclose(py), 0) << svg.document();
  return svg.document();
}

#define EXPECT_HAS(doc, part) EXPECT_NE((doc).find(part), std::string::npos) << "missing: " << (part)

// Catches a wrong mapping (flipped, unscaled, shifted), widths, unjoined polylines, a
// ring not one open circle, a turned rectangle's side; markup or non-UTF-8 bytes
// breaking the document, mangled Japanese, a wrong font, baseline or text colour.
TEST(SvgBackend, PrimitivesAndTextsInWindowPixels) {
  const std::string doc = drawn([](Backend& out) {
    draw_thick_line(out, {-1, 1}, {0, 0}, 0.01, colour::red);   // 4 pixels wide
    draw_thick_line(out, {0, 0}, {1, -0.5}, 0.01, colour::red);
    draw_line(out, {-0.5, 0.5}, {0.5, 0.5}, colour::blue);      // a thick line left 2 pixels
    ring_marker(out, {0.5, 0.5}, 0.025, colour::blue);          // rim 0.005 = 2 pixels
    fill_rect(out, {0, 0}, 0.5, 0.25, 1.5707963267948966, colour::green);  // length up, width to the left
    draw_text(out, -1.0f, -1.0f, Font::HELVETICA_12, "a<b && c>d 日本語\n");
    draw_text(out, 0.5f, 0.5f, Font::TIMES_ROMAN_24, "bad \xff byte");
  });
  EXPECT_HAS(doc, R"(width="800" height="800" viewBox="0 0 800 800")");
  EXPECT_HAS(doc, R"(<polyline points="0,0 400,400 800,600" stroke="#ff0000" stroke-width="4"/>)");
  EXPECT_HAS(doc, R"(<line x1="200" y1="200" x2="600" y2="200" stroke="#0000ff" stroke-width="2"/>)");
  EXPECT_HAS(doc, R"(<circle cx="600" cy="200" r="9" fill="#ffffff" stroke="#0000ff" stroke-width="2"/>)");
  EXPECT_HAS(doc, R"(<polygon points="400,400 400,200 300,200 300,400" fill="#00ff00"/>)");
  EXPECT_HAS(doc, R"(<text x="0" y="800" font-family="Helvetica, Arial, sans-serif" font-size="12" fill="#0a0a0a">a&lt;b &amp;&amp; c&gt;d 日本語</text>)");
  EXPECT_HAS(doc, R"(<text x="600" y="200" font-family="Times, 'Times New Roman', serif" font-size="24" fill="#0a0a0a">bad � byte</text>)");
}

}  // namespace
}  // namespace cpt
