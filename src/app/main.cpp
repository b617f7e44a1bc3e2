// cp_time_optimal: interactive time-optimal control of a two-joint robot
// along a continuous path, by phase-plane analysis.
#include <GL/freeglut.h>

#include <cstdlib>

#include "app/frame.h"
#include "app/window.h"
#include "settings/dialog.h"
#include "settings/state.h"

namespace {

// The program-wide state; only main and the window callbacks reach it.
World world;

void display() {
  begin_frame();
  draw_frame_head(world);
  end_frame();
}

void keyboard(unsigned char key, int, int) {
  world.mo.key = static_cast<char>(key);
  if (key == 27) std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  set_defaults(world);
  world.mo.key = '0';
  world.st.robottype = 'b';
  world.st.cptype = 1;

  settings_dialog(world);

  open_window(&argc, argv, display, keyboard);
  glutMainLoop();
  return 0;
}
