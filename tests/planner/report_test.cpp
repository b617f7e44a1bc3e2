#include "planner/report.h"

#include <gtest/gtest.h>

#include "support/console_capture.h"
#include "support/world.h"

namespace {

// A hand-made trajectory of n + 1 steps 0.1 s apart, limits 2 and 2.
struct Scan {
  std::unique_ptr<World> w = default_world('b', 1);
  Motion& mo = w->mo;
  explicit Scan(std::initializer_list<std::array<double, 2>> accs) {
    int k = 0;
    for (const auto& a : accs) {
      mo.tt[k] = 0.1 * k;
      mo.Y[k] = {0.1 * k, 1.0};
      mo.A[k].acc = a;
      ++k;
    }
    if (k > 0) mo.tf = mo.tt[k - 1];
  }
  int run(int n) { return switching_report(w->st, mo, n); }
};

// Step 1: joint 1 reaches its limit (group 1). Step 2: joint 1 reverses from
// +2 to -2 (group 1) and joint 2 reaches its limit (group 2): two records.
// Step 3: joint 1 leaves (group 2) and joint 2 leaves (group 1): two records,
// the last of which becomes the end of the motion.
TEST(SwitchingReport, ExactTextOfAHandMadeTrajectory) {
  Scan sc({{0, 0.5}, {2, 0.5}, {-2, 2}, {0, 0}});
  Motion& mo = sc.mo;
  mo.Y[3] = {0.5, 0};
  mo.NCHN = 1;
  mo.chn[0] = {0, 0, 0, {2, 0.5}};
  mo.chn[1] = {0.3, 0.5, 0, {0, 0}};
  ConsoleCapture con;
  EXPECT_EQ(sc.run(3), 5);
  EXPECT_EQ(mo.NCT, 5);
  EXPECT_EQ(con.text(),
            "\n\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=1"
            "\nt0= 0.0000 S[]=( 0.0000  0.0000) ACC[]=( 2.0000  0.5000)"
            "\ntf= 0.3000 S[]=( 0.5000  0.0000) ACC[]=( 0.0000  0.0000)"
            "\n\n関節トルク切り替え回数 NCT=5   加速度acc[]は直後の値"
            "\nt0= 0.0000 S[]=( 0.0000  1.0000) ACC[]=( 0.0000  0.5000)"
            "\nt1= 0.1000 S[]=( 0.1000  1.0000) ACC[]=( 2.0000  0.5000)"
            "\nt2= 0.2000 S[]=( 0.2000  1.0000) ACC[]=(-2.0000  2.0000)"
            "\nt3= 0.2000 S[]=( 0.2000  1.0000) ACC[]=(-2.0000  2.0000)"
            "\nt4= 0.3000 S[]=( 0.5000  0.0000) ACC[]=( 0.0000  0.0000)"
            "\ntf= 0.3000 S[]=( 0.5000  0.0000) ACC[]=( 0.0000  0.0000)"
            "\n");
}

TEST(SwitchingReport, NoStepsRecordsOnlyTheEnd) {
  Scan sc({{1, 1}});
  sc.mo.tf = 0.7;
  sc.mo.NCHN = 0;
  ConsoleCapture con;
  EXPECT_EQ(sc.run(0), 0);
  EXPECT_EQ(con.text(),
            "\n\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=0"
            "\ntf= 0.0000 S[]=( 0.0000  0.0000) ACC[]=( 0.0000  0.0000)"
            "\n\n関節トルク切り替え回数 NCT=0   加速度acc[]は直後の値"
            "\ntf= 0.7000 S[]=( 0.0000  1.0000) ACC[]=( 1.0000  1.0000)"
            "\n");
}

TEST(SwitchingReport, QuietChangesAddNothing) {
  ConsoleCapture con;
  // Within 0.00001 of the limit at both steps; 0.0005 below it to the limit
  // (it was not more than 0.001 away).
  EXPECT_EQ(Scan({{1.999995, 0}, {2, 0}}).run(1), 0);
  EXPECT_EQ(Scan({{1.9995, 0}, {2, 0}}).run(1), 0);
  EXPECT_EQ(Scan({{0, 1.9995}, {0, -2}}).run(1), 0);
}

TEST(SwitchingReport, GroupsCountOnceEach) {
  ConsoleCapture con;
  // Joint 1 leaves and joint 2 reaches: both in group 2, one record.
  EXPECT_EQ(Scan({{0, 0}, {2, 1}, {1, 2}, {0, 0}}).run(2), 2);
  // Joint 1 and joint 2 reach their limits at once: one record per group.
  // Both records are step 1; the second one is then overwritten by the end.
  Scan both({{0, 0}, {2, 2}});
  both.mo.tf = 0.15;
  EXPECT_EQ(both.run(1), 2);
  EXPECT_EQ(both.mo.tsw[1].t, 0.1);
  EXPECT_EQ(both.mo.tsw[1].acc, (std::array<double, 2>{2, 2}));
  EXPECT_EQ(both.mo.tsw[2].t, 0.15);
}

// 120 reversals from limit to limit, one record each: the table keeps the
// first 49 slots, and the end of the motion is still recorded last, in tsw[49].
TEST(SwitchingReport, FullTableKeepsTheEndLast) {
  Scan sc({});
  for (int k = 0; k <= 120; ++k) {
    sc.mo.tt[k] = 0.01 * k;
    sc.mo.Y[k] = {0.01 * k, 1};
    sc.mo.A[k].acc = {k % 2 ? 2.0 : -2.0, 0};
  }
  sc.mo.tf = 1.2;
  ConsoleCapture con;
  EXPECT_EQ(sc.run(120), NREC - 1);
  EXPECT_EQ(sc.mo.tsw[NREC - 1].t, 1.2);
  EXPECT_EQ(sc.mo.tsw[NREC - 2].t, 0.01 * (NREC - 2));
  EXPECT_NE(con.text().find("switching_report() 関節トルク切り替えが上限49を超え 71 個を記録しない"),
            std::string::npos);
}

}  // namespace
