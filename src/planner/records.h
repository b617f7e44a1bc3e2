// Switching records: the state of the motion where the torque choice changes,
// with the joint accelerations just after the change.
#pragma once

#include "core/state.h"

namespace cpt {

// The record at state y and time t for the torque choice torque_sel that
// holds from there on; acc receives f's record at y.
SwitchRecord switch_record(Console& con, const Model& m, RhsState& rs, int torque_sel, double t,
                           const Vec2& y, AccRecord& acc);

// What drives the motion on from record i: record 0 starts with maximum
// acceleration, a ceiling record slides along its ceiling, and every other
// switching changes the torque choice (from the ceiling to deceleration).
Drive drive_after(const Motion& mo, int i);

// The torque choice of a drive: -1 for deceleration, else +1.
inline int drive_sel(Drive d) { return d == Drive::Decel ? -1 : +1; }

// True when y is a state the motion can be in: finite, 0 <= s <= sf.
bool on_path(const Model& m, const Vec2& y);

}  // namespace cpt
