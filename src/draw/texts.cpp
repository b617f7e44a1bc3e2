#include "draw/texts.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/units.h"
#include "draw/primitives.h"

namespace cpt {

namespace {

// Values from this size on (and non-finite ones) are shown as '?' digits.
constexpr double kLargestShown = 1e9;

// Appends characters to a fixed buffer, always keeping a terminating zero.
struct TextWriter {
  char* p;
  char* end;
  TextWriter(char* buf, std::size_t cap) : p(buf), end(buf + cap - 1) { *p = 0; }
  explicit TextWriter(NumberText& buf) : TextWriter(buf, kNumberTextCap) {}
  explicit TextWriter(ReadoutText& buf) : TextWriter(buf, kReadoutCap) {}
  void put(char c) {
    if (p < end) *p++ = c;
    *p = 0;
  }
  void put(const char* s) {
    while (*s) put(*s++);
  }
};

// A value is cut to its last shown decimal as one integer, so that the
// digits always agree with each other: 0.29 (stored as 0.28999...) shows
// 0.290, not 0.28 followed by a digit ten. The slack is a millionth of the
// last decimal, far below anything the motion resolves.
constexpr double kDigitSlack = 1e-6;

// How the last shown decimal is reached: the panel's results are cut, the
// readout's state is rounded.
enum class Last { Cut, Rounded };

// Integer part and `decimals` decimals of v (at most 4), with '+' before a
// value that is not negative when `plus`. A value that shows as zero has no
// minus sign.
void write_fixed(TextWriter& w, double v, int decimals, Last last = Last::Cut, bool plus = false) {
  if (!std::isfinite(v) || std::fabs(v) >= kLargestShown) {
    w.put('?');
    w.put('.');
    for (int k = 0; k < decimals; ++k) w.put('?');
    return;
  }
  unsigned long scale = 1;
  for (int k = 0; k < decimals; ++k) scale *= 10;
  const double scaled = std::fabs(v) * scale;
  const auto cut = static_cast<unsigned long>(last == Last::Cut ? scaled + kDigitSlack : scaled + 0.5);
  if (v < 0 && cut > 0) w.put('-');
  else if (plus) w.put('+');
  char digits[24];
  write_digits(digits, cut / scale);
  w.put(digits);
  w.put('.');
  // Decimals from the most significant down.
  for (unsigned long unit = scale / 10; unit > 0; unit /= 10) w.put(digit_table[(cut / unit) % 10]);
}

// v rounded to `decimals` decimals without the trailing zeros (and the point
// when none is left): 10, 0.5, 9.98.
void write_short(TextWriter& w, double v, int decimals) {
  NumberText text;
  TextWriter t(text);
  write_fixed(t, v, decimals, Last::Rounded);
  char* last = t.p - 1;
  while (last > text && *last == '0') *last-- = 0;
  if (*last == '.') *last = 0;
  w.put(text);
}

const char* drive_text(Drive d, SpeedLimit limit) {
  if (d == Drive::Accel) return "max acc";
  if (d == Drive::Decel) return "max dec";
  switch (limit) {
    case SpeedLimit::Hand: return "along the hand speed limit";
    case SpeedLimit::Joint1: return "along the joint 1 speed limit";
    case SpeedLimit::Joint2: return "along the joint 2 speed limit";
    case SpeedLimit::None: break;
  }
  return "along a speed limit";
}

constexpr float kColumnX = -0.95f;

}  // namespace

int write_digits(char* out, unsigned long v) {
  char rev[24];
  int n = 0;
  do {
    rev[n++] = digit_table[v % 10];
    v /= 10;
  } while (v > 0);
  for (int k = 0; k < n; ++k) out[k] = rev[n - 1 - k];
  out[n] = 0;
  return n;
}

void format_limits(NumberText& out, const RobotSpec& robot, double a1max, double a2max) {
  TextWriter w(out);
  const char *u1 = effort_unit(robot, 0).panel, *u2 = effort_unit(robot, 1).panel;
  const bool one_unit = std::strcmp(u1, u2) == 0;
  const auto unit = [&w](const char* u) {
    w.put('[');
    w.put(u);
    w.put(']');
  };
  w.put('(');
  write_fixed(w, a1max, 1);
  if (!one_unit) unit(u1);
  w.put(", ");
  write_fixed(w, a2max, 1);
  if (!one_unit) unit(u2);
  w.put(')');
  if (one_unit) unit(u1);
  w.put('\n');
}

void format_speed_limits(NumberText& out, const Model& m) {
  TextWriter w(out);
  const auto limit = [&w](double v) {
    if (v > 0) write_fixed(w, v, 2);
    else w.put('-');
  };
  w.put('(');
  limit(m.pb.vmax[0]);
  w.put(", ");
  limit(m.pb.vmax[1]);
  w.put(") Vhand=");
  limit(m.pb.vtool);
  w.put("[m/s]\n");
}

void format_time(NumberText& out, double v) {
  TextWriter w(out);
  write_fixed(w, v, 3);
  w.put("[s]\n");
}

void format_value(NumberText& out, double v, int decimals) {
  TextWriter w(out);
  write_fixed(w, v, decimals, Last::Rounded);
  // No decimals: no point either.
  if (w.p > out && w.p[-1] == '.') *--w.p = 0;
}

int decimals_for(double step) {
  int d = 0;
  for (double scaled = std::fabs(step); d < 3; ++d, scaled *= 10) {
    if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled)) break;
  }
  return d;
}

void format_gap(NumberText& out, double seconds, double percent) {
  TextWriter w(out);
  write_fixed(w, seconds, 3, Last::Cut, true);
  w.put("[s] (");
  write_fixed(w, percent, 2, Last::Cut, true);
  w.put("%)\n");
}

void format_readout(ReadoutText& state, ReadoutText& drive, const StateReadout& r) {
  TextWriter a(state);
  a.put("t=");
  write_fixed(a, r.t, 4, Last::Rounded);
  a.put(" s  s=");
  write_fixed(a, r.s, 4, Last::Rounded);
  a.put("  sd=");
  write_fixed(a, r.sd, 4, Last::Rounded);
  a.put("  step ");
  write_short(a, 1000 * r.dt, 2);
  a.put(" ms");
  TextWriter b(drive);
  b.put("drive: ");
  b.put(drive_text(r.drive, r.limit));
  // Above the limit only by an amount that shows.
  const bool above = r.below < 0 && std::fabs(r.below) * 1e4 + 0.5 >= 1;
  b.put(above ? "  above limit " : "  below limit ");
  write_fixed(b, above ? -r.below : r.below, 4, Last::Rounded);
}

void draw_title(Backend& out) {
  draw_text(out, -0.99f, 0.95f, Font::HELVETICA_18, "CP Time optimal control : Phase Plane Analysis");
}

void draw_info_panel(Backend& out, const Model& m, const Motion& mo) {
  const Font f = Font::HELVETICA_18;
  const float x0 = kColumnX;
  // Robot label.
  if (m.pb.robot.kind == Robot::Cylindrical) draw_text(out, x0, 0.9f, f, "(a) Cylindrical coordinate robot");
  if (m.pb.robot.kind == Robot::Scara) draw_text(out, x0, 0.9f, f, "(b) SCARA robot");
  // Acceleration limits.
  NumberText value;
  const bool rigid = m.pb.robot.dynamics == Dynamics::RigidLinks;
  draw_text(out, x0 + 0.05f, 0.85f, f, rigid ? "EFFmax(1,2)=" : "ACCmax(x,y)=");
  format_limits(value, m.pb.robot, m.pb.a1max, m.pb.a2max);
  draw_text(out, x0 + 0.35f, 0.85f, f, value);
  // Goal time (the frame sets it to the time of the last switching record).
  draw_text(out, x0 + 0.05f, 0.8f, f, "Goal time=");
  format_time(value, mo.tf);
  draw_text(out, x0 + 0.3f, 0.8f, f, value);
  // Duration of the reference CP motion.
  draw_text(out, x0 + 0.55f, 0.8f, f, "Normal CP time=");
  format_time(value, mo.Tn);
  draw_text(out, x0 + 0.9f, 0.8f, f, value);
  draw_text(out, x0 + 0.05f, 0.75f, f, "1 grid=(0.1[m], 0.1[m])");
  // Speed limits, only when one is set.
  if (has_speed_limits(m)) {
    draw_text(out, x0 + 0.05f, 0.65f, f, "VELmax(1,2)=");
    format_speed_limits(value, m);
    draw_text(out, x0 + 0.35f, 0.65f, f, value);
    draw_text(out, x0 + 0.95f, 0.65f, f, kCeilingKey);
  }
}

void draw_optimum_panel(Backend& out, const Motion& mo, const OptimumSeen& os) {
  if (!os.shown || !os.ok) return;
  const Font f = Font::HELVETICA_18;
  const float x0 = kColumnX;
  NumberText value;
  draw_text(out, x0 + 0.55f, 0.75f, f, "Optimum=");
  format_time(value, os.T);
  draw_text(out, x0 + 0.8f, 0.75f, f, value);
  if (mo.traj_state != TrajState::Obtained || !(os.T > 0)) return;
  draw_text(out, x0 + 0.55f, 0.7f, f, "Goal-Optimum=");
  format_gap(value, mo.tf - os.T, 100 * (mo.tf - os.T) / os.T);
  draw_text(out, x0 + 0.9f, 0.7f, f, value);
}

void draw_state_readout(Backend& out, const StateReadout& r) {
  ReadoutText state, drive;
  format_readout(state, drive, r);
  draw_text(out, kColumnX + 0.05f, 0.6f, Font::HELVETICA_18, state);
  draw_text(out, kColumnX + 0.05f, 0.55f, Font::HELVETICA_18, drive);
}

void draw_added_keys(Backend& out) {
  draw_text(out, kColumnX + 0.05f, 0.7f, Font::HELVETICA_18, kAddedKeys);
  draw_text(out, kColumnX + 0.25f, 0.7f, Font::HELVETICA_18, kOptimumKey);
}

void draw_session_line(Backend& out, const char* text) {
  draw_text(out, kColumnX + 0.05f, 0.5f, Font::HELVETICA_12, text);
}

void draw_message(Backend& out, const char* text) { draw_text(out, -0.5f, 0.1f, Font::TIMES_ROMAN_24, text); }

void draw_notice(Backend& out, const char* text) { draw_text(out, -0.99f, -0.97f, Font::HELVETICA_18, text); }

}  // namespace cpt
