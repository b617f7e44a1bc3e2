#include "console/summary.h"

#include "core/console.h"

namespace cpt {

namespace {

// Name of the path type (on the line of its number) and its parameter line.
void print_path_params(const Model& m) {
  switch (m.pb.cptype) {
    case PathType::Arc:
      con_printf(" 円弧");
      con_printf("\n  中心A=(%5.1f %5.1f)[m]  半径R=%5.1f[m]  円弧角θ=%5.1f[deg]", m.pb.arc.Ax,
                 m.pb.arc.Ay, m.pb.arc.R, m.sf * RAD2DEG);
      break;
    case PathType::Sine:
      con_printf(" 正弦波");
      con_printf("\n  波長sinL=%5.1f[m] 振幅sinA=%5.1f[m]", m.pb.sine.L, m.pb.sine.A);
      break;
    case PathType::UShape:
      con_printf(" Ｕ字軌道");
      con_printf("\n  直線部長さL=%5.1f[m] 湾曲部半径R=%5.1f[m]", m.pb.ushape.L, m.pb.ushape.R);
      break;
    case PathType::Slalom:
      con_printf(" スラローム(半円の繋がり)");
      con_printf("\n  円弧部半径R=%5.1f[m] 半円の個数N=%d", m.pb.slalom.R, m.pb.slalom.N);
      break;
    case PathType::AccCam:
      con_printf(" 等加速度カム曲線軌道");
      con_printf("\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]", m.pb.cam.L, m.pb.cam.H);
      break;
    case PathType::CycloidCam:
      con_printf(" サイクロイドカム曲線");
      con_printf("\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]", m.pb.cycloid.L, m.pb.cycloid.H);
      break;
    case PathType::Waypoints:
      con_printf(" %s", kWaypointPathName);
      con_printf("\n  経由点の数N=%d 弦長の合計=%7.4f[m]", m.pb.waypoints.n, m.sf);
      break;
    default:  // the straight line shows only its points and sf
      break;
  }
}

}  // namespace

void print_settings(const Model& m) {
  const PathType c = m.pb.cptype;
  con_printf("\n\n/*************** 設定した最短時間制御の条件 ************************/");

  // Robot and its dimensions.
  if (m.pb.robot.kind == Robot::Cylindrical) {
    con_printf("\n円筒座標ロボット");
    con_printf("\n アーム長 L=%6.2f[m]", m.pb.robot.L);
  }
  if (m.pb.robot.kind == Robot::Scara) {
    con_printf("\nSCARAロボット");
    con_printf("\n ２つのアーム長 (L1,L2)=(%6.2f %6.2f)[m]", m.pb.robot.l1, m.pb.robot.l2);
  }

  // Path: type, parameters, start and end points, length of s.
  con_printf("\nCP軌道：%d", type_number(c));
  print_path_params(m);
  con_printf("\n  始点(x0,y0)=(%7.4f %7.4f)[m] 終点(xf,yf)=(%7.4f %7.4f)[m]", m.P0[0],
             m.P0[1], m.Pf[0], m.Pf[1]);
  con_printf("\n  軌道変数の長さsf=%7.4f", m.sf);

  // Joint limits, in the units of the robot.
  if (m.pb.robot.kind == Robot::Cylindrical)
    con_printf("\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(%5.1f[m^2/s^2] %5.1f[m/s^2])", m.pb.a1max,
               m.pb.a2max);
  if (m.pb.robot.kind == Robot::Scara)
    con_printf("\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(%5.1f %5.1f)[m^2/s^2])", m.pb.a1max,
               m.pb.a2max);
  // Speed limits, only when one is set (0: none).
  if (has_speed_limits(m)) {
    con_printf("\n関節最大速度(v1max,v2max)=(%5.2f %5.2f) 手先最大速度vtool=%5.2f[m/s] (0:制限なし)",
               m.pb.vmax[0], m.pb.vmax[1], m.pb.vtool);
  }
  con_printf("\n/**************** 設定終わり ***************************************/");
  con_printf("\n");
}

}  // namespace cpt
