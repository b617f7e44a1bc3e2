#include "app/display.h"

#include "app/window.h"
#include "plots/frame_picture.h"

namespace cpt {

FrameView display_frame(App& w) {
  const FrameView v = app_run_frame(w, [&w](const FrameView& shown) { redraw_frame(w, shown); });
  redraw_frame(w, v);
  return v;
}

void redraw_frame(const App& w, const FrameView& v) {
  begin_frame();
  draw_frame(w.m, w.cv, w.d, w.pic, v);
  end_frame();
}

}  // namespace cpt
