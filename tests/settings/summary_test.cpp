#include "settings/summary.h"

#include <gtest/gtest.h>

#include "settings/dialog_texts.h"
#include "support/world.h"

using namespace texts;

namespace {

TEST(Summary, DefaultsAtStartUp) {
  auto w = default_world();
  ConsoleCapture cap;
  print_settings(w->st);
  EXPECT_EQ(cap.text(), kDefaultSummary);
}

// Robot 'a': its arm length and the limits with their two units.
TEST(Summary, CylindricalRobot) {
  auto w = default_world('a');
  w->st.a1max = 1.25;  // %5.1f rounds the exact binary 1.25 to even: "1.2"
  w->st.a2max = 10;
  ConsoleCapture cap;
  print_settings(w->st);
  EXPECT_EQ(cap.text(), kSummaryTop + kCylinder + kArcDefault +
                            "\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(  1.2[m^2/s^2]  10.0[m/s^2])" +
                            kSummaryEnd);
}

// The straight line shows only its number, points and sf; the settings are
// only read.
TEST(Summary, StraightLineAndNothingChanged) {
  auto w = default_world('b', 7);
  w->st.Pf[7] = {0.4, 0.1};
  const Settings before = w->st;
  ConsoleCapture cap;
  print_settings(w->st);
  EXPECT_EQ(cap.text(), kSummaryTop + kScaraDefault + "\nCP軌道：7" +
                            "\n  始点(x0,y0)=(-0.4000  0.1000)[m] 終点(xf,yf)=( 0.4000  0.1000)[m]" +
                            "\n  軌道変数の長さsf= 0.8000" + kLimitsB + kSummaryEnd);
  EXPECT_EQ(before.Pf, w->st.Pf);
  EXPECT_EQ(before.P0, w->st.P0);
  EXPECT_EQ(before.sf, w->st.sf);
  EXPECT_EQ(before.cptype, w->st.cptype);
}

// The slalom's count is printed as an integer, its sf as 3 PI.
TEST(Summary, SlalomDefaults) {
  auto w = default_world('b', 4);
  w->st.Pf[4] = {0.2, 0.2};
  ConsoleCapture cap;
  print_settings(w->st);
  EXPECT_EQ(cap.text(), kSummaryTop + kScaraDefault + "\nCP軌道：4 スラローム(半円の繋がり)" +
                            "\n  円弧部半径R=  0.1[m] 半円の個数N=3" +
                            "\n  始点(x0,y0)=(-0.4000  0.2000)[m] 終点(xf,yf)=( 0.2000  0.2000)[m]" +
                            "\n  軌道変数の長さsf= 9.4248" + kLimitsB + kSummaryEnd);
}

}  // namespace
