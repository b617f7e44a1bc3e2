// The two robots seen from above, drawn over the picture grid: white bodies
// outlined in the robot colour, joints as ring markers, the gripper hand with
// its workpiece and a red tool-centre dot at the hand tip.
#pragma once

#include "draw/backend.h"
#include "draw/colour.h"
#include "core/state.h"

namespace cpt {

// Robot 'a' at q = (arm angle [rad], base-to-tip distance r [m]).
void draw_cylindrical_robot(Backend& out, const Picture& pic, const Vec2& q, const Colour& colour);
// Robot 'b' at q = (link 1 angle, link 2 angle relative to link 1) [rad].
void draw_scara_robot(Backend& out, const Picture& pic, const Vec2& q, const Colour& colour);
// One SCARA link (kind 1 or 2) with its joint at `start` (absolute world point).
void draw_link(Backend& out, const Picture& pic, int kind, const Vec2& start, double length,
               double width, double angle, const Colour& colour);
// The hand with its workpiece; `tip` is an absolute world point, `angle` the hand axis.
void draw_hand(Backend& out, const Picture& pic, const Vec2& tip, double angle, const Colour& colour);

}  // namespace cpt
