#include "console/dialog.h"


#include "model/paths.h"
#include "model/waypoints.h"
#include "model/singular.h"
#include "planner/prepare.h"
#include "console/ask.h"
#include "core/console.h"
#include "console/path_blocks.h"
#include "console/summary.h"

namespace cpt {

namespace {

// Sections of the dialog; Ready and Ended leave it.
enum class Sec { Questions, RobotType, RobotDims, Limits, Path, Compute, Ready, Ended };


}  // namespace

void print_key_help(Console& con) {
  con.print("\n\n描画画面上でキーによる操作選択");
  con.print("\n(1) 'a' 'b' : ロボットの選択");
  con.print("\n(2) 'k'     : CP軌道曲線変更");
  con.print("\n(3) 'u'     : 関節最大加速度変更");
  con.print("\n(4)   描画の選択");
  con.print("\n(4-1) 's'    ：運動継続");
  con.print("\n(4-2) 't'    ：１つ戻って時間刻み小さくする");
  con.print("\n(4-3) 'r'    ：１つ戻り時間刻み元に戻しトルク切り替える");
  con.print("\n(4-4) 'c'    ：単にトルク切り替える");
  con.print("\n(4-5) 'f'    ：最後の軌道に乗せる：少し行き過ぎてから");
  con.print("\n             ：[註]r,cを押してはならない");
  con.print("\n(4-6) '0'    ：運動初期状態に戻す");
  con.print("\n(5-1)  'w' 'W'：ロボット図の縮小拡大");
  con.print("\n(5-2)  'x' 'X' 'y' 'Y'：ロボット図の左右・上下移動");
  con.print("\n(6)   ESC    ：終了");
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
  if (!ask_key(con, "\nロボットタイプ変更する？　yes : y   no : n    ", k)) return Sec::Ended;
  if (k == 'y') return Sec::RobotType;
  if (!ask_key(con, "\n最大加速度変更する？　yes : y   no : n    ", k)) return Sec::Ended;
  if (k == 'y') return Sec::Limits;
  if (!ask_key(con, "\n軌道曲線変更する？　yes : y   no : n    ", k)) return Sec::Ended;
  if (k == 'y') return Sec::Path;
  if (k == 'n') return Sec::Compute;
  return Sec::RobotType;
}

// The robot type key, asked again until it is 'a' or 'b'.
Sec robot_type(Console& con, Problem& pb) {
  con.print("\n(1) CP運動種類の変更 a:円筒座標ロボット，b:SCARAロボット");
  for (bool first = true;; first = false) {
    if (!first) con.print("%s（a または b のキー）", kBadInput);
    if (pb.robot.kind == Robot::Cylindrical) con.print("\n    旧：円筒座標ロボット");
    if (pb.robot.kind == Robot::Scara) con.print("\n    旧：SCARAロボット");
    int k;
    if (!ask_key(con, "   入力  a or b    ロボットタイプ=", k)) return Sec::Ended;
    if (k == 'a' || k == 'b') {
      pb.robot.kind = robot_of_key(k);
      return Sec::RobotDims;
    }
  }
}

// The arm lengths of the SCARA robot, then where to go on.
Sec robot_dims(Console& con, Problem& pb, Picture& pic) {
  if (pb.robot.kind == Robot::Cylindrical) con.print("\n  円筒座標ロボット");
  if (pb.robot.kind == Robot::Scara) {
    con.print("\n    旧アーム長(l1,l2)=(%5.2f %5.2f)[m]", pb.robot.l1, pb.robot.l2);
    constexpr Field kinds[] = {Field::Positive, Field::Positive};
    double v[2];
    if (!ask_values(con, "\n    アーム長入力  l1 l2=", kinds, 2, v)) return Sec::Ended;
    pb.robot.l1 = v[0];
    pb.robot.l2 = v[1];
    arm_picture(pb.robot, pic);
    con.print("\n    SCARAロボット　アーム長(l1,l2)=(%5.2f %5.2f)[m]", pb.robot.l1, pb.robot.l2);
  }
  int k;
  if (!ask_key(con, "\n\n関節最大加速度変更する？　 yes : y,   no : n  ", k)) return Sec::Ended;
  if (k == 'y') return Sec::Limits;
  if (!ask_key(con, "\n\nCP軌道変更する？　 yes : y,   no : n  ", k)) return Sec::Ended;
  return k == 'y' ? Sec::Path : Sec::Compute;
}

// The joint acceleration limits.
Sec limits(Console& con, Problem& pb) {
  con.print("\n(2) 関節最大加減速変更  旧amax(x,y)＝(%6.2f %6.2f)", pb.a1max, pb.a2max);
  constexpr Field kinds[] = {Field::Positive, Field::Positive};
  double v[2];
  if (!ask_values(con, "\n    入力　a1max a2max=", kinds, 2, v)) return Sec::Ended;
  pb.a1max = v[0];
  pb.a2max = v[1];
  con.print("\n    関節最大加減速 amax(1,2)=(%6.2f %6.2f)", pb.a1max, pb.a2max);
  int k;
  if (!ask_key(con, "\n\nCP軌道変更する？　 yes : y,   no : n  ", k)) return Sec::Ended;
  return k == 'y' ? Sec::Path : Sec::Compute;
}

// The path type, asked again until it is 1..7, and the block of that type.
// While a waypoint path is held (from a problem file) 8 is offered too: it
// keeps that path as it is.
Sec path(Console& con, Problem& pb) {
  const bool waypoints = waypoint_fault(build_model(pb)) == nullptr;
  con.print("\n(3) CP運動種類の変更");
  con.print("\n運動選択c= 1:円弧　2:正弦波 3:Ｕ字 4:スラローム");
  con.print("\n         = 5:等加速度カム   6:サイクロイドカム 　 7:直線");
  if (waypoints) con.print("\n         = 8:%s（ファイルの経由点のまま）", kWaypointPathName);
  char prompt[64];
  std::snprintf(prompt, sizeof prompt, "\n旧運動＝%d  入力 c=", type_number(pb.cptype));
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
  con.print("\n\n.........計算中..................\n");
  switch (prepare_motion(con, pb, m, cv, d, pic)) {
    case Prepared::StartUnreachable:
      // An unreachable start point sends the user to the path.
      con.print("\n逆運動学解なし robottype=%c P0[]=(%7.4f %7.4f) 設定し直し", robot_key(pb.robot.kind),
                 m.P0[0], m.P0[1]);
      return Prepared::StartUnreachable;
    case Prepared::NoBoundary:
      con.print("\nトルク境界線の解がない robottype=%c 軌道=%d 軌道変更へ", robot_key(pb.robot.kind), type_number(pb.cptype));
      return Prepared::NoBoundary;
    case Prepared::NotFinite:
      con.print("\nこの設定では計算値が有限にならない（値が極端）．設定し直し");
      return Prepared::NotFinite;
    case Prepared::TooFast:
      con.print("\nこの設定では運動が%d[ms]の刻み%d回に満たない（軌道が小さすぎるか最大加速度が大きすぎる）．設定し直し",
                 static_cast<int>(dt0 * 1000 + 0.5), kMinSteps);
      return Prepared::TooFast;
    case Prepared::Singular: {
      const SingularApproach a = closest_singularity(m);
      con.print("\n軌道が特異姿勢（%s）に近すぎる s=%7.4f 位置(x,y)=(%7.4f %7.4f) 距離=%.1e[m] < %.0e[m]．設定し直し",
                 singularity_name(a.what), a.s, a.p[0], a.p[1], a.dist, TOL_SINGULAR_DIST);
      return Prepared::Singular;
    }
    case Prepared::Ready:
      break;
  }
  con.print("\n\n............計算終了　描画画面へ..........");
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
  if (entry_key == 'a' || entry_key == 'b') pb.robot.kind = robot_of_key(entry_key);
  print_key_help(con);
  print_settings(con, build_model(pb));
  Sec s = entry_section(entry_key);
  while (s != Sec::Ready && s != Sec::Ended) s = run_section(con, s, pb, m, cv, d, pic);
  if (s == Sec::Ready) return 1;
  con.print("%s", kEndOfInput);
  return 0;
}

int start_up(Console& con, Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  pb = default_problem();
  pic = default_picture(pb.robot);
  return settings_dialog(con, pb, m, cv, d, pic);
}

}  // namespace cpt
