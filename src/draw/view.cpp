#include "draw/view.h"

#include "draw/primitives.h"

namespace cpt {

Vec2 robot_to_screen(const Picture& pic, const Vec2& P) {
  return {pic.zoom * (pic.base[0] + P[0]) + pic.view_x, pic.zoom * (pic.base[1] + P[1]) + pic.view_y};
}

Vec2 world_to_screen(const Picture& pic, const Vec2& W) {
  return {pic.zoom * W[0] + pic.view_x, pic.zoom * W[1] + pic.view_y};
}

void draw_picture_grid(Backend& out, const Picture& pic) {
  const double g = kGridCell * pic.zoom;
  draw_grid(out, world_to_screen(pic, pic.base), 0, kGridLines, g, g);
}

}  // namespace cpt
