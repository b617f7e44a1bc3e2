// The construction state of the motion and the operations that change it.
//
// The cursor (istep, t, dt), the torque choice and the ceiling followed
// (torque_sel, ceiling), the switching records (NCHN, chn, chn_step), the end
// (nf, tf) and the states of the frame cycle (traj_state, final_state) are
// written only here; everything else reads them. Each operation checks what
// it needs and writes nothing when that is not there.
#pragma once

#include "core/state.h"
#include "model/ceiling.h"
#include "planner/integrator.h"

namespace cpt {

// Switching records that a landing needs: the landing and the end.
constexpr int kLandingRecords = 2;

// The motion is being built: neither obtained nor walking a landed trajectory.
bool constructing(const Motion& mo);

// Room for one more switching record, kLandingRecords being kept for the landing.
bool record_room(const Motion& mo);

// Room for the records of a landing.
bool landing_room(const Motion& mo);

// Room for one more step after the current one in the step tables.
bool step_room(const Motion& mo);

// A switching only where the motion moves forwards along the path: a state
// at rest would run backwards after it, and a state off the path is no
// state. k is a step of the tables (0..NTAB-1).
bool can_switch_at(const Model& m, const Motion& mo, int k);

// --- Start and states ---------------------------------------------------

// The motion at rest at the start of the path, with nothing built: the
// construction starts again (the step history and record 0 are kept).
void rest_at_start(Motion& mo);

// Record 0 of a new preparation: at rest at the start at time 0, with the
// joint accelerations of step 0.
void start_record(Motion& mo);

// '0': the replay from its first frame; the walk from the start of the landed
// trajectory (its switching records kept: they define what the walk rebuilds
// at its end); or the construction at rest at the start.
void rewind_motion(Motion& mo);

// Walking begins at the landing step, the record before the end record.
void begin_walk(Motion& mo);

// The walk's rebuild is done: the replay begins at step 0 with the end time
// of the switching records.
void mark_obtained(Motion& mo);

// tf: the goal time of the panel, the time of the last switching record.
void set_goal_time(Motion& mo);

// --- Cursor ---------------------------------------------------------------

// The step shown by walking and the replay, and the construction's step held
// inside the tables (k is held to 0..NTAB-1). The time is not touched.
void go_to_step(Motion& mo, int k);

// The construction back at stored step k: istep and t of that step.
void at_step(Motion& mo, int k);

// 't': back at stored step k (held to 0..NTAB-1), on with a twentieth of the
// step. Back before the switch onto a ceiling, the construction accelerates
// again from there, without the ceiling record.
void step_back_to(Motion& mo, int k);

// Stores the run r as the step after the current one and moves there.
// Returns false, with nothing written, when the tables have no room for it.
bool take_step(Motion& mo, const StepRun& r);

// --- Switching records --------------------------------------------------

enum class Switching {
  Recorded,
  NotBuilding,  // obtained or walking: the switchings are settled
  RecordsFull,  // no room for a record (the landing's being kept)
  NoState,      // the state at the switch is at rest or off the path
};

// 'r' and 'c': a switching of the torque choice at the current step, or (back)
// at the step before it; the record holds its time and state and the joint
// accelerations of the switched choice there. From a ceiling the motion
// decelerates. The step goes back to dt0.
Switching switch_torque(Console& con, const Model& m, RhsState& rs, Motion& mo, bool back);

// 'l': a ceiling record at the current step, with the state lifted onto the
// ceiling point cp: the construction follows cp's limit from there in steps
// of dt0. Returns false, with nothing written, when there is no room for it.
bool follow_ceiling(Motion& mo, const CeilingPoint& cp);

// A landing: the records after `record` are dropped, the landing record is
// written at `record` and the end record after it.
struct LandingRecords {
  int record = 1;        // index of the landing record (>= 1)
  int step = 0;          // step of the landing
  SwitchRecord land;     // the switch to maximum deceleration there
  int end_step = 0;      // step of the end, at rest (nf)
  SwitchRecord end;      // the end record
  double t = 0;          // time of the last integrated step
  double tf = 0;         // end time, interpolated to sd = 0
};

// Writes the records of a landing, the end (nf, tf) and the cursor's time,
// with maximum deceleration. Returns false, with nothing written, when the
// records or the end step are outside their tables.
bool commit_landing(Motion& mo, const LandingRecords& r);

// --- The rebuild (calcp) ------------------------------------------------
// The rebuild runs its own cursor over the switching records: t, nf and the
// torque choice.

// At rest at the start, maximum acceleration, no step yet.
void rebuild_begin(Motion& mo);

// One step further at time t: returns the new nf, or -1 with nothing written
// when the tables are full.
int rebuild_step(Motion& mo, double t);

// The torque choice of the drive after a switch.
void rebuild_drive(Motion& mo, Drive next);

// Record i switches at the rebuild's time: its time and tf are that time.
// Returns false, with nothing written, when i is outside the records.
bool rebuild_switch_time(Motion& mo, int i);

}  // namespace cpt
