// Refused input: every kind gets the one-line message and the same question
// again, nothing of it is kept, and the next read is not disturbed. End of
// input ends the dialog.
#include <gtest/gtest.h>

#include "settings/dialog.h"
#include "settings/dialog_texts.h"
#include "support/world.h"

using namespace texts;

namespace {

const std::string kUOld = "\n(2) 関節最大加減速変更  旧amax(x,y)＝(  2.00   2.00)";
const std::string kUPrompt = "\n    入力　a1max a2max=";
const std::string kUNew = "\n    関節最大加減速 amax(1,2)=(  3.00   1.50)";
const std::string kUAfter = kSummaryTop + kScaraDefault + kArcDefault +
                            "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  3.0   1.5)[m^2/s^2])" +
                            kSummaryEnd;

// Lines whose numbers do not all convert are discarded whole: letters, too
// few and too many values, nan, inf, overflow. A blank line is passed over.
TEST(DialogBadInput, NumberLinesThatDoNotConvert) {
  auto w = default_world();
  const DialogRun r =
      run_dialog(*w, 'u', "3 x\n3\n3 1.5 7\nnan 1.5\n3 inf\n1e999 1\n\n3 1.5\nn");
  EXPECT_EQ(r.result, 1);
  std::string again;
  for (int i = 0; i < 6; ++i) again += kBad + kUPrompt;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kUOld + kUPrompt + again + kUNew + kR7 +
                       kUAfter + kComputing + kDone);
}

// Non-positive or non-finite limits are refused likewise.
TEST(DialogBadInput, NonPositiveLimits) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'u', "0 1.5\n3 -1.5\n-0 2\n3 1.5\nn");
  EXPECT_EQ(r.result, 1);
  std::string again;
  for (int i = 0; i < 3; ++i) again += kBad + kUPrompt;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kUOld + kUPrompt + again + kUNew + kR7 + kUAfter +
                       kComputing + kDone);
}

// A robot key other than 'a' or 'b' (capitals too): the message and the
// robot question again; the robot type is not changed by it.
TEST(DialogBadInput, RobotKey) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, '0', "y c A 1 a n n");
  EXPECT_EQ(r.result, 1);
  const std::string ask = "\n    旧：SCARAロボット" + kR3;
  const std::string sum = kSummaryTop + kCylinder + kArcDefault + kLimitsA + kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kQ1 + kR1 + ask + kBad + ask + kBad + ask + kBad +
                       ask + "\n  円筒座標ロボット" + kR6 + kR7 + sum + kComputing + kDone);
  EXPECT_EQ(w->st.robottype, 'a');
}

// A path type outside 1..7, or not a whole number: the type question again.
TEST(DialogBadInput, PathType) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "0\n8\n-1\n2.5\nx\n1 2\n7\n-0.4 0.1 0.8 0\n");
  EXPECT_EQ(r.result, 1);
  const std::string ask = "\n旧運動＝1  入力 c=";
  std::string again;
  for (int i = 0; i < 6; ++i) again += kBad + ask;
  const std::string after = kSummaryTop + kScaraDefault + "\nCP軌道：7" +
                            "\n  始点(x0,y0)=(-0.4000  0.1000)[m] 終点(xf,yf)=( 0.4000  0.1000)[m]" +
                            "\n  軌道変数の長さsf= 0.8000" + kLimitsB + kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kPathHeader + ask + again +
                       "\n7 直線運動　旧始点P0=(-0.40  0.10)[m] 長さl= 0.80[m] 傾きβ= 0.00[deg]" +
                       "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=" +
                       "\n  長さl= 0.80[m] 傾きβ= 0.00[deg]" + after + kComputing + kDone);
}

// Non-positive arm lengths: the message and the length prompt again.
TEST(DialogBadInput, ArmLengths) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'b', "0 0.5\n0.5 -0.5\n0.6 0.4\nn n");
  EXPECT_EQ(r.result, 1);
  const std::string ask = "\n    アーム長入力  l1 l2=";
  const std::string after = kSummaryTop + "\nSCARAロボット\n ２つのアーム長 (L1,L2)=(  0.60   0.40)[m]" +
                            kArcDefault + kLimitsB + kSummaryEnd;
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + "\n    旧アーム長(l1,l2)=( 0.50  0.50)[m]" + ask +
                       kBad + ask + kBad + ask + "\n    SCARAロボット　アーム長(l1,l2)=( 0.60  0.40)[m]" +
                       kR6 + kR7 + after + kComputing + kDone);
}

// Every length, radius, amplitude, stroke, wave length, arc angle and count
// of every path type must be positive; each bad line is refused with the
// message and the type's prompt, and the good line after it is taken whole.
struct FieldCase {
  int c;
  const char* prompt;
  std::vector<const char*> bad;
  const char* good;
};

void PrintTo(const FieldCase& fc, std::ostream* os) { *os << "type " << fc.c; }

class PathFieldCheck : public ::testing::TestWithParam<FieldCase> {};

TEST_P(PathFieldCheck, RefusedAndAskedAgain) {
  const FieldCase& fc = GetParam();
  auto w = default_world();
  std::string input = std::to_string(fc.c) + "\n";
  for (const char* b : fc.bad) input += std::string(b) + "\n";
  input += std::string(fc.good) + "\n";
  const DialogRun r = run_dialog(*w, 'k', input);
  EXPECT_EQ(r.result, 1);
  std::string expected = fc.prompt;
  for (size_t i = 0; i < fc.bad.size(); ++i) expected += kBad + fc.prompt;
  const size_t at = r.out.find(fc.prompt);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(r.out.substr(at, expected.size()), expected);
  // Nothing more is refused after the good line.
  EXPECT_EQ(r.out.find(kBad, at + expected.size()), std::string::npos);
}

const FieldCase kFieldCases[] = {
    {7, "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=",
     {"0 0 0 10", "0 0 -0.5 10", "x 0 0.5 10", "0 0 0.5 nan"}, "-0.4 0.1 0.5 -10"},
    {1, "\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=",
     {"0.2 0.2 0 90", "0.2 0.2 -0.5 90", "0.2 0.2 0.5 0", "0.2 0.2 0.5 -90", "inf 0.2 0.5 90"},
     "0.2 0.2 0.5 90"},
    {2, "\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A=",
     {"-0.4 0.2 0 0.5", "-0.4 0.2 1 0", "-0.4 0.2 1 -0.5", "-0.4 0.2 -1 0.5"}, "-0.4 0.2 1 0.5"},
    {3, "\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R=",
     {"0.2 0 0 0.2", "0.2 0 0.4 0", "0.2 0 -0.4 0.2", "0.2 0 0.4 -0.2"}, "0.2 0 0.4 0.2"},
    {4, "\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=",
     {"-0.4 0.2 0 3", "-0.4 0.2 -0.1 3", "-0.4 0.2 0.1 0", "-0.4 0.2 0.1 -3", "-0.4 0.2 0.1 2.5",
      "-0.4 0.2 0.1 1001"},
     "-0.4 0.2 0.1 3"},
    {5, "\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H=",
     {"-0.2 0.1 0 0.5", "-0.2 0.1 0.5 0", "-0.2 0.1 -0.5 0.5", "-0.2 0.1 0.5 -0.5"},
     "-0.2 0.1 0.5 0.5"},
    {6, "\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H=",
     {"0 0.2 0 0.5", "0 0.2 0.5 0", "0 0.2 -0.5 0.5", "0 0.2 0.5 -0.5"}, "0 0.2 0.5 0.5"},
};

std::string field_case_name(const ::testing::TestParamInfo<FieldCase>& p) {
  return "Type" + std::to_string(p.param.c);
}
INSTANTIATE_TEST_SUITE_P(AllTypes, PathFieldCheck, ::testing::ValuesIn(kFieldCases), field_case_name);

// A refused line leaves every value as it was: the next old-values line
// still shows the defaults.
TEST(DialogBadInput, RefusedLineKeepsNothing) {
  auto w = default_world();
  run_dialog(*w, 'k', "3\n0.9 0.9 0.4 -1\n0.2 0 0.4 0.2\n");
  EXPECT_EQ(w->st.P0[3], (Vec2{0.2, 0.0}));
  EXPECT_EQ(w->st.u_R, 0.2);
}

// End of input at each kind of read: the message once, the hook, result 0.
TEST(DialogEndOfInput, AtEveryKindOfRead) {
  struct Case {
    char key;
    const char* input;
  };
  for (const Case& c : {Case{'0', ""}, Case{'0', "n n"}, Case{'0', "y c"}, Case{'b', "0.5"},
                        Case{'u', "1 x\n"}, Case{'k', "9\n"}, Case{'k', "7\n1 1 1"},
                        Case{'a', "n"}}) {
    auto w = default_world();
    const DialogRun r = run_dialog(*w, c.key, c.input);
    EXPECT_EQ(r.result, 0) << c.key << c.input;
    EXPECT_TRUE(r.ended) << c.key << c.input;
    ASSERT_GE(r.out.size(), kEnd.size());
    EXPECT_EQ(r.out.substr(r.out.size() - kEnd.size()), kEnd) << c.key << c.input;
    EXPECT_EQ(r.out.find(kComputing), std::string::npos);
  }
}

// A last line without its line end is still an answer.
TEST(DialogEndOfInput, LastLineWithoutLineEnd) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "7\n-0.4 0.1 0.8 0");
  EXPECT_EQ(r.result, 1);
  EXPECT_FALSE(r.ended);
}

// Without a hook of its own the dialog ends the program with status 1.
TEST(DialogEndOfInputDeathTest, EndsTheProgramWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto w = default_world();
  EXPECT_EXIT(
      {
        ConsoleCapture cap("n n");
        w->mo.key = '0';
        settings_dialog(*w);
        std::exit(0);  // not reached when the dialog ends the program
      },
      ::testing::ExitedWithCode(1), "");
}

}  // namespace
