#include "console/summary.h"

#include "core/console.h"

namespace cpt {

namespace {

// Name of the path type (on the line of its number) and its parameter line.
void print_path_params(const Settings& st) {
  switch (st.cptype) {
    case PathType::Arc:
      con_printf(" 円弧");
      con_printf("\n  中心A=(%5.1f %5.1f)[m]  半径R=%5.1f[m]  円弧角θ=%5.1f[deg]", st.arc_Ax,
                 st.arc_Ay, st.arc_R, st.sf[PathType::Arc] * RAD2DEG);
      break;
    case PathType::Sine:
      con_printf(" 正弦波");
      con_printf("\n  波長sinL=%5.1f[m] 振幅sinA=%5.1f[m]", st.sinL, st.sinA);
      break;
    case PathType::UShape:
      con_printf(" Ｕ字軌道");
      con_printf("\n  直線部長さL=%5.1f[m] 湾曲部半径R=%5.1f[m]", st.u_L, st.u_R);
      break;
    case PathType::Slalom:
      con_printf(" スラローム(半円の繋がり)");
      con_printf("\n  円弧部半径R=%5.1f[m] 半円の個数N=%d", st.sl_R, st.sl_N);
      break;
    case PathType::AccCam:
      con_printf(" 等加速度カム曲線軌道");
      con_printf("\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]", st.cam_L, st.cam_H);
      break;
    case PathType::CycloidCam:
      con_printf(" サイクロイドカム曲線");
      con_printf("\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]", st.cyc_L, st.cyc_H);
      break;
    case PathType::Waypoints:
      con_printf(" %s", kWaypointPathName);
      con_printf("\n  経由点の数N=%d 弦長の合計=%7.4f[m]", st.wp_n, st.sf[PathType::Waypoints]);
      break;
    default:  // the straight line shows only its points and sf
      break;
  }
}

}  // namespace

void print_settings(const Settings& st) {
  const PathType c = st.cptype;
  con_printf("\n\n/*************** 設定した最短時間制御の条件 ************************/");

  // Robot and its dimensions.
  if (st.robottype == Robot::Cylindrical) {
    con_printf("\n円筒座標ロボット");
    con_printf("\n アーム長 L=%6.2f[m]", st.L);
  }
  if (st.robottype == Robot::Scara) {
    con_printf("\nSCARAロボット");
    con_printf("\n ２つのアーム長 (L1,L2)=(%6.2f %6.2f)[m]", st.l1, st.l2);
  }

  // Path: type, parameters, start and end points, length of s.
  con_printf("\nCP軌道：%d", type_number(c));
  print_path_params(st);
  con_printf("\n  始点(x0,y0)=(%7.4f %7.4f)[m] 終点(xf,yf)=(%7.4f %7.4f)[m]", st.P0[c][0],
             st.P0[c][1], st.Pf[c][0], st.Pf[c][1]);
  con_printf("\n  軌道変数の長さsf=%7.4f", st.sf[c]);

  // Joint limits, in the units of the robot.
  if (st.robottype == Robot::Cylindrical)
    con_printf("\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(%5.1f[m^2/s^2] %5.1f[m/s^2])", st.a1max,
               st.a2max);
  if (st.robottype == Robot::Scara)
    con_printf("\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(%5.1f %5.1f)[m^2/s^2])", st.a1max,
               st.a2max);
  // Speed limits, only when one is set (0: none).
  if (has_speed_limits(st)) {
    con_printf("\n関節最大速度(v1max,v2max)=(%5.2f %5.2f) 手先最大速度vtool=%5.2f[m/s] (0:制限なし)",
               st.vmax[0], st.vmax[1], st.vtool);
  }
  con_printf("\n/**************** 設定終わり ***************************************/");
  con_printf("\n");
}

}  // namespace cpt
