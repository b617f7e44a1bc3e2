#!/usr/bin/env bash
# The classroom's runner features end to end. An exam (teaching: optimum:
# hidden): 'o' shows only a notice, neither the console nor the last frame
# shows the optimum, and --optimum still gives it to the teacher. Grading
# of recordings against values worked out here: the cylindrical robot on a
# radial line, where only the prismatic joint moves and |sdd| <= a2max, so
# that T* = 2 sqrt(L / a), switched at L / 2; a wrong problem flagged; bad
# recordings refused with one line each while the others are graded.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
cd "$work"
printf 'n\nn\nn\n' | "$batch" --print-problem > open.yaml 2> /dev/null
{ cat open.yaml; printf 'teaching:\n  optimum: hidden\n'; } > exam.yaml
keys="o$(rep 80 s)f$(rep 80 s)"
for p in open exam; do
  "$batch" --problem $p.yaml --keys "$keys" --optimum --svg $p.svg > $p.out 2> $p.err
  check '[ $? = 0 ]' "$p: status 0"
done
check 'grep -q "最適軌道(自動計算)" open.out && grep -q "Optimum=" open.svg' "open: 'o' shows the optimum on the console and in the frame"
check '! grep -q "最適軌道(自動計算)" exam.out && ! grep -q "Optimum=" exam.svg' "exam: the optimum is nowhere on the console or in the frame"
check '[ "$(grep -c "^The optimum is hidden" exam.err)" = 1 ]' "exam: 'o' gives the notice"
check 'tail -n 1 exam.out | grep -q "obtained=yes .* optimal_time=1.4427"' "exam: --optimum still gives T* = 1.4427 s ($(tail -n 1 exam.out))"
check '[ "$(tail -n 1 exam.out)" = "$(tail -n 1 open.out)" ]' "exam: the same motion as the open problem"

# Recordings as the window program writes them: a problem file, then keys.
record() {  # record PROBLEM KEYS
  printf 'cp_time_optimal recording 1\nlang ja\nproblem file %d %s\n' "$(stat -c %s "$1")" "$1"
  cat "$1"; echo
  printf '%s' "$2" | sed 's/./key &\n/g'
}
printf 'robot:\n  type: cylindrical\njoints:\n  max_effort: [2, 2.5]\npath:\n  type: line\n  start: [0.2, 0]\n  length: 0.5\n  angle: 0\n' > radial.yaml
sed 's/2.5]/2.4]/' radial.yaml > other.yaml
# Straight to the switch at L/2 (t = 0.01 n, s = a t^2 / 2), one step past it, 'f', the walk.
n=$(awk 'BEGIN { printf "%d", 100 * sqrt(0.5 / 2.5) + 1 }')
record radial.yaml "$(rep $n s)f$(rep 80 s)" > best.rec
# Full acceleration for 30 steps, 'c' (its own step), 10 steps back, 'c', then accelerate into the end curve.
record radial.yaml "$(rep 30 s)c$(rep 10 s)c$(rep 25 s)f$(rep 80 s)" > late.rec
record other.yaml "$(rep $n s)f$(rep 80 s)" > wrong.rec
# Student 5's variant of the problem, and the same file claiming to be student 6's.
"$batch" --problem radial.yaml --variant 5 --print-problem > student5.yaml 2> /dev/null
record student5.yaml "$(rep $n s)f$(rep 80 s)" > student5.rec
sed 's/^  variant: 5 /  variant: 6 /' student5.rec > claims6.rec
printf 'robot:\n  type: scara\n' > foreign.rec
head -c 150 late.rec > truncated.rec
"$batch" --grade best.rec missing.rec late.rec foreign.rec wrong.rec truncated.rec student5.rec claims6.rec --problem radial.yaml \
  --grade-csv grades.csv > grades.json 2> grades.err
check '[ $? = 2 ]' "a refused recording: status 2"
check '[ "$(wc -l < grades.err)" = 3 ] && grep -q "^missing.rec: cannot read: " grades.err &&
  grep -q "^foreign.rec:1: not a recording of cp_time_optimal; accepted: " grades.err &&
  grep -q "^truncated.rec:[0-9]*: the recording ends before its problem is whole; accepted: " grades.err' \
  "one line for each bad recording ($(cat grades.err))"
check '[ "$(wc -l < grades.csv)" = 9 ]' "the CSV file: the header and a row per recording"
# The values worked out by hand: a = 2.5, L = 0.5; the late construction switches
# at t1 = 0.30 and t2 = 0.41, then accelerates until sd^2 meets the end curve 2a(L - s).
python3 - grades.json <<'PY' || fail=1
import json, math, sys
g = {r["file"]: r for r in map(json.loads, open(sys.argv[1]))}
a, L = 2.5, 0.5
bad = []
def near(x, y, tol, what):
    if x is None or abs(x - y) > tol: print("FAILED: %s: %s, expected %.6f" % (what, x, y)); bad.append(what); return False
    return True
b = g["best.rec"]; T = 2 * math.sqrt(L / a)
near(b.get("optimum"), T, 1e-5, "best: T*") and near(b.get("goal_time"), T, 2e-4, "best: goal time")
near(b.get("switchings"), 1, 0, "best: switchings"); near(b.get("switch_distance_s", [None])[0], 0, 1e-3, "best: switch")
t1, t2 = 0.30, 0.41
s1, v1 = a * t1**2 / 2, a * t1
v2 = v1 - a * (t2 - t1); s2 = s1 + (v1 + v2) / 2 * (t2 - t1)
s3 = (2 * a * L - v2**2 + 2 * a * s2) / (4 * a); v3 = math.sqrt(2 * a * (L - s3))
tf = t2 + (v3 - v2) / a + v3 / a
l = g["late.rec"]
near(l.get("goal_time"), tf, 2e-4, "late: goal time"); near(l.get("gap_s"), tf - T, 2e-4, "late: gap")
near(l.get("gap_percent"), 100 * (tf - T) / T, 0.02, "late: gap %"); near(l.get("switchings"), 3, 0, "late: switchings")
for got, s in zip(l.get("switch_distance_s", []) + [None] * 3, (s1, s2, s3)):
    near(got, abs(s - L / 2), 1e-3, "late: switch at s=%.4f" % s)
near(l.get("joint_limit_excess"), 0, 1e-3, "late: joint limits kept")
for f in ("wrong.rec", "claims6.rec"):
    w = g[f]
    if w.get("status") != "wrong_problem" or "goal_time" in w: print("FAILED: %s not flagged: %s" % (f, w)); sys.exit(1)
v = g["student5.rec"]
if v.get("status") != "graded" or v.get("variant") != 5: print("FAILED: variant 5: %s" % v); sys.exit(1)
if [g[f]["status"] for f in ("missing.rec", "foreign.rec", "truncated.rec")] != ["refused"] * 3: sys.exit(1)
sys.exit(1 if bad else 0)
PY
exit $fail
