#include "app/frame.h"

#include "draw/colour.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "plots/phase_plane.h"

void draw_frame_head(World& w) {
  draw_title();
  draw_info_panel(w.st, w.mo);
  draw_picture_grid(w.pic);
  if (w.mo.traj_state == 'e') return;
  // The two extremal curves and the velocity-limit boundary of the phase plane.
  plot_curve(w.pic, w.mo, w.cv.n_curve_start, w.cv.curve_start.data(), colour::blue);
  plot_curve(w.pic, w.mo, w.cv.n_curve_end, w.cv.curve_end.data(), colour::blue);
  plot_boundary(w.pic, w.mo, w.cv, colour::black);
}
