#include "console/dialog.h"


#include "model/paths.h"
#include "model/waypoints.h"
#include "model/singular.h"
#include "planner/prepare.h"
#include "console/ask.h"
#include "core/console.h"
#include "core/units.h"
#include "console/path_blocks.h"
#include "console/summary.h"

namespace cpt {

namespace {

// Sections of the dialog; Ready and Ended leave it.
enum class Sec { Questions, RobotType, RobotDims, Limits, Path, Compute, Ready, Ended };


}  // namespace

void print_key_help(Console& con) {
  con.say(Txt::KeyHelp);
}

namespace {

// Where the entry key leads.
Sec entry_section(int key) {
  switch (key) {
    case 'a':
    case 'b':
      return Sec::RobotDims;
    case 'u': return Sec::Limits;
    case 'k': return Sec::Path;
    default: return Sec::Questions;
  }
}

// The start-up questions (robot? limits? path?); only lower-case 'y' and 'n' count.
Sec questions(Console& con) {
  int k;
  if (!ask_key(con, con.tr(Txt::AskChangeRobot), k)) return Sec::Ended;
  if (k == 'y') return Sec::RobotType;
  if (!ask_key(con, con.tr(Txt::AskChangeLimits), k)) return Sec::Ended;
  if (k == 'y') return Sec::Limits;
  if (!ask_key(con, con.tr(Txt::AskChangePath), k)) return Sec::Ended;
  if (k == 'y') return Sec::Path;
  if (k == 'n') return Sec::Compute;
  return Sec::RobotType;
}

// The robot type key, asked again until it is 'a' or 'b'.
Sec robot_type(Console& con, Problem& pb) {
  con.say(Txt::RobotSection);
  for (bool first = true;; first = false) {
    if (!first) con.say(Txt::BadRobotKey, con.tr(Txt::BadInput));
    if (pb.robot.kind == Robot::Cylindrical) con.say(Txt::OldCylindrical);
    if (pb.robot.kind == Robot::Scara) con.say(Txt::OldScara);
    int k;
    if (!ask_key(con, con.tr(Txt::AskRobotKey), k)) return Sec::Ended;
    if (k == 'a' || k == 'b') {
      choose_robot(pb.robot, robot_of_key(k));
      return Sec::RobotDims;
    }
  }
}

// The arm lengths of the SCARA robot, then where to go on.
Sec robot_dims(Console& con, Problem& pb, Picture& pic) {
  if (pb.robot.kind == Robot::Cylindrical) con.say(Txt::CylindricalChosen);
  if (pb.robot.kind == Robot::Scara) {
    con.say(Txt::OldArms, pb.robot.l1, pb.robot.l2);
    constexpr Field kinds[] = {Field::Positive, Field::Positive};
    double v[2];
    if (!ask_values(con, con.tr(Txt::AskArms), kinds, 2, v)) return Sec::Ended;
    pb.robot.l1 = v[0];
    pb.robot.l2 = v[1];
    arm_picture(pb.robot, pic);
    con.say(Txt::NewArms, pb.robot.l1, pb.robot.l2);
  }
  int k;
  if (!ask_key(con, con.tr(Txt::AskChangeJointLimits), k)) return Sec::Ended;
  if (k == 'y') return Sec::Limits;
  if (!ask_key(con, con.tr(Txt::AskChangeCpPath), k)) return Sec::Ended;
  return k == 'y' ? Sec::Path : Sec::Compute;
}

// The limits of a real robot, in their units (core/units.h); `rigid` and
// `per_mass` are the texts for a real robot and for the unit point mass.
void say_limits(Console& con, const Problem& pb, Txt rigid, Txt per_mass) {
  if (pb.robot.dynamics == Dynamics::RigidLinks) {
    con.say(rigid, pb.a1max, effort_unit(pb.robot, 0).unit, pb.a2max, effort_unit(pb.robot, 1).unit);
  } else {
    con.say(per_mass, pb.a1max, pb.a2max);
  }
}

// The joint acceleration limits (the efforts of a real robot).
Sec limits(Console& con, Problem& pb) {
  say_limits(con, pb, Txt::LimitsSectionRigid, Txt::LimitsSection);
  constexpr Field kinds[] = {Field::Positive, Field::Positive};
  double v[2];
  if (!ask_values(con, con.tr(Txt::AskLimits), kinds, 2, v)) return Sec::Ended;
  pb.a1max = v[0];
  pb.a2max = v[1];
  say_limits(con, pb, Txt::NewLimitsRigid, Txt::NewLimits);
  int k;
  if (!ask_key(con, con.tr(Txt::AskChangeCpPath), k)) return Sec::Ended;
  return k == 'y' ? Sec::Path : Sec::Compute;
}

// The path type, asked again until it is 1..7, and the block of that type.
// While a waypoint path is held (from a problem file) 8 is offered too: it
// keeps that path as it is.
Sec path(Console& con, Problem& pb) {
  const bool waypoints = waypoint_fault(build_model(pb)) == nullptr;
  con.say(Txt::PathSection);
  if (waypoints) con.say(Txt::PathKeepWaypoints, con.tr(Txt::WaypointPathName));
  char prompt[64];
  std::snprintf(prompt, sizeof prompt, con.tr(Txt::AskPathType), type_number(pb.cptype));
  constexpr Field kinds[] = {Field::PathType};
  double v;
  if (!ask_values(con, prompt, kinds, 1, &v, waypoints ? type_number(PathType::Waypoints) : kLastEnteredType))
    return Sec::Ended;
  pb.cptype = path_type(static_cast<int>(v));
  return path_block(con, pb) ? Sec::Compute : Sec::Ended;
}

}  // namespace

Prepared compute_stage(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  print_settings(con, build_model(pb));
  con.say(Txt::Computing);
  switch (prepare_motion(con, pb, m, cv, d, pic)) {
    case Prepared::StartUnreachable:
      // An unreachable start point sends the user to the path.
      con.say(Txt::StartUnreachable, robot_key(pb.robot.kind),
                 m.P0[0], m.P0[1]);
      return Prepared::StartUnreachable;
    case Prepared::NoBoundary:
      con.say(Txt::NoBoundary, robot_key(pb.robot.kind), type_number(pb.cptype));
      return Prepared::NoBoundary;
    case Prepared::NotFinite:
      con.say(Txt::NotFinite);
      return Prepared::NotFinite;
    case Prepared::TooFast:
      con.say(Txt::TooFast,
                 static_cast<int>(dt0 * 1000 + 0.5), kMinSteps);
      return Prepared::TooFast;
    case Prepared::Singular: {
      const SingularApproach a = closest_singularity(m);
      con.say(Txt::TooNearSingular,
                 singularity_name(con.lang(), a.what), a.s, a.p[0], a.p[1], a.dist, TOL_SINGULAR_DIST);
      return Prepared::Singular;
    }
    case Prepared::Stuck: {
      const Stuck st = friction_stop(m, cv);
      const double amax[2] = {pb.a1max, pb.a2max};
      if (st.joint >= 0)
        con.say(Txt::FrictionHolds, st.joint + 1, pb.robot.body.Fc[st.joint], amax[st.joint]);
      else
        con.say(Txt::LimitZero, st.s);
      return Prepared::Stuck;
    }
    case Prepared::Ready:
      break;
  }
  con.say(Txt::Done);
  return Prepared::Ready;
}

namespace {

// The computation stage. Ready, or back to the path section when a check fails.
Sec compute(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  switch (compute_stage(con, pb, m, cv, d, pic)) {
    case Prepared::StartUnreachable:
    case Prepared::NoBoundary:
      return Sec::Path;
    case Prepared::NotFinite:
    case Prepared::TooFast:
    case Prepared::Singular:
    case Prepared::Stuck:
      return Sec::Questions;
    case Prepared::Ready:
      break;
  }
  return Sec::Ready;
}

Sec run_section(Console& con, Sec s, Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  switch (s) {
    case Sec::Questions: return questions(con);
    case Sec::RobotType: return robot_type(con, pb);
    case Sec::RobotDims: return robot_dims(con, pb, pic);
    case Sec::Limits: return limits(con, pb);
    case Sec::Path: return path(con, pb);
    case Sec::Compute: return compute(con, pb, m, cv, d, pic);
    default: return s;
  }
}

}  // namespace

int settings_dialog(Console& con, Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic, int entry_key) {
  // 'a' and 'b' choose the robot before anything is shown.
  if (entry_key == 'a' || entry_key == 'b') choose_robot(pb.robot, robot_of_key(entry_key));
  print_key_help(con);
  print_settings(con, build_model(pb));
  Sec s = entry_section(entry_key);
  while (s != Sec::Ready && s != Sec::Ended) s = run_section(con, s, pb, m, cv, d, pic);
  if (s == Sec::Ready) return 1;
  con.say(Txt::EndOfInput);
  return 0;
}

int start_up(Console& con, Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  pb = default_problem();
  pic = default_picture(pb.robot);
  return settings_dialog(con, pb, m, cv, d, pic);
}

}  // namespace cpt
