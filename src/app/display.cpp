#include "app/display.h"

#include "app/window.h"
#include "draw/texts.h"
#include "plots/frame_picture.h"

namespace cpt {

namespace {
std::string session_line;
}  // namespace

void set_session_line(const std::string& text) { session_line = text; }

FrameView display_frame(Backend& out, App& w) {
  const FrameView v = app_run_frame(w, [&out, &w](const FrameView& shown) { redraw_frame(out, w, shown); });
  redraw_frame(out, w, v);
  return v;
}

void redraw_frame(Backend& out, const App& w, const FrameView& v) {
  begin_frame();
  draw_frame(out, w.m, w.cv, w.d, w.pic, v);
  if (!session_line.empty()) draw_session_line(out, session_line.c_str());
  end_frame();
}

}  // namespace cpt
