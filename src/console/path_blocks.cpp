#include "console/path_blocks.h"

#include "model/paths.h"
#include "console/ask.h"
#include "core/console.h"
#include "console/summary.h"

namespace cpt {

namespace {

constexpr Field kPointAndTwo[] = {Field::Any, Field::Any, Field::Positive, Field::Positive};

// Start point (x, y) of type c from the first two values.
void set_start(Settings& st, PathType c, const double* v) { st.P0[c] = {v[0], v[1]}; }

bool line_block(Settings& st) {
  con_printf("\n7 直線運動　旧始点P0=(%5.2f %5.2f)[m] 長さl=%5.2f[m] 傾きβ=%5.2f[deg]", st.P0[PathType::Line][0],
             st.P0[PathType::Line][1], st.line_l, st.line_beta * RAD2DEG);
  constexpr Field kinds[] = {Field::Any, Field::Any, Field::Positive, Field::Any};
  double v[4];
  if (!ask_values("\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=", kinds, 4, v)) return false;
  set_start(st, PathType::Line, v);
  st.line_l = v[2];
  st.line_beta = v[3] * DEG2RAD;
  update_path_derived(st, PathType::Line);
  con_printf("\n  長さl=%5.2f[m] 傾きβ=%5.2f[deg]", st.line_l, st.line_beta * RAD2DEG);
  return true;
}

// The arc's start point is derived from its centre, never entered.
bool arc_block(Settings& st) {
  con_printf("\n1 円弧運動　旧中心A=(%5.2f %5.2f)[m] 半径=%5.2f[m] 円弧角=%5.2f[deg])", st.arc_Ax,
             st.arc_Ay, st.arc_R, st.sf[PathType::Arc] * RAD2DEG);
  double v[4];
  if (!ask_values("\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=", kPointAndTwo, 4, v))
    return false;
  st.arc_Ax = v[0];
  st.arc_Ay = v[1];
  st.arc_R = v[2];
  st.sf[PathType::Arc] = v[3] * DEG2RAD;
  update_path_derived(st, PathType::Arc);
  con_printf("\n  中心A=(%5.2f %5.2f)[m] 半径R=%5.2f[m] 円弧角=%6.2f[deg]", st.arc_Ax, st.arc_Ay,
             st.arc_R, st.sf[PathType::Arc] * RAD2DEG);
  return true;
}

bool sine_block(Settings& st) {
  con_printf("\n2 正弦波運動  旧始点P0=(%5.2f %5.2f)[m], (波長A,振幅L)=(%5.2f %5.2f)[m]",
             st.P0[PathType::Sine][0], st.P0[PathType::Sine][1], st.sinL, st.sinA);
  double v[4];
  if (!ask_values("\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A=", kPointAndTwo, 4, v))
    return false;
  set_start(st, PathType::Sine, v);
  st.sinL = v[2];
  st.sinA = v[3];
  update_path_derived(st, PathType::Sine);
  con_printf("\n  波長A=%5.2f[m] 振幅L=%5.2f[m]", st.sinL, st.sinA);
  return true;
}

bool u_block(Settings& st) {
  con_printf("\n3 Ｕ字軌道運動　旧始点A=(%5.2f %5.2f)[m]", st.P0[PathType::UShape][0], st.P0[PathType::UShape][1]);
  con_printf("\n            直線部長さL=%5.2f[m], 円弧部半径R=%5.1f[m]", st.u_L, st.u_R);
  double v[4];
  if (!ask_values("\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R=", kPointAndTwo, 4, v)) return false;
  set_start(st, PathType::UShape, v);
  st.u_L = v[2];
  st.u_R = v[3];
  update_path_derived(st, PathType::UShape);
  con_printf("\n  直線部L=%5.2f[m] 円弧部半径R=%5.2f[m]", st.u_L, st.u_R);
  return true;
}

bool slalom_block(Settings& st) {
  con_printf("\n4 スラローム　旧始点=(%5.2f %5.2f)[m] 円弧部半径R=%5.2f[m] 円弧数N=%d",
             st.P0[PathType::Slalom][0], st.P0[PathType::Slalom][1], st.sl_R, st.sl_N);
  constexpr Field kinds[] = {Field::Any, Field::Any, Field::Positive, Field::Count};
  double v[4];
  if (!ask_values("\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=", kinds, 4, v)) return false;
  set_start(st, PathType::Slalom, v);
  st.sl_R = v[2];
  st.sl_N = static_cast<int>(v[3]);
  update_path_derived(st, PathType::Slalom);
  con_printf("\n  円弧部半径R=%5.2f[m] 円弧数N=%d", st.sl_R, st.sl_N);
  return true;
}

bool cam_block(Settings& st) {
  con_printf("\n5 等加速度カム曲線　旧始点P0=(%5.2f %5.2f)[m] 移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]",
             st.P0[PathType::AccCam][0], st.P0[PathType::AccCam][1], st.cam_L, st.cam_H);
  double v[4];
  if (!ask_values("\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H=", kPointAndTwo, 4, v))
    return false;
  set_start(st, PathType::AccCam, v);
  st.cam_L = v[2];
  st.cam_H = v[3];
  update_path_derived(st, PathType::AccCam);
  con_printf("\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]", st.cam_L, st.cam_H);
  return true;
}

bool cycloid_block(Settings& st) {
  con_printf("\n6 サイクロイドカム曲線　旧 始点P0=(%5.2f %5.2f)[m]", st.P0[PathType::CycloidCam][0], st.P0[PathType::CycloidCam][1]);
  con_printf("\n                        移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]", st.cyc_L, st.cyc_H);
  double v[4];
  if (!ask_values("\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H=", kPointAndTwo, 4, v))
    return false;
  set_start(st, PathType::CycloidCam, v);
  st.cyc_L = v[2];
  st.cyc_H = v[3];
  update_path_derived(st, PathType::CycloidCam);
  con_printf("\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]", st.cyc_L, st.cyc_H);
  return true;
}

// The waypoint path comes from a problem file: nothing is asked, the points stay.
bool waypoint_block(const Settings& st) {
  con_printf("\n8 %s　経由点の数N=%d 弦長の合計=%7.4f[m]（変更なし）", kWaypointPathName, st.wp_n,
             st.sf[PathType::Waypoints]);
  return true;
}

}  // namespace

bool path_block(Settings& st) {
  switch (st.cptype) {
    case PathType::Arc: return arc_block(st);
    case PathType::Sine: return sine_block(st);
    case PathType::UShape: return u_block(st);
    case PathType::Slalom: return slalom_block(st);
    case PathType::AccCam: return cam_block(st);
    case PathType::CycloidCam: return cycloid_block(st);
    case PathType::Line: return line_block(st);
    case PathType::Waypoints: return waypoint_block(st);
  }
  return true;
}

}  // namespace cpt
