// What one frame of the window does to the motion, without drawing it.
//
// One frame is one step: a construction step with its two look-ahead curves,
// one revealed step of the landed final trajectory (walking), or one step of
// the replay; a frame after a key that could not advance the motion
// (Frame::redraw_only) only redraws the current state.
// run_frame makes these state changes and returns a FrameView, which is all
// the window needs to draw the frame; a program without a window runs the
// same frames and reports the view's messages as text.
#pragma once

#include <functional>
#include <string>

#include "core/state.h"

namespace cpt {

// Window messages of the frame cycle.
inline constexpr const char* kMsgStepFailed =
    "Inverse kinematics no solution or acc over! 1step back='t'";
// A step that ends above a speed limit's ceiling: the limit it broke.
inline constexpr const char* kMsgOverHandSpeed = "Over the hand speed limit! 1step back='t'";
inline constexpr const char* kMsgOverJoint1Speed = "Over the joint 1 speed limit! 1step back='t'";
inline constexpr const char* kMsgOverJoint2Speed = "Over the joint 2 speed limit! 1step back='t'";
inline constexpr const char* kMsgObtained = "Trajectory obtained!";
// Notices: why a key did not advance the motion.
inline constexpr const char* kNoticeStepsFull =
    "Step table full (2000 steps): go back with 't' or restart with '0'";
inline constexpr const char* kNoticeRecordsFull =
    "Switching table full: no more switchings, land with 'f' or restart with '0'";
inline constexpr const char* kNoticeAtRest =
    "The motion has stopped before the end of the path: go back with 't' or 'r'";
inline constexpr const char* kNoticeReplayEnd = "End of the motion: '0' replays it";
inline constexpr const char* kNoticeStepFailed =
    "The step failed (no solution, not finite, or off the path): go back with 't' or restart with '0'";
inline constexpr const char* kNoticeNoSwitch =
    "No switching here: the motion is at rest or off the path; go back with 't'";
inline constexpr const char* kNoticeLandDecelerating =
    "No landing: the trajectory already decelerates where it meets the end curve";
inline constexpr const char* kNoticeLandShort =
    "No landing: the deceleration stops before the end of the path; go back with 't'";
inline constexpr const char* kNoticeLandFailed =
    "No landing: the deceleration into the end could not be integrated; go back with 't'";
inline constexpr const char* kNoticeLandAboveCeiling =
    "No landing: the deceleration into the end passes a speed limit; go back with 't'";
inline constexpr const char* kNoticeOptimumHidden = "The optimum is hidden in this problem (an exam)";
inline constexpr const char* kNoticeNoSpeedLimit = "No speed limit is set: 'l' has no ceiling to follow";
inline constexpr const char* kNoticeNotAtCeiling =
    "Not at a speed limit: 'l' follows it from an accelerating state within one step below it";
inline constexpr const char* kNoticeCeilingSteep =
    "Staying on the speed limit needs more than the joint limits: leave it with 'c' or 'r'";
inline constexpr const char* kNoticeAnswerInTerminal =
    "The settings dialog is waiting: answer in the terminal";
inline constexpr const char* kNoticeRebuildFailed =
    "The trajectory could not be rebuilt (see the console): start again from rest";

enum class FrameMode {
  Construction,  // the trajectory being built, with the look-ahead curves
  Walking,       // the landed trajectory revealed up to step n
  Replay,        // the robot at step n of the finished trajectory
};

struct FrameView {
  FrameMode mode = FrameMode::Construction;
  // Construction and walking: Y[0..n] is drawn. Replay: the optimal motion
  // is at step n (at most nf), the reference motion at step `reference`.
  int n = 0;
  int reference = 0;
  bool look_ahead = false;   // look_keep / look_switch of the Frame are this frame's
  // The step failed or broke a limit: kMsgStepFailed, or kMsgOver... when it
  // ends above a speed limit's ceiling; nullptr otherwise.
  const char* step_failed = nullptr;
  bool obtained = false;     // kMsgObtained
  const char* notice = nullptr;
  // The switching report of the motion obtained in this frame, for the
  // program to print.
  std::string report;
};

// Called in the frame that completes the walk, once the trajectory is rebuilt
// and before the switching report is printed: the window shows the frame
// with "Trajectory obtained!" here. Not called when the rebuild fails.
using OnObtained = std::function<void(const FrameView&)>;

// One frame: sets tf to the goal time, then makes the step of the current
// mode (or only redraws, after a key that takes no step: a view key, '0',
// 'o', or one that could not advance) and returns what the frame shows.
// Ends the key's diagnostic scope.
FrameView run_frame(Console& con, const Model& m, const Curves& cv, Data& d, const OnObtained& on_obtained = {});

enum class StepOutcome {
  Done,       // stored at istep + 1
  OverLimit,  // stored, but a sub-step broke a joint limit by more than TOL_STEP
  Failed,     // not taken: a sub-step failed, the state left the path, or no row is left for it
  Steep,      // not taken: staying on the ceiling breaks a joint limit by more than TOL_STEP
};

// The construction step: nsub sub-steps of rkg over dt from Y[istep] (along
// the ceiling while mo.ceiling is set), stored at istep + 1 with t advanced,
// unless it failed. A step that ends above the ceiling is OverLimit; when it
// broke no joint limit, *above (if given) names the speed limit of that
// ceiling (None otherwise). A step from the last row of the tables is not
// taken (Failed).
StepOutcome construction_step(Console& con, const Model& m, RhsState& rs, Motion& mo, AccRecord& acc_now,
                              SpeedLimit* above = nullptr);

// A look-ahead curve from y at time t with the torque choice torque_sel, in
// at most NSTEP steps of dt0, into pts[0..]; returns the last index. It ends
// at the first failed step (not kept) or at the first point beyond a joint
// limit by TOL_CURVE, above a speed limit, below sd = 0 or beyond the end of
// the path (kept).
int look_ahead(Console& con, const Model& m, RhsState& rs, int torque_sel, double t, const Vec2& y,
               Vec2* pts, AccRecord& acc_now);

// A blue ring of the replay where a joint reaches, leaves or jumps between
// its limits at step k (k >= 1) of the finished trajectory: returns 1 with
// the hand point and the radius, or 0.
int limit_marker(const Model& m, const Picture& pic, const Motion& mo, int k, Vec2& at,
                 double& radius);

}  // namespace cpt
