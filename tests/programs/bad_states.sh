#!/usr/bin/env bash
# Settings and keys that once hung, flooded or showed a broken result: each run
# ends in time, prints no non-number, and obtains a motion from rest to rest or none.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
run() {  # name answers keys [expect: obtained | none]
  local name=$1 answers=$2 keys=$3 expect=${4:-any} rc=0
  ( cd "$work" && printf "$answers" | timeout 20 "$batch" --keys "$keys" --csv "$name.csv" \
      > "$name.out" 2> "$name.err" ) || rc=$?
  [ $rc -eq 124 ] && { echo "FAILED: $name did not end within 20 s"; fail=1; return; }
  python3 - "$work/$name" "$expect" <<'PY' || fail=1
import csv, os, re, sys
base, expect = sys.argv[1], sys.argv[2]
name = os.path.basename(base)
out = open(base + ".out", encoding="utf-8").read()
def bad(msg):
    print(f"FAILED: {name}: {msg}"); sys.exit(1)
if re.search(r"nan|inf", out, re.I): bad("a value that is not a number was printed")
if len(out) > 100000: bad(f"{len(out)} bytes of console output")
m = re.search(r"batch: obtained=(yes|no) goal_time=(\S+)", out)
# No summary: the dialog refused the settings until its input ended.
if not m and "入力が終わりました" not in out: bad("neither a summary nor the end of the dialog")
if not m or m.group(1) == "no":
    if os.path.exists(base + ".csv"): bad("a CSV file without a trajectory")
    if expect == "obtained": bad("expected a trajectory")
    sys.exit(0)
if expect == "none": bad("obtained a trajectory it should not")
sf = float(re.findall(r"軌道変数の長さsf=\s*(\S+)", out)[-1])
rows = [[float(v) for v in r] for r in list(csv.reader(open(base + ".csv")))[1:]]
t, s, sd = ([r[i] for r in rows] for i in (1, 2, 3))
if (t[0], s[0], sd[0]) != (0, 0, 0): bad(f"starts at {t[0], s[0], sd[0]}")
if abs(s[-1] - sf) > 2e-3 * sf or abs(sd[-1]) > 1e-3: bad(f"ends at s={s[-1]} sd={sd[-1]} of sf={sf}")
if any(b <= a for a, b in zip(t, t[1:])) or min(s) < 0 or min(sd) < 0: bad("runs backwards")
if abs(float(m.group(2)) - t[-1]) > 1e-6: bad(f"goal time {m.group(2)}, last time {t[-1]}")
PY
}

run small_arc 'n\nn\ny\n1\n0.2 0.2 0.02 180\n' ''
run slalom_30_steps 'n\nn\ny\n4\n-0.4 0.2 0.1 3\n' "$(rep 30 s)"
run switch_after_the_crossing 'n\nn\nn\n' "$(rep 82 s)csssf$(rep 80 s)" obtained
run robot_a_default_arc 'y\na\nn\nn\n' "$(rep 80 s)f$(rep 64 s)" none
run robot_a_short_arc 'y\na\nn\ny\n1\n0 0.04 0.27 86\n' "$(rep 12 s)f$(rep 60 s)"
run pressing_on_past_a_failure 'n\nn\nn\n' "$(rep 2500 s)"
run view_keys_past_a_failure 'n\nn\nn\n' "$(rep 200 s)$(rep 5000 x)"
run sine_wavelength_1e-300 'n\nn\ny\n2\n-0.4 0.2 1e-300 0.5\n' 's' none
run cam_stroke_1e-300 'n\nn\ny\n5\n-0.2 0.1 1e-300 0.5\n' 's' none
run limits_1e308 'n\ny\n1e308 1e308\nn\n' 's' none
run arc_radius_1e-6 'n\nn\ny\n1\n0.2 0.2 0.000001 180\n' 's' none
run switch_at_rest 'n\nn\nn\n' "cc$(rep 80 s)f$(rep 64 s)" obtained
run tiny_slalom 'n\nn\ny\n4\n-0.4 0.2 0.0003 1000\n' "$(rep 21 s)"
run default_construction 'n\nn\nn\n' "$(rep 80 s)f$(rep 64 s)" obtained
[ $fail = 0 ] && echo "bad states: every run ended soundly"
exit $fail
