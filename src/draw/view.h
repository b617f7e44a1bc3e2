// The view: mapping of robot-world points to the screen, under the zoom and
// the picture offsets that the keys w W x X y Y change.
#pragma once

#include "core/state.h"
#include "draw/backend.h"

namespace cpt {

// The picture grid: lines on each side of the robot base, and the cell size
// in metres of the robot's world (picture units at zoom 1).
constexpr int kGridLines = 40;
constexpr double kGridCell = 0.1;

// Screen point of P given relative to the robot base (hand points of the path).
Vec2 robot_to_screen(const Picture& pic, const Vec2& P);
// Screen point of W given in absolute world coordinates (base already included).
Vec2 world_to_screen(const Picture& pic, const Vec2& W);
// The picture grid of every frame: 40 lines on each side of the robot base,
// one cell per 0.1 m of the robot's world.
void draw_picture_grid(Backend& out, const Picture& pic);

}  // namespace cpt
