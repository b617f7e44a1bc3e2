// The console dialog: transcripts typed by hand from the quoted texts and formats (%6.2f of 0.5 is "  0.50"),
// the end of input, what a finished pass leaves behind, and seeded random input.
#include "console/dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <random>

#include "console/answer.h"
#include "console/input.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {
namespace {

// One run: the result (0 at the end of input, where the programs end with status 1), whether the
// end-of-input line came last, all printed.
struct DialogRun { int result; bool ended; std::string out; };
DialogRun run_dialog(App& w, char key, const std::string& input) {
  ConsoleCapture cap(w.con, input);
  const int result = app_dialog(w, key);
  const std::string out = cap.text(), end = text(Lang::Ja, Txt::EndOfInput);
  return {result, out.size() >= end.size() && out.compare(out.size() - end.size(), end.size(), end) == 0, out};
}

const std::string kKeyHelp =
    "\n\n描画画面上でキーによる操作選択\n(1) 'a' 'b' : ロボットの選択\n(2) 'k'     : CP軌道曲線変更\n(3) 'u'     : 関節最大加速度変更"
    "\n(4)   描画の選択\n(4-1) 's'    ：運動継続\n(4-2) 't'    ：１つ戻って時間刻み小さくする\n(4-3) 'r'    ：１つ戻り時間刻み元に戻しトルク切り替える"
    "\n(4-4) 'c'    ：単にトルク切り替える\n(4-5) 'f'    ：最後の軌道に乗せる：少し行き過ぎてから\n             ：[註]r,cを押してはならない"
    "\n(4-6) '0'    ：運動初期状態に戻す\n(5-1)  'w' 'W'：ロボット図の縮小拡大\n(5-2)  'x' 'X' 'y' 'Y'：ロボット図の左右・上下移動\n(6)   ESC    ：終了";
std::string summary(const std::string& robot, const std::string& path, const std::string& limits) {
  return "\n\n/*************** 設定した最短時間制御の条件 ************************/" + robot + path + limits +
         "\n/**************** 設定終わり ***************************************/\n";
}
// A path in the summary: its head line(s), start and end points, and sf.
std::string path_text(const std::string& head, const char* from, const char* to, const char* sf) {
  return "\nCP軌道：" + head + "\n  始点(x0,y0)=(" + from + ")[m] 終点(xf,yf)=(" + to + ")[m]\n  軌道変数の長さsf=" + sf;
}
const std::string kScara = "\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.50   0.50)[m]";
const std::string kLimits = "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  2.0   2.0)[m^2/s^2])";
// The default arc: centre (0.2, 0.2), radius 0.5, 180 degrees, from (0.7, 0.2) to (-0.3, 0.2).
const std::string kArc = path_text("1 円弧\n  中心A=(  0.2   0.2)[m]  半径R=  0.5[m]  円弧角θ=180.0[deg]",
                                   " 0.7000  0.2000", "-0.3000  0.2000", " 3.1416");
const std::string kDefault = summary(kScara, kArc, kLimits);
const std::string kQ1 = "\nロボットタイプ変更する？　yes : y   no : n    ", kQ2 = "\n最大加速度変更する？　yes : y   no : n    ",
                  kQ3 = "\n軌道曲線変更する？　yes : y   no : n    ";
const std::string kRobotAsk = "\n    旧：SCARAロボット   入力  a or b    ロボットタイプ=";
const std::string kArmPrompt = "\n    アーム長入力  l1 l2=", kArmOld = "\n    旧アーム長(l1,l2)=( 0.50  0.50)[m]" + kArmPrompt;
const std::string kR6 = "\n\n関節最大加速度変更する？　 yes : y,   no : n  ", kR7 = "\n\nCP軌道変更する？　 yes : y,   no : n  ";
const std::string kUPrompt = "\n    入力　a1max a2max=", kUOld = "\n(2) 関節最大加減速変更  旧amax(x,y)＝(  2.00   2.00)" + kUPrompt;
const std::string kUNew = "\n    関節最大加減速 amax(1,2)=(  3.00   1.50)" + kR7;
const std::string kNewLimits = summary(kScara, kArc, "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  3.0   1.5)[m^2/s^2])");
const std::string kPathHeader = "\n(3) CP運動種類の変更\n運動選択c= 1:円弧　2:正弦波 3:Ｕ字 4:スラローム"
                                "\n         = 5:等加速度カム   6:サイクロイドカム 　 7:直線";
const std::string kTypePrompt1 = "\n旧運動＝1  入力 c=", kLineOld = "\n7 直線運動　旧始点P0=(-0.40  0.10)[m] 長さl= 0.80[m] 傾きβ= 0.00[deg]";
const std::string kLinePrompt = "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=";
const std::string kComputing = "\n\n.........計算中..................\n", kDone = "\n\n............計算終了　描画画面へ..........",
                  kEnd = "\n\n入力が終わりました．プログラムを終了します．\n";
// What each question accepts, said when it refuses an answer.
const std::string kTwoPositive = "（1e-6〜1e4の正の数2つを空白で区切って）", kTypeRange = "（1〜7の整数）",
                  kPointAndTwo = "（-1e4〜1e4の数2つ，1e-6〜1e4の正の数2つを空白で区切って）";

// n refused answers: the error line with what the question accepts, then the question again.
std::string again(const std::string& question, const std::string& accepts, int n) {
  std::string s;  while (n-- > 0) s += "\n  入力が正しくありません．もう一度入力してください．" + accepts + question;  return s;
}

// A pass: entry key, robot type set before, input, and what is printed between the key help and the computation.
struct Pass { const char* name; char key, robot; const char* input; std::string out; };
void PrintTo(const Pass& c, std::ostream* os) { *os << c.name; }

// From the 'k' entry through one type's block, with refused types and lines.
Pass path_case(const char* name, const char* input, int bad_types, const std::string& old, const std::string& prompt,
               const std::string& accepts, int bad, const std::string& now, const std::string& path) {
  return {name, 'k', 'b', input,
          kDefault + kPathHeader + kTypePrompt1 + again(kTypePrompt1, kTypeRange, bad_types) + old + prompt +
              again(prompt, accepts, bad) + now + summary(kScara, path, kLimits)};
}

const std::string kCyl =
    summary("\n円筒座標ロボット\n アーム長 L=  1.00[m]", kArc, "\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(  2.0[m^2/s^2]   2.0[m/s^2])");

const Pass kPasses[] = {
    {"StartUpNoNoNo", '0', 'b', "\r\nn\t\r\nn n", kDefault + kQ1 + kQ2 + kQ3 + kDefault},
    // 'Y', 'N' are other keys (Q3 'N' walks the robot section); keys not a/b refused; the key's line rest is read next.
    {"CapitalKeysAndBadRobotKeys", '0', 'b', "Y N N c A 1 b 0.5 0.5\nn n",
     kDefault + kQ1 + kQ2 + kQ3 + "\n(1) CP運動種類の変更 a:円筒座標ロボット，b:SCARAロボット" + kRobotAsk +
         again(kRobotAsk, "（a または b のキー）", 3) + kArmOld + "\n    SCARAロボット　アーム長(l1,l2)=( 0.50  0.50)[m]" +
         kR6 + kR7 + kDefault},
    {"ToLimits", '0', 'b', "n y\n3 1.5\nn", kDefault + kQ1 + kQ2 + kUOld + kUNew + kNewLimits},
    {"EntryA", 'a', 'a', "n n", kCyl + "\n  円筒座標ロボット" + kR6 + kR7 + kCyl},
    {"EntryBWithBadLengths", 'b', 'b', "0 0.5\n0.5 -0.5\nnan 1\n0.6 0.4\nn n",
     kDefault + kArmOld + again(kArmPrompt, kTwoPositive, 3) + "\n    SCARAロボット　アーム長(l1,l2)=( 0.60  0.40)[m]" +
         kR6 + kR7 + summary("\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.60   0.40)[m]", kArc, kLimits)},
    // Lines that do not convert (letters, too few / many values, nan, inf, overflow, underflow, a comma),
    // limits not positive or outside 1e-6..1e4; a blank line is passed over.
    {"EntryUWithBadLines", 'u', 'b', "3 x\n3\n3 1.5 7\nnan 1.5\n-inf 1\n1e999 1\n1 1e-310\n1,5 2\n0 1.5\n3 -1.5\n-0 2\n1e308 1\n1 9e-7\n\n3 1.5\nn",
     kDefault + kUOld + again(kUPrompt, kTwoPositive, 13) + kUNew + kNewLimits},
    // Types outside 1..7 or not whole, each positive value zero, negative, non-finite. End points by hand:
    // 7: (x0 + l cos β, y0 + l sin β); 1: (Ax + R, Ay) to (Ax + R cos θ, Ay + R sin θ), sf = θ DEG2RAD;
    // 4: sf = N PI, end (x0 + 2 N R, y0). The last line of Type7 has no line end and is still an answer.
    // (The other types' blocks with their default answers: the runner's golden runs.)
    path_case("Type7", "0\n8\n2.5\nx\n1 2\n7\n0 0 0 10\n0 0 -0.5 10\n0 0 0.5 nan\n0.1 0.2 0.5 30", 5, kLineOld,
              kLinePrompt, "（-1e4〜1e4の数2つ，1e-6〜1e4の正の数1つ，-1e4〜1e4の数1つを空白で区切って）", 3, "\n  長さl= 0.50[m] 傾きβ=30.00[deg]",
              path_text("7", " 0.1000  0.2000", " 0.5330  0.4500", " 0.5000")),
    path_case("Type1", "1\n.2 .2 0 90\n.2 .2 .5 -90\ninf .2 .5 90\n0 0 0.6 90\n", 0,
              "\n1 円弧運動　旧中心A=( 0.20  0.20)[m] 半径= 0.50[m] 円弧角=180.00[deg])", "\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=",
              kPointAndTwo, 3, "\n  中心A=( 0.00  0.00)[m] 半径R= 0.60[m] 円弧角= 90.00[deg]",
              path_text("1 円弧\n  中心A=(  0.0   0.0)[m]  半径R=  0.6[m]  円弧角θ= 90.0[deg]", " 0.6000  0.0000", " 0.0000  0.6000", " 1.5708")),
    path_case("Type4", "4\n0 0 0 3\n0 0 .1 0\n0 0 .1 2.5\n0 0 .1 1001\n-0.3 0.1 0.05 4\n", 0,
              "\n4 スラローム　旧始点=(-0.40  0.20)[m] 円弧部半径R= 0.10[m] 円弧数N=3",
              "\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=", "（-1e4〜1e4の数2つ，1e-6〜1e4の正の数1つ，1〜1000の整数1つを空白で区切って）",
              4, "\n  円弧部半径R= 0.05[m] 円弧数N=4",
              path_text("4 スラローム(半円の繋がり)\n  円弧部半径R=  0.1[m] 半円の個数N=4", "-0.3000  0.1000", " 0.1000  0.1000", "12.5664")),
    // A start beyond l1 + l2: inv's two lines, the dialog's, the path section again with the failed values as old.
    {"StartOutOfReachBackToThePath", 'k', 'b', "7\n1.2 0 0.2 0\n7\n-0.4 0.1 0.8 0\n",
     kDefault + kPathHeader + kTypePrompt1 + kLineOld + kLinePrompt + "\n  長さl= 0.20[m] 傾きβ= 0.00[deg]" +
         summary(kScara, path_text("7", " 1.2000  0.0000", " 1.4000  0.0000", " 0.2000"), kLimits) + kComputing + "\n!!!逆運動学inv()の解なし．始めからやり直し．" +
         "\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.200  0.000)" +
         "\n逆運動学解なし robottype=b P0[]=( 1.2000  0.0000) 設定し直し" + kPathHeader + "\n旧運動＝7  入力 c=" +
         "\n7 直線運動　旧始点P0=( 1.20  0.00)[m] 長さl= 0.20[m] 傾きβ= 0.00[deg]" + kLinePrompt +
         "\n  長さl= 0.80[m] 傾きβ= 0.00[deg]" + summary(kScara, path_text("7", "-0.4000  0.1000", " 0.4000  0.1000", " 0.8000"), kLimits)},
};

class DialogPass : public ::testing::TestWithParam<Pass> {};

// Catches a wrong text, format or route, a refusal without its message, what the question accepts or the
// question, an accepted bad answer, a read of too much or too little, a value not stored, wrong drawn links.
TEST_P(DialogPass, Transcript) {
  const Pass& c = GetParam();
  auto w = default_world(robot_of_key(c.robot));
  const DialogRun r = run_dialog(*w, c.key, c.input);
  EXPECT_EQ(r.result, 1); EXPECT_FALSE(r.ended);
  EXPECT_EQ(r.out, kKeyHelp + c.out + kComputing + kDone);
  EXPECT_EQ(w->pic.link1_draw, w->pb.robot.l1); EXPECT_DOUBLE_EQ(w->pic.link2_draw, w->pb.robot.l2 - 0.12);  // shorter by the hand
}
INSTANTIATE_TEST_SUITE_P(All, DialogPass, ::testing::ValuesIn(kPasses),
                         [](const auto& p) { return std::string(p.param.name); });

// A reachable start, an unreachable end: the boundary fails, the dialog says so and goes back to the path.
TEST(Dialog, BoundaryNotCompletedReturnsToThePath) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n0.6 0.6 0.5 0\n7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  EXPECT_NE(r.out.find("\nトルク境界線の解がない robottype=b 軌道=7 軌道変更へ" + kPathHeader), std::string::npos);
  EXPECT_EQ(w->pb.line.P0, (Vec2{-0.4, 0.1}));
}

// A waypoint path (set by a problem file) is kept when the path is not changed, its summary giving the
// number of points and the chord length (0.3 + 0.5, two 3-4-5 triangles): by "n" at the start, by each key's
// section (the path section offers it as type 8, its hint then 1..8), also after another type was chosen.
TEST(Dialog, WaypointPathKeptOrLeft) {
  auto w = default_world();  use_waypoints(*w, {{0.6, -0.2}, {0.6, 0.1}, {0.2, 0.4}});
  const std::string kept = summary(kScara, path_text("8 経由点を通る3次スプライン\n  経由点の数N=3 弦長の合計= 0.8000[m]",
                                                     " 0.6000 -0.2000", " 0.2000  0.4000", " 0.8000"), kLimits);
  const std::string menu = kPathHeader + "\n         = 8:経由点を通る3次スプライン（ファイルの経由点のまま）",
                    prompt = "\n旧運動＝8  入力 c=", block = "\n8 経由点を通る3次スプライン　経由点の数N=3 弦長の合計= 0.8000[m]（変更なし）";
  DialogRun r = run_dialog(*w, '0', "n n n");  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(r.out, kKeyHelp + kept + kQ1 + kQ2 + kQ3 + kept + kComputing + kDone);  EXPECT_EQ(w->pb.cptype, PathType::Waypoints);
  r = run_dialog(*w, 'k', "9\n0\n8\n");
  EXPECT_EQ(r.out, kKeyHelp + kept + menu + prompt + again(prompt, "（1〜8の整数）", 2) + block + kept + kComputing + kDone);
  for (const auto& [key, input] : {std::pair{'b', "0.5 0.5\nn n"}, {'u', "2 2\nn"}, {'0', "n n y 8"}}) {
    r = run_dialog(*w, key, input);
    EXPECT_EQ(r.result, 1) << key;  EXPECT_EQ(r.out.substr(r.out.size() - (kept + kComputing + kDone).size()), kept + kComputing + kDone) << key;
  }
  r = run_dialog(*w, 'k', "7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.out, kKeyHelp + kept + menu + prompt + kLineOld + kLinePrompt + "\n  長さl= 0.80[m] 傾きβ= 0.00[deg]" +
                       summary(kScara, path_text("7", "-0.4000  0.1000", " 0.4000  0.1000", " 0.8000"), kLimits) + kComputing + kDone);
  EXPECT_EQ(w->pb.cptype, PathType::Line);
  r = run_dialog(*w, 'k', "8\n");
  EXPECT_EQ(r.result, 1);  EXPECT_NE(r.out.find(menu + "\n旧運動＝7  入力 c=" + block + kept), std::string::npos);
  EXPECT_EQ(w->pb.cptype, PathType::Waypoints);  EXPECT_EQ(w->m.P0, (Vec2{0.6, -0.2}));
}

// A real robot's bodies belong to its kind: 'b' on the SCARA keeps them (and the summary's N·m), 'u'
// asks for its limits in N·m, 'a' leaves the unit point mass (per unit mass again) rather than the SCARA's links on the other robot.
TEST(Dialog, RealRobotsBodiesStayWithItsKind) {
  auto w = default_world();
  w->pb.robot.dynamics = Dynamics::RigidLinks, w->pb.robot.body.m1 = 3, w->pb.robot.body.lc1 = 0.2;
  DialogRun r = run_dialog(*w, 'b', "0.5 0.5\nn n");
  EXPECT_EQ(w->pb.robot.dynamics, Dynamics::RigidLinks);
  EXPECT_EQ(w->pb.robot.body.m1, 3);
  EXPECT_NE(r.out.find("\n剛体リンクの動力学　関節最大トルク(τ1,τ2)=(a1max,a2max)=(  2.0   2.0)[N·m]\n"), std::string::npos) << r.out;
  r = run_dialog(*w, 'u', "120 40.5\nn");
  EXPECT_NE(r.out.find("\n(2) 関節最大トルク・力変更  旧(a1max,a2max)＝(  2.00[N·m]   2.00[N·m])" + kUPrompt +
                       "\n    関節最大トルク・力 (a1max,a2max)=(120.00[N·m]  40.50[N·m])" + kR7), std::string::npos) << r.out;
  r = run_dialog(*w, 'a', "n n");
  EXPECT_EQ(w->pb.robot.dynamics, Dynamics::UnitPointMass);
  EXPECT_EQ(w->pb.robot.body.m1, 0);
  EXPECT_NE(r.out.find("\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(120.0[m^2/s^2]  40.5[m/s^2])\n"), std::string::npos) << r.out;
}

// End of input at each kind of read (key, number line, after a refused line): the message at
// the very end, result 0, no computation. A key read returns EOF there.
TEST(Dialog, EndOfInputAtEveryKindOfRead) {
  for (const auto& [key, input] : {std::pair{'0', "n n"}, {'0', "y c"}, {'b', "0.5"}, {'u', "1 x\n"}, {'k', "7\n1 1 1"}}) {
    const DialogRun r = run_dialog(*default_world(), key, input);
    EXPECT_EQ(r.result, 0) << key << input; EXPECT_TRUE(r.ended) << key << input;
    EXPECT_EQ(r.out.substr(r.out.size() - kEnd.size()), kEnd) << key << input;
    EXPECT_EQ(r.out.find(kComputing), std::string::npos) << key << input;
  }
  Console con;
  ConsoleCapture cap(con, "");  EXPECT_EQ(con_key(con), EOF);
}

// Catches a reset that forgets a field of the motion a finished replay left, an A[0] not recomputed
// (maximum acceleration at rest, > 0), and start joint values, boundary, curves or maxima of the old path.
TEST(Dialog, NewPassResetsTheMotionAndPreparesThePath) {
  auto w = default_world();
  Motion& mo = w->d.mo;
  mo.istep = 55, mo.t = 3.5, mo.dt = dt0 / NDIV, mo.torque_sel = -1, mo.NCHN = 4, mo.nf = 120, mo.Tn = 1.86;
  mo.nn = 186, mo.NCT = 4, mo.chn_step[0] = 9, mo.chn[0] = {1, 2, 3, {4, 5}}, mo.A[0] = {-7, {8, 9}};
  mo.traj_state = TrajState::Obtained, mo.final_state = FinalState::Walking, w->pic.zoom = 2.5;
  ASSERT_EQ(run_dialog(*w, 'k', "6\n-0.3 0.1 0.6 0.3\n").result, 1);
  EXPECT_EQ(mo.istep, 0); EXPECT_EQ(mo.NCHN, 0); EXPECT_EQ(mo.nf, 0); EXPECT_EQ(mo.chn_step[0], 0);
  EXPECT_EQ(mo.Tn, 0); EXPECT_EQ(mo.nn, 0); EXPECT_EQ(mo.NCT, 0);  // no stale normal CP time
  EXPECT_EQ(mo.t, 0); EXPECT_EQ(mo.dt, dt0); EXPECT_EQ(mo.torque_sel, 1); EXPECT_EQ(w->pic.zoom, 1.0);
  EXPECT_EQ(mo.traj_state, TrajState::Building); EXPECT_EQ(mo.final_state, FinalState::None);
  EXPECT_EQ(mo.chn[0].t, 0); EXPECT_EQ(mo.chn[0].s, 0); EXPECT_EQ(mo.chn[0].sd, 0);
  EXPECT_GT(mo.A[0].sdd, 0); EXPECT_EQ(mo.chn[0].acc, mo.A[0].acc);
  ASSERT_EQ(w->m.pb.cptype, PathType::CycloidCam);
  const Vec2 p0 = forward(w->m.pb.robot, w->m.fi0);  // the new start point
  EXPECT_NEAR(p0[0], -0.3, 1e-12); EXPECT_NEAR(p0[1], 0.1, 1e-12);
  EXPECT_GE(w->cv.bnd[w->cv.nbnd][0], w->m.sf - 1e-12);
  EXPECT_GT(w->cv.n_curve_start, 0); EXPECT_GT(w->cv.Dmax00, 0);
}

// Seeded random input (random bytes, or the dialog's words and near misses): every run ends, completed or by
// the end of input but never both, and what it accepted is valid. CPT_FUZZ_RUNS overrides the number of runs.
TEST(DialogFuzz, RandomInputEndsAndKeepsSettingsValid) {
  static const char* const kWords[] = {
      "y", "n", "a", "b", "c", "Y", "N", "u", "k", "1", "2", "3", "4", "5", "6", "7", "0", "8", "-1", "0.5", "0.3",
      "-0.4", "0.2", "1.2", "30", "90", "180", "nan", "inf", "-inf", "1e999", "1e-400", "x", "0x1p-2", "2.5", "1001",
      "-0", "+0.1", "\xe3\x81\x82", "\x04", ""};
#ifdef CPT_SANITIZE
  long runs = 60;  // each run is many times slower there
#else
  long runs = 300;
#endif
  if (const char* n = std::getenv("CPT_FUZZ_RUNS")) runs = std::atol(n);
  const auto positive = [](double v) { return std::isfinite(v) && v > 0; };
  std::mt19937 rng(20240611u);
  int completed = 0, ended = 0;
  for (long i = 0; i < runs; ++i) {
    std::string input;
    for (int k = static_cast<int>(rng() % 60); k > 0; --k) {
      const unsigned p = rng() % 10;
      if (i % 2) input += std::string(kWords[rng() % std::size(kWords)]) + (p < 3 ? "\n" : " ");
      else input.push_back(p == 0 ? '\n' : p == 1 ? ' ' : static_cast<char>(rng() % 256));
    }
    SCOPED_TRACE(input);  auto w = default_world();
    const char key = "0abuk"[rng() % 5];
    const DialogRun r = run_dialog(*w, key, input);
    EXPECT_NE(r.result == 1, r.ended);
    completed += r.result == 1, ended += r.ended;
    const Problem& pb = w->pb;
    EXPECT_GE(type_number(pb.cptype), 1); EXPECT_LE(type_number(pb.cptype), 7);
    EXPECT_GE(pb.slalom.N, 1); EXPECT_LE(pb.slalom.N, kMaxHalfCircles);
    // Lengths, limits and path sizes finite and positive, points finite.
    for (const double v : {pb.robot.l1, pb.robot.l2, pb.a1max, pb.a2max, pb.arc.R, pb.sine.L, pb.sine.A, pb.ushape.L,
                           pb.ushape.R, pb.slalom.R, pb.cam.L, pb.cam.H, pb.cycloid.L, pb.cycloid.H, pb.line.l})
      EXPECT_PRED1(positive, v);
    for (const double v : {pb.arc.Ax, pb.arc.Ay, pb.line.beta}) EXPECT_TRUE(std::isfinite(v)) << v;
    for (const PathType c : kPathTypes) {  // each path's model
      Problem q = pb;  q.cptype = c;  const Model md = build_model(q);
      EXPECT_PRED1(positive, md.sf) << c; EXPECT_TRUE(std::isfinite(md.P0[0] + md.P0[1])) << c;
    }
  }
  if (runs >= 60) { EXPECT_GT(completed, 0); EXPECT_GT(ended, 0); }  // both ways out exercised
}

}  // namespace
}  // namespace cpt
