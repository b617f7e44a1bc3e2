// The texts that head every frame: the title line and the information panel
// (robot, acceleration limits, goal time, reference CP time) with the readout
// of the motion's state under it, the messages of the frame cycle, and the
// digit formats they use. A value that shows as zero shows no sign: 0.000,
// never -0.000.
#pragma once

#include <cstddef>

#include "core/state.h"
#include "draw/backend.h"

namespace cpt {

// The characters digits are shown with; a digit d is digit_table[d].
inline constexpr char digit_table[] = "0123456789s";

// Room for any text made by the formats below, terminating zero included.
constexpr std::size_t kNumberTextCap = 48;
using NumberText = char[kNumberTextCap];


// Decimal digits of v written at out (with a terminating zero); returns their count.
int write_digits(char* out, unsigned long v);
// The joint limits cut (not rounded) to one decimal, in their units
// (core/units.h): "(I1.D1, I2.D2)[U]\n" when both joints have the unit U,
// "(I1.D1[U1], I2.D2[U2])\n" when they differ.
void format_limits(NumberText& out, const RobotSpec& robot, double a1max, double a2max);
// "I.DDD[s]\n": a time cut (not rounded) to three decimals.
void format_time(NumberText& out, double v);


// v rounded to `decimals` decimals (at most 4), as the plots' scales show
// it: "0.5", "12" for no decimals.
void format_value(NumberText& out, double v, int decimals);
// The decimals that show every multiple of `step` exactly (at most 3): 0 for
// 1 or 5, 1 for 0.5, 2 for 0.05.
int decimals_for(double step);

// "+I.DDD[s] (+P.PP%)\n": a signed time and percentage, cut like the others.
void format_gap(NumberText& out, double seconds, double percent);

// The state of the motion a frame shows, for the readout under the panel.
struct StateReadout {
  double t = 0, s = 0, sd = 0;
  Drive drive = Drive::Accel;
  SpeedLimit limit = SpeedLimit::None;  // the ceiling followed (drive Ceiling)
  double dt = 0;     // the step length [s]
  double below = 0;  // the velocity limit at s minus sd [1/s]
};
constexpr std::size_t kReadoutCap = 96;
using ReadoutText = char[kReadoutCap];
// The readout's two lines, "t=0.4000 s  s=0.3998  sd=1.5987  step 10 ms" and
// "drive: max acc  below limit 0.0523" ("above limit" and how far, when sd
// is above it): the values rounded to four decimals, the step in
// milliseconds to two, without trailing zeros.
void format_readout(ReadoutText& state, ReadoutText& drive, const StateReadout& r);

// "(V1, V2) Vhand=VH[m/s]\n": the speed limits cut to two decimals, "-" for one not set.
void format_speed_limits(NumberText& out, const Model& m);

void draw_title(Backend& out);
// The information panel: robot, limits, goal time tf, reference time Tn,
// and the speed limits when one is set.
void draw_info_panel(Backend& out, const Model& m, const Motion& mo);
// The keys added to the window's commands, in one short line under the
// panel; the window title and the console's key help keep their text.
inline constexpr const char* kAddedKeys = "p: SVG";
inline constexpr const char* kOptimumKey = "o: optimum";
// Beside the speed limits, when one is set.
inline constexpr const char* kCeilingKey = "l: along the limit";
// While the automatic optimum is shown: "Optimum=" and its time beside the
// goal time, and once the trajectory is obtained how far the goal time is
// from it.
void draw_optimum_panel(Backend& out, const Motion& mo, const OptimumSeen& os);
// The readout, in two lines under the panel.
void draw_state_readout(Backend& out, const StateReadout& r);
// Texts drawn below this height stay clear of the panel and the readout.
constexpr double kPanelBottom = 0.52;
void draw_added_keys(Backend& out);
// A line about the session just under the readout: that the run is being
// recorded, or where a replay stands (the window program's).
void draw_session_line(Backend& out, const char* text);
// A frame-cycle message in the large font, across the middle of the picture.
void draw_message(Backend& out, const char* text);
// A one-line notice at the foot of the picture.
void draw_notice(Backend& out, const char* text);

}  // namespace cpt
