// Golden transcripts of the dialog: start-up, the entries from the window,
// the return to the path section, and the refused input.
#include "settings/dialog.h"

#include <gtest/gtest.h>

#include "settings/dialog_texts.h"
#include "support/world.h"

using namespace texts;

namespace {

// The computation stage of a pass that succeeds with the given summary.
std::string computed(const std::string& summary) { return summary + kComputing + kDone; }

// Start-up answered n, n, n: key help, summary, three questions, and the
// computation stage with the defaults (the end point recomputed: still -0.3, 0.2).
TEST(DialogTranscript, StartUpNoNoNo) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, '0', "n n n");
  EXPECT_EQ(r.result, 1);
  EXPECT_FALSE(r.ended);
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kQ1 + kQ2 + kQ3 + computed(kDefaultSummary));
}

// One answer per line drives it the same way.
TEST(DialogTranscript, StartUpOneAnswerPerLine) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, '0', "n\nn\nn\n");
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kQ1 + kQ2 + kQ3 + computed(kDefaultSummary));
}

// 'Y' is not 'y' and 'N' not 'n': Q3 with 'N' walks the whole robot section.
TEST(DialogTranscript, CapitalKeysCountAsOtherKeys) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, '0', "Y N N b\n0.5 0.5\nn n");
  EXPECT_EQ(r.result, 1);
  const std::string robot = kR1 + "\n    旧：SCARAロボット" + kR3 +
                            "\n    旧アーム長(l1,l2)=( 0.50  0.50)[m]" + "\n    アーム長入力  l1 l2=" +
                            "\n    SCARAロボット　アーム長(l1,l2)=( 0.50  0.50)[m]" + kR6 + kR7;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kQ1 + kQ2 + kQ3 + robot + computed(kDefaultSummary));
}

// Entered with 'a' (the handler has set the robot): no robot question, no
// lengths, straight to the two questions.
TEST(DialogTranscript, EntryA) {
  auto w = default_world('a');
  const DialogRun r = run_dialog(*w, 'a', "n n");
  EXPECT_EQ(r.result, 1);
  const std::string sum = kSummaryTop + kCylinder + kArcDefault + kLimitsA + kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + sum + "\n  円筒座標ロボット" + kR6 + kR7 + computed(sum));
  EXPECT_EQ(w->st.robottype, 'a');
}

// Entered with 'b': the arm lengths are asked; the drawn links follow them.
TEST(DialogTranscript, EntryB) {
  auto w = default_world('b');
  const DialogRun r = run_dialog(*w, 'b', "0.6 0.4\nn n");
  EXPECT_EQ(r.result, 1);
  const std::string after = kSummaryTop + "\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.60   0.40)[m]" +
                            kArcDefault + kLimitsB + kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + "\n    旧アーム長(l1,l2)=( 0.50  0.50)[m]" +
                       "\n    アーム長入力  l1 l2=" +
                       "\n    SCARAロボット　アーム長(l1,l2)=( 0.60  0.40)[m]" + kR6 + kR7 +
                       computed(after));
  EXPECT_EQ(w->st.l1, 0.6);
  EXPECT_EQ(w->st.l2, 0.4);
  EXPECT_DOUBLE_EQ(w->pic.link1_draw, 0.6);
  EXPECT_DOUBLE_EQ(w->pic.link2_draw, 0.4 - 0.12);
}

// Entered with 'u': the limits, then the path question.
TEST(DialogTranscript, EntryU) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'u', "3 1.5\nn");
  EXPECT_EQ(r.result, 1);
  const std::string after = kSummaryTop + kScaraDefault + kArcDefault +
                            "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  3.0   1.5)[m^2/s^2])" +
                            kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + "\n(2) 関節最大加減速変更  旧amax(x,y)＝(  2.00   2.00)" +
                       "\n    入力　a1max a2max=" + "\n    関節最大加減速 amax(1,2)=(  3.00   1.50)" +
                       kR7 + computed(after));
  EXPECT_EQ(w->st.a1max, 3.0);
  EXPECT_EQ(w->st.a2max, 1.5);
}

// Entered with 'k': the path section at once (the straight line, default values).
TEST(DialogTranscript, EntryK) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  const std::string after = kSummaryTop + kScaraDefault + "\nCP軌道：7" +
                            "\n  始点(x0,y0)=(-0.4000  0.1000)[m] 終点(xf,yf)=( 0.4000  0.1000)[m]" +
                            "\n  軌道変数の長さsf= 0.8000" + kLimitsB + kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kPathHeader + "\n旧運動＝1  入力 c=" +
                       "\n7 直線運動　旧始点P0=(-0.40  0.10)[m] 長さl= 0.80[m] 傾きβ= 0.00[deg]" +
                       "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=" +
                       "\n  長さl= 0.80[m] 傾きβ= 0.00[deg]" + computed(after));
}

// A start point beyond l1 + l2: inv's two lines, the dialog's line, and the
// path section again with the failing type as the old one.
TEST(DialogTranscript, StartPointOutOfReachReturnsToThePath) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n1.2 0 0.2 0\n7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  const std::string far = kSummaryTop + kScaraDefault + "\nCP軌道：7" +
                          "\n  始点(x0,y0)=( 1.2000  0.0000)[m] 終点(xf,yf)=( 1.4000  0.0000)[m]" +
                          "\n  軌道変数の長さsf= 0.2000" + kLimitsB + kSummaryEnd;
  const std::string back = kSummaryTop + kScaraDefault + "\nCP軌道：7" +
                           "\n  始点(x0,y0)=(-0.4000  0.1000)[m] 終点(xf,yf)=( 0.4000  0.1000)[m]" +
                           "\n  軌道変数の長さsf= 0.8000" + kLimitsB + kSummaryEnd;
  const std::string prompt = "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=";
  EXPECT_EQ(r.out,
            kKeyHelp + kDefaultSummary + kPathHeader + "\n旧運動＝1  入力 c=" +
                "\n7 直線運動　旧始点P0=(-0.40  0.10)[m] 長さl= 0.80[m] 傾きβ= 0.00[deg]" + prompt +
                "\n  長さl= 0.20[m] 傾きβ= 0.00[deg]" + far + kComputing +
                "\n!!!逆運動学inv()の解なし．始めからやり直し．" +
                "\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.200  0.000)" +
                "\n逆運動学解なし robottype=b P0[]=( 1.2000  0.0000) 設定し直し" + kPathHeader +
                "\n旧運動＝7  入力 c=" +
                "\n7 直線運動　旧始点P0=( 1.20  0.00)[m] 長さl= 0.20[m] 傾きβ= 0.00[deg]" + prompt +
                "\n  長さl= 0.80[m] 傾きβ= 0.00[deg]" + computed(back));
}

// A path whose start is reachable but whose end is not: the boundary cannot
// be completed, the dialog says so and offers the path section again.
TEST(DialogTranscript, BoundaryNotCompletedReturnsToThePath) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n0.6 0.6 0.5 0\n7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  const std::string msg = "\nトルク境界線の解がない robottype=b 軌道=7 軌道変更へ";
  const size_t at = r.out.find(msg);
  ASSERT_NE(at, std::string::npos) << r.out;
  EXPECT_EQ(r.out.compare(at + msg.size(), kPathHeader.size(), kPathHeader), 0);
  EXPECT_NE(r.out.find("\ncalboundary() 逆運動学解なし robot=b 軌道=7 s="), std::string::npos);
  EXPECT_EQ(w->st.P0[7], (Vec2{-0.4, 0.1}));
}

}  // namespace
