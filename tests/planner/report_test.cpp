#include "planner/report.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

using Accs = std::vector<std::array<double, 2>>;

// Steps 0.1 s apart at (0.1 k, 1) with these joint accelerations (limits 2, 2).
static std::unique_ptr<App> scan(const Accs& accs) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  for (size_t k = 0; k < accs.size(); ++k)
    w->d.mo.tt[k] = 0.1 * k, w->d.mo.Y[k] = {0.1 * k, 1.0}, w->d.mo.A[k].acc = accs[k];
  w->d.mo.tf = w->d.mo.tt[accs.size() - 1] + 0.05;
  return w;
}

// Step 1: joint 1 reaches its limit. Step 2: joint 1 reverses (group 1), joint 2
// reaches (group 2). Step 3: both leave, two records, the last replaced by the end.
TEST(SwitchingReport, ExactTextOfAHandMadeTrajectory) {
  auto w = scan({{0, 0.5}, {2, 0.5}, {-2, 2}, {0, 0}});
  Motion& mo = w->d.mo;
  mo.Y[3] = {0.5, 0}, mo.tf = 0.3, mo.NCHN = 1;
  mo.chn[0] = {0, 0, 0, {2, 0.5}};
  mo.chn[1] = {0.3, 0.5, 0, {0, 0}};
  int dropped = -1;
  EXPECT_EQ(switching_times(w->m, mo, 3, dropped), 5);
  EXPECT_EQ(dropped, 0);
  EXPECT_EQ(switching_report(Lang::Ja, mo, dropped),
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

// Within 1e-5 of the limit is at it; from at most 1e-3 below to it is no change;
// each group counts once per step. The end is recorded last, whatever the count.
TEST(SwitchingReport, CountsOfSmallScans) {
  Accs reversals(121);  // from limit to limit: 49 kept
  for (size_t k = 0; k < reversals.size(); ++k) reversals[k] = {k % 2 ? 2.0 : -2.0, 0};
  struct Case { const char* what; Accs accs; int nct; };
  for (const Case& c : {Case{"at the limit within 1e-5 twice", {{1.999995, 0}, {2, 0}}, 0},
                        Case{"5e-4 below to the limit", {{1.9995, 0}, {2, 0}}, 0},
                        Case{"both reach at once: once per group", {{0, 0}, {2, 2}}, 2},
                        Case{"120 reversals", reversals, NREC - 1}}) {
    SCOPED_TRACE(c.what);
    auto w = scan(c.accs);
    const int n = static_cast<int>(c.accs.size()) - 1;
    int dropped = -1;
    EXPECT_EQ(switching_times(w->m, w->d.mo, n, dropped), c.nct);
    EXPECT_EQ(w->d.mo.tsw[c.nct].t, w->d.mo.tf); EXPECT_EQ(w->d.mo.tsw[c.nct].acc, w->d.mo.A[n].acc);
    if (c.nct < NREC - 1) continue;
    EXPECT_EQ(w->d.mo.tsw[NREC - 2].t, w->d.mo.tt[NREC - 2]);
    EXPECT_NE(switching_report(Lang::Ja, w->d.mo, dropped).find("関節トルク切り替えが上限49を超え 71 個を記録しない"), std::string::npos);
  }
}

}  // namespace cpt
