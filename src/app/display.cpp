#include "app/display.h"

#include "app/window.h"
#include "plots/frame_picture.h"

namespace cpt {

FrameView display_frame(World& w) {
  const FrameView v = run_frame(w, [&w](const FrameView& shown) { redraw_frame(w, shown); });
  redraw_frame(w, v);
  return v;
}

void redraw_frame(const World& w, const FrameView& v) {
  begin_frame();
  draw_frame(w, v);
  end_frame();
}

}  // namespace cpt
