// Console output: the diagnostics' budget per scope and their non-numbers.
#include "core/console.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/console_capture.h"

namespace cpt {

namespace {

// Catches a flood (every diagnostic printed), a lost count of the rest, a
// once-only kind printed twice in a scope, and "nan" or "inf" shown as values.
TEST(Diagnostics, BudgetOncePerScopeAndNoNonNumbers) {
  Console console;
  ConsoleCapture con(console);
  console.scope_begin();
  for (int i = 0; i < kDiagMessages + 5; ++i) console.diag("\nd%d", i);
  EXPECT_TRUE(console.diag_first(DiagOnce::NearSingular));
  EXPECT_FALSE(console.diag_first(DiagOnce::NearSingular));
  console.scope_end();
  std::string want;
  for (int i = 0; i < kDiagMessages; ++i) want += "\nd" + std::to_string(i);
  EXPECT_EQ(con.take(), want + "\n(同様の診断 6 件を省略)");
  console.scope_begin();
  console.diag("\ns=%7.4f t=%g x=%f", NAN, -INFINITY, 1.5);
  console.scope_end();
  EXPECT_EQ(con.take(), "\ns=    (非数) t=(非数) x=1.500000");
}

}  // namespace

}  // namespace cpt
