#include "console/summary.h"

#include "console/path_texts.h"
#include "core/console.h"
#include "model/paths.h"

namespace cpt {

namespace {

// Name of the path type (on the line of its number) and its parameter line.
void print_path_params(Console& con, const Model& m) {
  if (const PathTexts* t = path_texts(m.pb.cptype)) {
    double v[kMaxPathValues + 3] = {};
    path_values(m.pb, m.pb.cptype, v);
    if (t->summary_name) con.print("%s", t->summary_name);
    const int i = t->summary_from;
    if (t->summary_values) con.print(t->summary_values, v[i], v[i + 1], v[i + 2], v[i + 3]);
  } else if (m.pb.cptype == PathType::Waypoints) {
    con.print(" %s", kWaypointPathName);
    con.print("\n  経由点の数N=%d 弦長の合計=%7.4f[m]", m.pb.waypoints.n, m.sf);
  }
}

}  // namespace

void print_settings(Console& con, const Model& m) {
  const PathType c = m.pb.cptype;
  con.print("\n\n/*************** 設定した最短時間制御の条件 ************************/");

  // Robot and its dimensions.
  if (m.pb.robot.kind == Robot::Cylindrical) {
    con.print("\n円筒座標ロボット");
    con.print("\n アーム長 L=%6.2f[m]", m.pb.robot.L);
  }
  if (m.pb.robot.kind == Robot::Scara) {
    con.print("\nSCARAロボット");
    con.print("\n ２つのアーム長 (L1,L2)=(%6.2f %6.2f)[m]", m.pb.robot.l1, m.pb.robot.l2);
  }

  // Path: type, parameters, start and end points, length of s.
  con.print("\nCP軌道：%d", type_number(c));
  print_path_params(con, m);
  con.print("\n  始点(x0,y0)=(%7.4f %7.4f)[m] 終点(xf,yf)=(%7.4f %7.4f)[m]", m.P0[0],
             m.P0[1], m.Pf[0], m.Pf[1]);
  con.print("\n  軌道変数の長さsf=%7.4f", m.sf);

  // Joint limits, in the units of the robot.
  if (m.pb.robot.kind == Robot::Cylindrical)
    con.print("\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(%5.1f[m^2/s^2] %5.1f[m/s^2])", m.pb.a1max,
               m.pb.a2max);
  if (m.pb.robot.kind == Robot::Scara)
    con.print("\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(%5.1f %5.1f)[m^2/s^2])", m.pb.a1max,
               m.pb.a2max);
  // Speed limits, only when one is set (0: none).
  if (has_speed_limits(m)) {
    con.print("\n関節最大速度(v1max,v2max)=(%5.2f %5.2f) 手先最大速度vtool=%5.2f[m/s] (0:制限なし)",
               m.pb.vmax[0], m.pb.vmax[1], m.pb.vtool);
  }
  con.print("\n/**************** 設定終わり ***************************************/");
  con.print("\n");
}

}  // namespace cpt
