#include "planner/report.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/text.h"
#include "model/ceiling.h"
#include "model/limits.h"

namespace cpt {

namespace {

SwitchRecord step_record(const Motion& mo, double t, int k) {
  return {t, mo.Y[k][0], mo.Y[k][1], {mo.A[k].acc[0], mo.A[k].acc[1]}};
}

// Number of records that step k adds: group 1 (joint 1 reaches its limit,
// joint 2 leaves it, or either joint jumps from limit to limit) and group 2
// (joint 1 leaves its limit, joint 2 reaches it) count one each.
int switchings_at(const Model& m, const Motion& mo, int k) {
  const LimitEvents e = limit_events(m, mo.A[k - 1].acc, mo.A[k].acc);
  const bool group1 = e.reach[0] || e.leave[1] || e.jump[0] || e.jump[1];
  const bool group2 = e.leave[0] || e.reach[1];
  return (group1 ? 1 : 0) + (group2 ? 1 : 0);
}

// v as the report's four decimals show it: a value that shows as zero is
// zero, printed without a sign (" 0.0000", never "-0.0000").
double shown(double v) {
  if (!std::isfinite(v)) return v;
  char text[48];
  std::snprintf(text, sizeof text, "%.4f", v);
  return std::strpbrk(text, "123456789") ? v : 0.0;
}

void print_record(std::string& out, const char* label, int i, const SwitchRecord& r) {
  if (label) {
    appendf(out, "\n%s=%7.4f S[]=(%7.4f %7.4f) ACC[]=(%7.4f %7.4f)", label, shown(r.t), shown(r.s),
               shown(r.sd), shown(r.acc[0]), shown(r.acc[1]));
  } else {
    appendf(out, "\nt%d=%7.4f S[]=(%7.4f %7.4f) ACC[]=(%7.4f %7.4f)", i, shown(r.t), shown(r.s),
               shown(r.sd), shown(r.acc[0]), shown(r.acc[1]));
  }
}

void print_report(std::string& out, Lang lang, const Motion& mo) {
  const int nchn = mo.NCHN < 0 ? 0 : (mo.NCHN > NREC - 1 ? NREC - 1 : mo.NCHN);
  appendf(out, text(lang, Txt::ReportSwitchings), mo.NCHN);
  for (int i = 0; i < nchn; ++i) {
    print_record(out, nullptr, i, mo.chn[i]);
    // A switch onto a speed limit's ceiling: the motion slides along it.
    if (mo.chn[i].drive == Drive::Ceiling)
      appendf(out, text(lang, Txt::ReportAlongCeiling), i, speed_limit_name(lang, mo.chn[i].limit));
  }
  print_record(out, "tf", 0, mo.chn[nchn]);
  appendf(out, text(lang, Txt::ReportTorqueSwitchings), mo.NCT);
  for (int i = 0; i < mo.NCT; ++i) print_record(out, nullptr, i, mo.tsw[i]);
  print_record(out, "tf", 0, mo.tsw[mo.NCT]);
  appendf(out, "\n");
}

}  // namespace

int switching_times(const Model& m, Motion& mo, int n, int& dropped) {
  if (n < 0) n = 0;
  if (n > NTAB - 1) n = NTAB - 1;
  int nct = 0;
  dropped = 0;
  mo.tsw[0] = step_record(mo, 0, 0);
  for (int k = 1; k <= n; ++k) {
    for (int add = switchings_at(m, mo, k); add > 0; --add) {
      if (nct + 1 > NREC - 1) {
        ++dropped;
        continue;
      }
      mo.tsw[++nct] = step_record(mo, mo.tt[k], k);
    }
  }
  // The last record becomes the end of the motion.
  mo.tsw[nct] = step_record(mo, mo.tf, n);
  mo.NCT = nct;
  return nct;
}

std::string switching_report(Lang lang, const Motion& mo, int dropped) {
  std::string out;
  if (dropped > 0)
    appendf(out, text(lang, Txt::ReportDropped), NREC - 1, dropped);
  print_report(out, lang, mo);
  return out;
}

std::string optimum_report(Lang lang, const Optimum& o) {
  std::string out;
  if (!o.ok) {
    appendf(out, text(lang, Txt::OptimumNone), o.reason.c_str());
    return out;
  }
  appendf(out, text(lang, Txt::OptimumHead), shown(o.T), static_cast<int>(o.switches.size()));
  for (size_t i = 0; i < o.switches.size(); ++i) {
    const OptimumSwitch& w = o.switches[i];
    appendf(out, "\nt%d=%7.4f S[]=(%7.4f %7.4f) %s->%s", static_cast<int>(i + 1), shown(w.t), shown(w.s),
            shown(w.sd), choice_name(w.from), choice_name(w.to));
  }
  appendf(out, "\n");
  return out;
}

}  // namespace cpt
