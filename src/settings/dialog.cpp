#include "settings/dialog.h"

#include <cstdlib>

#include "model/boundary.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "planner/curves.h"
#include "settings/ask.h"
#include "settings/console.h"
#include "settings/path_blocks.h"
#include "settings/summary.h"

namespace {

// Sections of the dialog; Ready and Ended leave it.
enum class Sec { Questions, RobotType, RobotDims, Limits, Path, Compute, Ready, Ended };

[[noreturn]] void end_program() { std::exit(1); }
DialogEndHook g_end_hook = end_program;

void print_key_help() {
  con_printf("\n\n描画画面上でキーによる操作選択");
  con_printf("\n(1) 'a' 'b' : ロボットの選択");
  con_printf("\n(2) 'k'     : CP軌道曲線変更");
  con_printf("\n(3) 'u'     : 関節最大加速度変更");
  con_printf("\n(4)   描画の選択");
  con_printf("\n(4-1) 's'    ：運動継続");
  con_printf("\n(4-2) 't'    ：１つ戻って時間刻み小さくする");
  con_printf("\n(4-3) 'r'    ：１つ戻り時間刻み元に戻しトルク切り替える");
  con_printf("\n(4-4) 'c'    ：単にトルク切り替える");
  con_printf("\n(4-5) 'f'    ：最後の軌道に乗せる：少し行き過ぎてから");
  con_printf("\n             ：[註]r,cを押してはならない");
  con_printf("\n(4-6) '0'    ：運動初期状態に戻す");
  con_printf("\n(5-1)  'w' 'W'：ロボット図の縮小拡大");
  con_printf("\n(5-2)  'x' 'X' 'y' 'Y'：ロボット図の左右・上下移動");
  con_printf("\n(6)   ESC    ：終了");
}

// Where the entry key leads.
Sec entry_section(World& w) {
  switch (w.mo.key) {
    case 'a':
    case 'b':
      w.st.robottype = w.mo.key;  // the keyboard handler has stored it already
      return Sec::RobotDims;
    case 'u': return Sec::Limits;
    case 'k': return Sec::Path;
    default: return Sec::Questions;
  }
}

// Q1..Q3, the start-up questions; only lower-case 'y' and 'n' count.
Sec questions() {
  int k;
  if (!ask_key("\nロボットタイプ変更する？　yes : y   no : n    ", k)) return Sec::Ended;
  if (k == 'y') return Sec::RobotType;
  if (!ask_key("\n最大加速度変更する？　yes : y   no : n    ", k)) return Sec::Ended;
  if (k == 'y') return Sec::Limits;
  if (!ask_key("\n軌道曲線変更する？　yes : y   no : n    ", k)) return Sec::Ended;
  if (k == 'y') return Sec::Path;
  if (k == 'n') return Sec::Compute;
  return Sec::RobotType;
}

// R1..R3: the robot type key, asked again until it is 'a' or 'b'.
Sec robot_type(Settings& st) {
  con_printf("\n(1) CP運動種類の変更 a:円筒座標ロボット，b:SCARAロボット");
  for (bool first = true;; first = false) {
    if (!first) con_printf("%s", kBadInput);
    if (st.robottype == 'a') con_printf("\n    旧：円筒座標ロボット");
    if (st.robottype == 'b') con_printf("\n    旧：SCARAロボット");
    int k;
    if (!ask_key("   入力  a or b    ロボットタイプ=", k)) return Sec::Ended;
    if (k == 'a' || k == 'b') {
      st.robottype = static_cast<char>(k);
      return Sec::RobotDims;
    }
  }
}

// R4..R7: arm lengths of the SCARA robot, then where to go on.
Sec robot_dims(Settings& st, Picture& pic) {
  if (st.robottype == 'a') con_printf("\n  円筒座標ロボット");
  if (st.robottype == 'b') {
    con_printf("\n    旧アーム長(l1,l2)=(%5.2f %5.2f)[m]", st.l1, st.l2);
    constexpr Field kinds[] = {Field::Positive, Field::Positive};
    double v[2];
    if (!ask_values("\n    アーム長入力  l1 l2=", kinds, 2, v)) return Sec::Ended;
    st.l1 = v[0];
    st.l2 = v[1];
    pic.link1_draw = st.l1;
    pic.link2_draw = st.l2 - pic.hand_len;
    con_printf("\n    SCARAロボット　アーム長(l1,l2)=(%5.2f %5.2f)[m]", st.l1, st.l2);
  }
  int k;
  if (!ask_key("\n\n関節最大加速度変更する？　 yes : y,   no : n  ", k)) return Sec::Ended;
  if (k == 'y') return Sec::Limits;
  if (!ask_key("\n\nCP軌道変更する？　 yes : y,   no : n  ", k)) return Sec::Ended;
  return k == 'y' ? Sec::Path : Sec::Compute;
}

// U1..U4: the joint acceleration limits.
Sec limits(Settings& st) {
  con_printf("\n(2) 関節最大加減速変更  旧amax(x,y)＝(%6.2f %6.2f)", st.a1max, st.a2max);
  constexpr Field kinds[] = {Field::Positive, Field::Positive};
  double v[2];
  if (!ask_values("\n    入力　a1max a2max=", kinds, 2, v)) return Sec::Ended;
  st.a1max = v[0];
  st.a2max = v[1];
  con_printf("\n    関節最大加減速 amax(1,2)=(%6.2f %6.2f)", st.a1max, st.a2max);
  int k;
  if (!ask_key("\n\nCP軌道変更する？　 yes : y,   no : n  ", k)) return Sec::Ended;
  return k == 'y' ? Sec::Path : Sec::Compute;
}

// K: the path type, asked again until it is 1..7, and the block of that type.
Sec path(Settings& st) {
  con_printf("\n(3) CP運動種類の変更");
  con_printf("\n運動選択c= 1:円弧　2:正弦波 3:Ｕ字 4:スラローム");
  con_printf("\n         = 5:等加速度カム   6:サイクロイドカム 　 7:直線");
  char prompt[64];
  std::snprintf(prompt, sizeof prompt, "\n旧運動＝%d  入力 c=", st.cptype);
  constexpr Field kinds[] = {Field::PathType};
  double v;
  if (!ask_values(prompt, kinds, 1, &v)) return Sec::Ended;
  st.cptype = static_cast<int>(v);
  return path_block(st) ? Sec::Compute : Sec::Ended;
}

// C10..C16: view scales and the motion at rest at the start of the path.
void reset_motion(World& w) {
  Motion& mo = w.mo;
  const double sf = w.st.sf_now();
  w.pic.zoom = 1.0;
  w.pic.pp_zoom = 1.0;
  if (sf < 1.01) w.pic.pp_zoom = 2.0;
  if (sf > 1.99) w.pic.pp_zoom = 0.4;

  mo.nf = 0;
  mo.istep = 0;
  mo.tt[0] = 0;
  mo.t = mo.tt[0];
  mo.dt = dt0;
  mo.torque_sel = 1;
  mo.NCHN = 0;
  mo.chn_step[0] = 0;
  // The old reference motion belongs to the old path: the panel shows no
  // normal CP time until the new trajectory is obtained.
  mo.Tn = 0;
  mo.nn = 0;
  mo.NCT = 0;
  for (int i = 0; i < NSTEP; ++i) {
    mo.tt[i] = 0;
    mo.A[i] = AccRecord{};
    mo.Y[i] = {0, 0};
  }
  mo.chn[0].t = mo.chn[0].s = mo.chn[0].sd = 0;
  mo.Y[0] = {0, 0};

  // Accelerations of maximum acceleration at rest at the start.
  int ok = 0;
  f(w.st, w.rhs, mo.torque_sel, 1, mo.t, mo.Y[0].data(), mo.A[0], ok);
  mo.chn[0].acc = mo.A[0].acc;
  mo.traj_state = '0';
  mo.final_state = '0';
}

// C1..C17. Ready, or back to the path section when a check fails.
Sec compute(World& w) {
  Settings& st = w.st;
  const int c = st.cptype;
  cpcurve(st, st.sf[c], st.Pf[c]);
  print_settings(st);
  con_printf("\n\n.........計算中..................\n");

  // Start joint values; an unreachable start point sends the user to the path.
  if (!inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0())) {
    con_printf("\n逆運動学解なし robottype=%c P0[]=(%7.4f %7.4f) 設定し直し", st.robottype,
               st.P0[c][0], st.P0[c][1]);
    return Sec::Path;
  }
  calDmax(st, w.cv);
  w.mo.t = 0;
  w.mo.nf = 0;
  w.mo.istep = 0;
  w.mo.torque_sel = 1;
  extremal_curves(st, w.rhs, w.mo, w.cv);
  if (!calboundary(st, w.cv)) {
    con_printf("\nトルク境界線の解がない robottype=%c 軌道=%d 軌道変更へ", st.robottype, st.cptype);
    return Sec::Path;
  }
  reset_motion(w);
  con_printf("\n\n............計算終了　描画画面へ..........");
  return Sec::Ready;
}

Sec run_section(Sec s, World& w) {
  switch (s) {
    case Sec::Questions: return questions();
    case Sec::RobotType: return robot_type(w.st);
    case Sec::RobotDims: return robot_dims(w.st, w.pic);
    case Sec::Limits: return limits(w.st);
    case Sec::Path: return path(w.st);
    case Sec::Compute: return compute(w);
    default: return s;
  }
}

}  // namespace

void set_dialog_end_hook(DialogEndHook hook) { g_end_hook = hook ? hook : end_program; }

int settings_dialog(World& w) {
  print_key_help();
  print_settings(w.st);
  Sec s = entry_section(w);
  while (s != Sec::Ready && s != Sec::Ended) s = run_section(s, w);
  if (s == Sec::Ready) return 1;
  con_printf("%s", kEndOfInput);
  g_end_hook();
  return 0;
}
