// Golden transcripts: start-up, the window's entries, every path type's block,
// refused answers, the returns to the path section; and the end of input.
#include <gtest/gtest.h>

#include "console/input.h"
#include "console/dialog_texts.h"
#include "support/world.h"

namespace cpt {

using namespace texts;

namespace {

struct PassCase {
  const char* name;
  char key, robot;     // entry key, robot type set before the call
  const char* input;
  std::string before;  // the summary printed first
  std::string dialog;  // the questions and blocks
  std::string after;   // the summary of the computation stage
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class DialogPass : public ::testing::TestWithParam<PassCase> {};

// Catches a wrong text or format, a wrong route between sections, a refused
// answer without the message or its question, an accepted bad answer, a read
// that consumes too much or too little, a value not stored or derived, and
// drawn links that do not follow the arm lengths (link 2 shorter by the hand).
TEST_P(DialogPass, Transcript) {
  const PassCase& c = GetParam();
  auto w = default_world(robot_of_key(c.robot));
  const DialogRun r = run_dialog(*w, c.key, c.input);
  EXPECT_EQ(r.result, 1);
  EXPECT_FALSE(r.ended);
  EXPECT_EQ(r.out, kKeyHelp + c.before + c.dialog + c.after + kComputing + kDone);
  EXPECT_EQ(w->pic.link1_draw, w->st.l1);
  EXPECT_DOUBLE_EQ(w->pic.link2_draw, w->st.l2 - 0.12);
}

std::string again(const std::string& question, int n) {
  std::string s;
  while (n-- > 0) s += kBad + question;
  return s;
}

// A pass from the 'k' entry through one type's block with n_bad refused lines.
PassCase path_case(const char* name, const char* input, const std::string& old,
                   const std::string& prompt, int n_bad, const std::string& now,
                   const std::string& path, int n_bad_types = 0) {
  return {name, 'k', 'b', input, kDefaultSummary,
          kPathHeader + kTypePrompt1 + again(kTypePrompt1, n_bad_types) + old + prompt +
              again(prompt, n_bad) + now,
          summary(kScaraDefault, path, kLimitsB)};
}

const std::string kLineOld = "\n7 直線運動　旧始点P0=(-0.40  0.10)[m] 長さl= 0.80[m] 傾きβ= 0.00[deg]";
const std::string kRobotAsk = "\n    旧：SCARAロボット" + kR3;
const std::string kCylSummary =
    summary("\n円筒座標ロボット\n アーム長 L=  1.00[m]", kArcDefault,
            "\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(  2.0[m^2/s^2]   2.0[m/s^2])");
const std::string kNewLimits = summary(
    kScaraDefault, kArcDefault, "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  3.0   1.5)[m^2/s^2])");
const std::string kUNew = "\n    関節最大加減速 amax(1,2)=(  3.00   1.50)" + kR7;

const PassCase kPasses[] = {
    {"StartUpNoNoNo", '0', 'b', "n n n", kDefaultSummary, kQ1 + kQ2 + kQ3, kDefaultSummary},
    {"OnePerLine", '0', 'b', "\r\nn\t\r\nn\r\nn", kDefaultSummary, kQ1 + kQ2 + kQ3, kDefaultSummary},
    // 'Y' and 'N' are other keys: Q3 with 'N' walks the robot section; robot
    // keys other than a/b are refused; the rest of the key's line is the next line read.
    {"CapitalKeysAndBadRobotKeys", '0', 'b', "Y N N c A 1 b 0.5 0.5\nn n", kDefaultSummary,
     kQ1 + kQ2 + kQ3 + kR1 + kRobotAsk + again(kRobotAsk, 3) + kArmOld + kArmPrompt +
         "\n    SCARAロボット　アーム長(l1,l2)=( 0.50  0.50)[m]" + kR6 + kR7,
     kDefaultSummary},
    {"ToLimits", '0', 'b', "n y\n3 1.5\nn", kDefaultSummary, kQ1 + kQ2 + kUOld + kUPrompt + kUNew,
     kNewLimits},
    {"EntryA", 'a', 'a', "n n", kCylSummary, "\n  円筒座標ロボット" + kR6 + kR7, kCylSummary},
    {"EntryBWithBadLengths", 'b', 'b', "0 0.5\n0.5 -0.5\nnan 1\n0.6 0.4\nn n", kDefaultSummary,
     kArmOld + kArmPrompt + again(kArmPrompt, 3) + "\n    SCARAロボット　アーム長(l1,l2)=( 0.60  0.40)[m]" +
         kR6 + kR7,
     summary("\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.60   0.40)[m]", kArcDefault, kLimitsB)},
    // Lines that do not convert (letters, too few / too many values, nan,
    // inf, overflow, underflow, a comma) and non-positive limits; a blank line is passed over.
    {"EntryUWithBadLines", 'u', 'b',
     "3 x\n3\n3 1.5 7\nnan 1.5\n-inf 1\n1e999 1\n1 1e-310\n1,5 2\n0 1.5\n3 -1.5\n-0 2\n\n3 1.5\nn",
     kDefaultSummary, kUOld + kUPrompt + again(kUPrompt, 11) + kUNew, kNewLimits},
    // Path types outside 1..7 or not whole, then each positive value zero or
    // negative and a non-finite one. End points by hand from the path formulas:
    // 7: (x0 + l cos β, y0 + l sin β); 1: start (Ax + R, Ay), end (Ax + R cos θ,
    // Ay + R sin θ), sf = θ DEG2RAD; 2: (x0 + L, y0 + A sin 2PI); 3: sf = 2 L + PI R,
    // end (x0 + 2 R, y0); 4: sf = N PI, end (x0 + 2 N R, y0); 5, 6: (x0 + L, y0 + H).
    // The last line of Type7 has no line end and is still an answer.
    path_case("Type7", "0\n8\n2.5\nx\n1 2\n7\n0 0 0 10\n0 0 -0.5 10\n0 0 0.5 nan\n0.1 0.2 0.5 30",
              kLineOld, kLinePrompt, 3, "\n  長さl= 0.50[m] 傾きβ=30.00[deg]",
              "\nCP軌道：7"
              "\n  始点(x0,y0)=( 0.1000  0.2000)[m] 終点(xf,yf)=( 0.5330  0.4500)[m]"
              "\n  軌道変数の長さsf= 0.5000",
              5),
    path_case("Type1", "1\n.2 .2 0 90\n.2 .2 .5 -90\ninf .2 .5 90\n0 0 0.6 90\n",
              "\n1 円弧運動　旧中心A=( 0.20  0.20)[m] 半径= 0.50[m] 円弧角=180.00[deg])",
              "\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=", 3,
              "\n  中心A=( 0.00  0.00)[m] 半径R= 0.60[m] 円弧角= 90.00[deg]",
              "\nCP軌道：1 円弧"
              "\n  中心A=(  0.0   0.0)[m]  半径R=  0.6[m]  円弧角θ= 90.0[deg]"
              "\n  始点(x0,y0)=( 0.6000  0.0000)[m] 終点(xf,yf)=( 0.0000  0.6000)[m]"
              "\n  軌道変数の長さsf= 1.5708"),
    path_case("Type2", "2\n-.4 .2 0 .5\n-.4 .2 1 -.5\n-0.4 0.3 0.8 0.2\n",
              "\n2 正弦波運動  旧始点P0=(-0.40  0.20)[m], (波長A,振幅L)=( 1.00  0.50)[m]",
              "\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A=", 2,
              "\n  波長A= 0.80[m] 振幅L= 0.20[m]",
              "\nCP軌道：2 正弦波"
              "\n  波長sinL=  0.8[m] 振幅sinA=  0.2[m]"
              "\n  始点(x0,y0)=(-0.4000  0.3000)[m] 終点(xf,yf)=( 0.4000  0.3000)[m]"
              "\n  軌道変数の長さsf= 0.8000"),
    path_case("Type3", "3\n.2 0 -.4 .2\n.2 0 .4 0\n0.1 -0.2 0.35 0.12\n",
              "\n3 Ｕ字軌道運動　旧始点A=( 0.20  0.00)[m]"
              "\n            直線部長さL= 0.40[m], 円弧部半径R=  0.2[m]",
              "\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R=", 2, "\n  直線部L= 0.35[m] 円弧部半径R= 0.12[m]",
              "\nCP軌道：3 Ｕ字軌道"
              "\n  直線部長さL=  0.3[m] 湾曲部半径R=  0.1[m]"
              "\n  始点(x0,y0)=( 0.1000 -0.2000)[m] 終点(xf,yf)=( 0.3400 -0.2000)[m]"
              "\n  軌道変数の長さsf= 1.0770"),
    path_case("Type4", "4\n0 0 0 3\n0 0 .1 0\n0 0 .1 2.5\n0 0 .1 1001\n-0.3 0.1 0.05 4\n",
              "\n4 スラローム　旧始点=(-0.40  0.20)[m] 円弧部半径R= 0.10[m] 円弧数N=3",
              "\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=", 4,
              "\n  円弧部半径R= 0.05[m] 円弧数N=4",
              "\nCP軌道：4 スラローム(半円の繋がり)"
              "\n  円弧部半径R=  0.1[m] 半円の個数N=4"
              "\n  始点(x0,y0)=(-0.3000  0.1000)[m] 終点(xf,yf)=( 0.1000  0.1000)[m]"
              "\n  軌道変数の長さsf=12.5664"),
    path_case("Type5", "5\n-.2 .1 0 .5\n-.2 .1 .5 -.5\n-0.2 0.1 0.4 0.3\n",
              "\n5 等加速度カム曲線　旧始点P0=(-0.20  0.10)[m] 移動距離L= 0.50[m] 立ち上がりH= 0.50[m]",
              "\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H=", 2,
              "\n  移動量L= 0.40[m] 立ち上がり量H= 0.30[m]",
              "\nCP軌道：5 等加速度カム曲線軌道"
              "\n  X方向行程L=  0.4[m] Y方向行程H=  0.3[m]"
              "\n  始点(x0,y0)=(-0.2000  0.1000)[m] 終点(xf,yf)=( 0.2000  0.4000)[m]"
              "\n  軌道変数の長さsf= 0.4000"),
    path_case("Type6", "6\n0 .2 -.5 .5\n0 .2 .5 0\n0.0 0.2 0.6 0.3\n",
              "\n6 サイクロイドカム曲線　旧 始点P0=( 0.00  0.20)[m]"
              "\n                        移動距離L= 0.50[m] 立ち上がりH= 0.50[m]",
              "\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H=", 2,
              "\n  移動量L= 0.60[m] 立ち上がり量H= 0.30[m]",
              "\nCP軌道：6 サイクロイドカム曲線"
              "\n  X方向行程L=  0.6[m] Y方向行程H=  0.3[m]"
              "\n  始点(x0,y0)=( 0.0000  0.2000)[m] 終点(xf,yf)=( 0.6000  0.5000)[m]"
              "\n  軌道変数の長さsf= 0.6000"),
};
INSTANTIATE_TEST_SUITE_P(All, DialogPass, ::testing::ValuesIn(kPasses),
                         [](const auto& p) { return std::string(p.param.name); });

// A start point beyond l1 + l2: inv's two lines, the dialog's line, and the
// path section again with the failing values as the old ones.
TEST(DialogTranscript, StartPointOutOfReachReturnsToThePath) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n1.2 0 0.2 0\n7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  const std::string far = "\nCP軌道：7"
      "\n  始点(x0,y0)=( 1.2000  0.0000)[m] 終点(xf,yf)=( 1.4000  0.0000)[m]"
      "\n  軌道変数の長さsf= 0.2000";
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kPathHeader + kTypePrompt1 + kLineOld +
                       kLinePrompt + "\n  長さl= 0.20[m] 傾きβ= 0.00[deg]" +
                       summary(kScaraDefault, far, kLimitsB) + kComputing +
                       "\n!!!逆運動学inv()の解なし．始めからやり直し．" +
                       "\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.200  0.000)" +
                       "\n逆運動学解なし robottype=b P0[]=( 1.2000  0.0000) 設定し直し" + kPathHeader +
                       "\n旧運動＝7  入力 c=" +
                       "\n7 直線運動　旧始点P0=( 1.20  0.00)[m] 長さl= 0.20[m] 傾きβ= 0.00[deg]" +
                       kLinePrompt + "\n  長さl= 0.80[m] 傾きβ= 0.00[deg]" +
                       summary(kScaraDefault, kLineDefault, kLimitsB) + kComputing + kDone);
}

// A reachable start but an unreachable end: the boundary fails, the dialog
// says so and goes back to the path section.
TEST(DialogTranscript, BoundaryNotCompletedReturnsToThePath) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n0.6 0.6 0.5 0\n7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  EXPECT_NE(r.out.find("\nトルク境界線の解がない robottype=b 軌道=7 軌道変更へ" + kPathHeader),
            std::string::npos);
  EXPECT_EQ(w->st.P0[PathType::Line], (Vec2{-0.4, 0.1}));
}

// End of input at each kind of read (key, number line, after a refused line):
// the message at the very end, the hook called, result 0, no computation.
// A plain key wait returns at end of input.
TEST(DialogEndOfInput, AtEveryKindOfRead) {
  for (const auto& [key, input] : {std::pair{'0', ""}, {'0', "n n"}, {'0', "y c"}, {'b', "0.5"},
                                   {'u', "1 x\n"}, {'k', "9\n"}, {'k', "7\n1 1 1"}, {'a', "n"}}) {
    auto w = default_world();
    const DialogRun r = run_dialog(*w, key, input);
    EXPECT_TRUE(r.result == 0 && r.ended) << key << input;
    EXPECT_EQ(r.out.substr(r.out.size() - kEnd.size()), kEnd) << key << input;
    EXPECT_EQ(r.out.find(kComputing), std::string::npos);
  }
  ConsoleCapture cap("");
  EXPECT_EQ(con_key(), EOF);
}

// Without a hook of its own the dialog ends the program with status 1.
TEST(DialogEndOfInputDeathTest, EndsTheProgramWithStatusOne) {
  auto w = default_world();
  ConsoleCapture cap("n n");  // exit(0) is not reached when the dialog ends the program
  EXPECT_EXIT((settings_dialog(*w), std::exit(0)), ::testing::ExitedWithCode(1), "");
}

}  // namespace

}  // namespace cpt
