// Switching records: the state of the motion where the torque choice changes,
// with the joint accelerations just after the change.
#pragma once

#include "core/state.h"

namespace cpt {

// The record at state y and time t for the torque choice torque_sel that
// holds from there on; acc receives f's record at y.
SwitchRecord switch_record(const Settings& st, RhsState& rs, int torque_sel, double t,
                           const Vec2& y, AccRecord& acc);

// True when y is a state the motion can be in: finite, 0 <= s <= sf.
bool on_path(const Settings& st, const Vec2& y);

}  // namespace cpt
