// The OpenGL backend: OpenGL 1.1 immediate mode and GLUT bitmap fonts.
// This file is the only one that calls OpenGL or GLUT for drawing.
//
// Every shape turns lighting off while it draws and on again after it. No
// light source is ever enabled, so text drawn later is lit by the default
// ambient term only and comes out nearly black (0.04 grey).
#include <GL/freeglut.h>

#include <cmath>

#include "app/gl_backend.h"

namespace cpt {

namespace {

// Vertices of a disc.
constexpr int kCircleVertices = 120;
// Radians per degree, for glRotated.
constexpr double kRadPerDeg = PI / 180;

void* glut_font(Font f) {
  switch (f) {
    case Font::HELVETICA_12: return GLUT_BITMAP_HELVETICA_12;
    case Font::HELVETICA_18: return GLUT_BITMAP_HELVETICA_18;
    case Font::TIMES_ROMAN_24: return GLUT_BITMAP_TIMES_ROMAN_24;
  }
  return GLUT_BITMAP_HELVETICA_18;
}

void set_colour(const Colour& c) { glColor4f(c.r, c.g, c.b, c.a); }

void segment(const Vec2& p, const Vec2& q) {
  glBegin(GL_LINES);
  glVertex2d(p[0], p[1]);
  glVertex2d(q[0], q[1]);
  glEnd();
}

// The four corners of a rectangle in its own frame, as one primitive.
void rect_shape(GLenum mode, const Vec2& corner, double length, double width, double angle,
                const Colour& c) {
  glDisable(GL_LIGHTING);
  glPushMatrix();
  glTranslated(corner[0], corner[1], 0);
  glRotated(angle / kRadPerDeg, 0, 0, 1);
  set_colour(c);
  glBegin(mode);
  glVertex2d(0, 0);
  glVertex2d(length, 0);
  glVertex2d(length, width);
  glVertex2d(0, width);
  glEnd();
  glPopMatrix();
  glEnable(GL_LIGHTING);
}

}  // namespace

void GlBackend::text(float x, float y, Font font, const char* s) {
  glPushAttrib(GL_CURRENT_BIT);
  glRasterPos2f(x, y);
  for (const char* p = s; *p; ++p) glutBitmapCharacter(glut_font(font), static_cast<unsigned char>(*p));
  glPopAttrib();
}

void GlBackend::line(const Vec2& p, const Vec2& q, const Colour& c) {
  glDisable(GL_LIGHTING);
  set_colour(c);
  segment(p, q);
  glEnable(GL_LIGHTING);
}

void GlBackend::thick_line(const Vec2& p, const Vec2& q, double width, const Colour& c) {
  glDisable(GL_LIGHTING);
  set_colour(c);
  glLineWidth(static_cast<float>(kPixelsPerUnit * width));
  segment(p, q);
  glLineWidth(static_cast<float>(kDefaultLineWidthPx));
  glEnable(GL_LIGHTING);
}

void GlBackend::fill_disc(const Vec2& centre, double radius, const Colour& c) {
  glDisable(GL_LIGHTING);
  glPushMatrix();
  glTranslated(centre[0], centre[1], 0);
  set_colour(c);
  glBegin(GL_POLYGON);
  for (int k = 0; k < kCircleVertices; ++k) {
    const double a = k * (2 * PI / kCircleVertices);
    glVertex2d(radius * std::cos(a), radius * std::sin(a));
  }
  glEnd();
  glPopMatrix();
  glEnable(GL_LIGHTING);
}

void GlBackend::fill_rect(const Vec2& corner, double length, double width, double angle,
                          const Colour& c) {
  rect_shape(GL_POLYGON, corner, length, width, angle, c);
}

void GlBackend::frame_rect(const Vec2& corner, double length, double width, double angle,
                           const Colour& c) {
  rect_shape(GL_LINE_LOOP, corner, length, width, angle, c);
}

void GlBackend::grid(const Vec2& centre, double angle, int n, double gx, double gy) {
  glDisable(GL_LIGHTING);
  glColor4f(0, 0, 0, 0);
  glPushMatrix();
  glLineWidth(2);
  glTranslated(centre[0], centre[1], 0);
  glRotated(angle / kRadPerDeg, 0, 0, 1);
  // Lines of constant x, then lines of constant y.
  for (int j = -n; j <= n; ++j) {
    glLineWidth(j == 0 ? 2.0f : 1.0f);
    segment({j * gx, -n * gy}, {j * gx, n * gy});
  }
  for (int j = -n; j <= n; ++j) {
    glLineWidth(j == 0 ? 2.0f : 1.0f);
    segment({-n * gx, j * gy}, {n * gx, j * gy});
  }
  glPopMatrix();
  glEnable(GL_LIGHTING);
}

}  // namespace cpt
