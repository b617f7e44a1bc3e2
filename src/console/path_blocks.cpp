#include "console/path_blocks.h"

#include "model/paths.h"
#include "console/ask.h"
#include "core/console.h"
#include "console/summary.h"

namespace cpt {

namespace {

constexpr Field kPointAndTwo[] = {Field::Any, Field::Any, Field::Positive, Field::Positive};

// A start point (x, y) from the first two values.
void set_start(Vec2& P0, const double* v) { P0 = {v[0], v[1]}; }

bool line_block(Problem& pb) {
  con_printf("\n7 直線運動　旧始点P0=(%5.2f %5.2f)[m] 長さl=%5.2f[m] 傾きβ=%5.2f[deg]", pb.line.P0[0],
             pb.line.P0[1], pb.line.l, pb.line.beta * RAD2DEG);
  constexpr Field kinds[] = {Field::Any, Field::Any, Field::Positive, Field::Any};
  double v[4];
  if (!ask_values("\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=", kinds, 4, v)) return false;
  set_start(pb.line.P0, v);
  pb.line.l = v[2];
  pb.line.beta = v[3] * DEG2RAD;
  con_printf("\n  長さl=%5.2f[m] 傾きβ=%5.2f[deg]", pb.line.l, pb.line.beta * RAD2DEG);
  return true;
}

// The arc's start point is derived from its centre, never entered.
bool arc_block(Problem& pb) {
  con_printf("\n1 円弧運動　旧中心A=(%5.2f %5.2f)[m] 半径=%5.2f[m] 円弧角=%5.2f[deg])", pb.arc.Ax,
             pb.arc.Ay, pb.arc.R, pb.arc.angle * RAD2DEG);
  double v[4];
  if (!ask_values("\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=", kPointAndTwo, 4, v))
    return false;
  pb.arc.Ax = v[0];
  pb.arc.Ay = v[1];
  pb.arc.R = v[2];
  pb.arc.angle = v[3] * DEG2RAD;
  con_printf("\n  中心A=(%5.2f %5.2f)[m] 半径R=%5.2f[m] 円弧角=%6.2f[deg]", pb.arc.Ax, pb.arc.Ay,
             pb.arc.R, pb.arc.angle * RAD2DEG);
  return true;
}

bool sine_block(Problem& pb) {
  con_printf("\n2 正弦波運動  旧始点P0=(%5.2f %5.2f)[m], (波長A,振幅L)=(%5.2f %5.2f)[m]",
             pb.sine.P0[0], pb.sine.P0[1], pb.sine.L, pb.sine.A);
  double v[4];
  if (!ask_values("\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A=", kPointAndTwo, 4, v))
    return false;
  set_start(pb.sine.P0, v);
  pb.sine.L = v[2];
  pb.sine.A = v[3];
  con_printf("\n  波長A=%5.2f[m] 振幅L=%5.2f[m]", pb.sine.L, pb.sine.A);
  return true;
}

bool u_block(Problem& pb) {
  con_printf("\n3 Ｕ字軌道運動　旧始点A=(%5.2f %5.2f)[m]", pb.ushape.P0[0], pb.ushape.P0[1]);
  con_printf("\n            直線部長さL=%5.2f[m], 円弧部半径R=%5.1f[m]", pb.ushape.L, pb.ushape.R);
  double v[4];
  if (!ask_values("\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R=", kPointAndTwo, 4, v)) return false;
  set_start(pb.ushape.P0, v);
  pb.ushape.L = v[2];
  pb.ushape.R = v[3];
  con_printf("\n  直線部L=%5.2f[m] 円弧部半径R=%5.2f[m]", pb.ushape.L, pb.ushape.R);
  return true;
}

bool slalom_block(Problem& pb) {
  con_printf("\n4 スラローム　旧始点=(%5.2f %5.2f)[m] 円弧部半径R=%5.2f[m] 円弧数N=%d",
             pb.slalom.P0[0], pb.slalom.P0[1], pb.slalom.R, pb.slalom.N);
  constexpr Field kinds[] = {Field::Any, Field::Any, Field::Positive, Field::Count};
  double v[4];
  if (!ask_values("\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=", kinds, 4, v)) return false;
  set_start(pb.slalom.P0, v);
  pb.slalom.R = v[2];
  pb.slalom.N = static_cast<int>(v[3]);
  con_printf("\n  円弧部半径R=%5.2f[m] 円弧数N=%d", pb.slalom.R, pb.slalom.N);
  return true;
}

bool cam_block(Problem& pb) {
  con_printf("\n5 等加速度カム曲線　旧始点P0=(%5.2f %5.2f)[m] 移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]",
             pb.cam.P0[0], pb.cam.P0[1], pb.cam.L, pb.cam.H);
  double v[4];
  if (!ask_values("\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H=", kPointAndTwo, 4, v))
    return false;
  set_start(pb.cam.P0, v);
  pb.cam.L = v[2];
  pb.cam.H = v[3];
  con_printf("\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]", pb.cam.L, pb.cam.H);
  return true;
}

bool cycloid_block(Problem& pb) {
  con_printf("\n6 サイクロイドカム曲線　旧 始点P0=(%5.2f %5.2f)[m]", pb.cycloid.P0[0], pb.cycloid.P0[1]);
  con_printf("\n                        移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]", pb.cycloid.L, pb.cycloid.H);
  double v[4];
  if (!ask_values("\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H=", kPointAndTwo, 4, v))
    return false;
  set_start(pb.cycloid.P0, v);
  pb.cycloid.L = v[2];
  pb.cycloid.H = v[3];
  con_printf("\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]", pb.cycloid.L, pb.cycloid.H);
  return true;
}

// The waypoint path comes from a problem file: nothing is asked, the points stay.
bool waypoint_block(const Problem& pb) {
  con_printf("\n8 %s　経由点の数N=%d 弦長の合計=%7.4f[m]（変更なし）", kWaypointPathName, pb.waypoints.n,
             build_model(pb).sf);
  return true;
}

}  // namespace

bool path_block(Problem& pb) {
  switch (pb.cptype) {
    case PathType::Arc: return arc_block(pb);
    case PathType::Sine: return sine_block(pb);
    case PathType::UShape: return u_block(pb);
    case PathType::Slalom: return slalom_block(pb);
    case PathType::AccCam: return cam_block(pb);
    case PathType::CycloidCam: return cycloid_block(pb);
    case PathType::Line: return line_block(pb);
    case PathType::Waypoints: return waypoint_block(pb);
  }
  return true;
}

}  // namespace cpt
