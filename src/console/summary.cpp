#include "console/summary.h"

#include "console/path_texts.h"
#include "core/console.h"
#include "core/units.h"
#include "model/paths.h"

namespace cpt {

namespace {

// Name of the path type (on the line of its number) and its parameter line.
void print_path_params(Console& con, const Model& m) {
  if (const PathTexts* t = path_texts(m.pb.cptype)) {
    if (!t->in_summary) return;
    double v[kPathValueRoom] = {};
    path_values(m.pb, m.pb.cptype, v);
    con.print("%s", con.tr(t->summary_name));
    print_path_values(con, t->summary_values, v, t->summary_from);
  } else if (m.pb.cptype == PathType::Waypoints) {
    con.print(" %s", con.tr(Txt::WaypointPathName));
    con.say(Txt::SummaryWaypoints, m.pb.waypoints.n, m.sf);
  }
}

// The joint limits, in the units of the robot and its dynamics (core/units.h).
void print_limits(Console& con, const Problem& pb) {
  const bool rigid = pb.robot.dynamics == Dynamics::RigidLinks;
  const char *u1 = effort_unit(pb.robot, 0).unit, *u2 = effort_unit(pb.robot, 1).unit;
  if (pb.robot.kind == Robot::Cylindrical)
    con.say(rigid ? Txt::SummaryLimitsRigidCylindrical : Txt::SummaryLimitsCylindrical, pb.a1max, u1, pb.a2max, u2);
  if (pb.robot.kind == Robot::Scara)
    con.say(rigid ? Txt::SummaryLimitsRigidScara : Txt::SummaryLimitsScara, pb.a1max, pb.a2max, u1);
}

}  // namespace

void print_settings(Console& con, const Model& m) {
  const PathType c = m.pb.cptype;
  con.say(Txt::SummaryHead);

  // Robot and its dimensions.
  if (m.pb.robot.kind == Robot::Cylindrical) {
    con.say(Txt::SummaryCylindrical, m.pb.robot.L);
  }
  if (m.pb.robot.kind == Robot::Scara) {
    con.say(Txt::SummaryScara, m.pb.robot.l1, m.pb.robot.l2);
  }

  // Path: type, parameters, start and end points, length of s.
  con.say(Txt::SummaryPath, type_number(c));
  print_path_params(con, m);
  con.say(Txt::SummaryEnds, m.P0[0],
             m.P0[1], m.Pf[0], m.Pf[1]);
  con.say(Txt::SummarySf, m.sf);

  print_limits(con, m.pb);
  // Speed limits, only when one is set (0: none).
  if (has_speed_limits(m)) {
    con.say(Txt::SummarySpeedLimits,
               m.pb.vmax[0], m.pb.vmax[1], m.pb.vtool);
  }
  con.say(Txt::SummaryEnd);
  con.print("\n");
}

}  // namespace cpt
