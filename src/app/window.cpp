#include "app/window.h"

// Before the X11 headers, whose macros (None, ...) would clash with its names.
#include "draw/backend.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <initializer_list>

namespace cpt {

namespace {

// freeglut hands the title to X as Latin-1; set the UTF-8 names as well, so
// that window managers and panels show the Japanese key help correctly.
void set_utf8_title(const char* title) {
  Display* dpy = glXGetCurrentDisplay();
  const Window win = glXGetCurrentDrawable();
  if (!dpy || !win) return;
  const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
  const auto* bytes = reinterpret_cast<const unsigned char*>(title);
  const int len = static_cast<int>(std::strlen(title));
  for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"}) {
    XChangeProperty(dpy, win, XInternAtom(dpy, name, False), utf8, 8, PropModeReplace, bytes, len);
  }
  Xutf8SetWMProperties(dpy, win, title, title, nullptr, 0, nullptr, nullptr, nullptr);
  XFlush(dpy);
}

}  // namespace

void open_window(int* argc, char** argv, void (*display)(),
                 void (*keyboard)(unsigned char, int, int)) {
  glutInitWindowSize(kWindowPx, kWindowPx);
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(kWindowTitle);
  set_utf8_title(kWindowTitle);
  glutDisplayFunc(display);
  glutReshapeFunc(reshape);
  glutKeyboardFunc(keyboard);
  set_clear_colour();
  // Text takes its colour under the lighting state that the shapes leave
  // enabled; enable it from the start so that the first frame's text is dark too.
  glEnable(GL_LIGHTING);
}

void set_clear_colour() { glClearColor(1, 1, 1, 1); }

void reshape(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}

void begin_frame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
}

void end_frame() {
  glFlush();
  glutSwapBuffers();
}

}  // namespace cpt
