#!/usr/bin/env bash
# The problem file end to end: the settings the dialog leaves, written with --print-problem
# and read back with --problem, give the same run (from the settings summary on: report,
# summary line, messages, CSVs; before it the dialog prints its questions, the file run the
# file's name); 'k' after a file starts from its settings; a bad file or one without a motion:
# status 2, one line, nothing run, in both programs. (The window program on a file:
# window_end_to_end.sh.)
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
cd "$work"

# The console from the last settings summary on.
report() { awk '/設定した最短時間制御の条件/ { text = "" } { text = text $0 "\n" } END { printf "%s", text }' "$1"; }
keys="sssss$(rep 300 f)$(rep 120 s)"

# Dialog answers: the defaults, and settings off the defaults for both robots
# and several kinds (the arc and the line with angles in degrees).
while IFS='|' read -r name answers; do
  printf "$answers" | "$batch" --print-problem > $name.yaml 2> $name.print.err
  check '[ $? = 0 ] && grep -q "^path:" $name.yaml' "$name: --print-problem writes a file ($(tail -n 1 $name.print.err))"
  # Each run in a folder of its own, with the same CSV name (its messages name it).
  mkdir $name.d $name.f
  (cd $name.d && printf "$answers" | "$batch" --keys "$keys" --csv run.csv > ../$name.d.out 2> err.txt)
  (cd $name.f && "$batch" --problem ../$name.yaml --keys "$keys" --csv run.csv < /dev/null > ../$name.f.out 2> err.txt)
  check '[ $? = 0 ] && cmp -s <(report $name.d.out) <(report $name.f.out)' "$name: the file gives the dialog's report"
  check 'diff -r $name.d $name.f > /dev/null' "$name: the same messages and CSV files"
  check 'grep -qF "問題ファイル：../$name.yaml" $name.f.out && ! grep -q "変更する？" $name.f.out' \
    "$name: the file run names the file and asks nothing"
  "$batch" --problem $name.yaml --print-problem > $name.again.yaml 2> /dev/null
  check 'cmp -s $name.yaml $name.again.yaml' "$name: the file read and written again is the same file"
done <<'RUNS'
defaults|n\nn\nn\n
cam_a|y\na\nn\ny\n5\n-0.25 0.15 0.45 0.35\n
arc_b|y\nb\n0.6 0.45\ny\n2.5 1.5\ny\n1\n0.15 0.25 0.4 135\n
line_a|y\na\nn\ny\n7\n-0.4 0.1 0.7 20\n
slalom_b|y\nb\n0.5 0.5\nn\ny\n4\n-0.4 0.2 0.1 2\n
RUNS

# 'k' after the file: the dialog starts from the file's settings, as after the dialog's own start.
new_line='7\n-0.3 0.1 0.6 10\n'
printf "y\na\nn\ny\n5\n-0.25 0.15 0.45 0.35\n$new_line" | "$batch" --keys "sssks$(rep 20 s)" > k.d.out 2> /dev/null
printf "$new_line" | "$batch" --problem cam_a.yaml --keys "sssks$(rep 20 s)" > k.f.out 2> /dev/null
check 'grep -qF "旧運動＝5" k.f.out && cmp -s <(report k.d.out) <(report k.f.out)' "'k' after the file starts from its settings"

# --print-problem runs no keys: with --keys it is bad usage.
"$batch" --print-problem --keys s < /dev/null > usage.out 2> usage.err
check '[ $? = 2 ] && grep -q "does not go with it" usage.err && [ ! -s usage.out ]' "--print-problem --keys: bad usage"

# Bad files: status 2, one line FILE:LINE, nothing on standard output, no dialog; quickly and
# in little memory, also for a stray comma (the parser's endless empty documents) and an endless file.
printf 'robot:\n  type: scara\npath:\n  type: arc\n  radus: 0.5\n' > unknown.yaml
printf 'robot:\n  type: scara\n  arm: [0.5, 0.5\npath:\n  type: arc\n' > broken.yaml
printf ',' > comma.yaml
printf '{robot: {type: scara}, path: {type: arc}},' > trailing.yaml
printf 'robot:\n  type: scara\njoints:\n  max_effort: [10000, 10000]\npath:\n  type: line\n  start: [0.3, 0.1]\n  length: 0.001\n' > fast.yaml
mkfifo in
exec 3<> in
bad() {  # NAME FILE PATTERN PROGRAM...: the program on FILE refuses it with PATTERN
  local name=$1 file=$2 pattern=$3; shift 3
  (ulimit -v 4000000 && exec timeout 10 "$@" --problem "$file") < in > bad.out 2> bad.err
  local rc=$?
  # With --print-problem the start's console goes to standard error: there
  # the refusal of a file without a motion is the last line.
  [[ "$*" == *--print-problem* && $file == fast.yaml ]] && tail -n 1 bad.err > bad.last && mv bad.last bad.err
  check '[ $rc = 2 ] && [ "$(wc -l < bad.err)" = 1 ] && grep -qE "^$file(:[0-9]+)?: " bad.err && grep -qF "$pattern" bad.err' \
    "$name: status 2 and one line $pattern (status $rc: $(head -c 300 bad.err))"
  [ "$file" = fast.yaml ] || check '[ ! -s bad.out ]' "$name: nothing on standard output ($(head -c 100 bad.out))"
}
for runner in "$batch" "$batch --keys s" "$batch --print-problem"; do
  bad "$runner unknown key" unknown.yaml "unknown key 'radus'" $runner
  bad "$runner not YAML" broken.yaml "not YAML: end of sequence flow not found; accepted: YAML" $runner
  bad "$runner stray comma" comma.yaml "not YAML: unexpected ','; accepted: YAML" $runner
  bad "$runner trailing comma" trailing.yaml "not YAML: unexpected ','; accepted: YAML" $runner
  bad "$runner endless" /dev/zero "past 1 MiB (1048576 bytes) on this line; accepted: a file of at most 1 MiB" $runner
  bad "$runner unreadable" missing.yaml "cannot read: No such file" $runner
  bad "$runner no motion" fast.yaml "no motion can be prepared" $runner
done
# The window program: refused before any window, with or without a display.
bad "window, no DISPLAY" unknown.yaml "unknown key 'radus'" env -u DISPLAY "$prog"
bad "window, DISPLAY :987" broken.yaml "not YAML" env DISPLAY=:987 "$prog"
bad "window, trailing comma" trailing.yaml "not YAML: unexpected ','" env -u DISPLAY "$prog"
bad "window under Xvfb, no motion" fast.yaml "no motion can be prepared" "$here/../../scripts/on_xvfb.sh" "$prog"

# The README's example: four waypoints under the hand speed limit, built with 'l' along it. Its
# goal time is the optimum's (a slide at 1 m/s between the bang pieces), not shorter; the rebuilt
# motion ends at rest at the last point (x, y in the CSV's columns 5, 6).
"$batch" --problem "$here/../../docs/own-problem.yaml" --keys "$(rep 32 s)$(rep 70 l)$(rep 40 f)$(rep 200 s)" \
  --optimum --csv own.csv < /dev/null > own.out 2> /dev/null
goal=$(tail -n 1 own.out | sed -n 's/.*goal_time=\([0-9.]*\).*optimal_time=\([0-9.]*\)/\1 \2/p')
check 'grep -q "^t1 から手先の速度上限に沿う$" own.out && awk -v g="${goal% *}" -v o="${goal#* }" "BEGIN { exit !(g >= o - 5e-4 && g <= o + 1e-3) }"' \
  "the example slides along the hand speed limit in the optimum's time ($(tail -n 1 own.out))"
check 'tail -n 1 own.csv | awk -F, "{ exit !((\$5 - 0.2) ^ 2 + (\$6 - 0.5) ^ 2 < 1e-6 && \$4 == 0) }"' "the example ends at rest at (0.2, 0.5)"

# 'k' on the example's waypoint path: the path section takes 8 to keep it, and the keys after it build
# the motion of the file alone (the same report but for the key count, the same CSV files).
for k in "" k; do
  printf '8\n' | "$batch" --problem "$here/../../docs/own-problem.yaml" --keys "$k$(rep 32 s)$(rep 70 l)$(rep 40 f)$(rep 200 s)" \
    --csv wp$k.csv > wp$k.out 2> /dev/null
done
check '[ $? = 0 ] && grep -qF "旧運動＝8  入力 c=" wpk.out && cmp -s <(report wp.out | sed "\$s/ keys=[0-9]*//") <(report wpk.out | sed "\$s/ keys=[0-9]*//") && cmp -s wp.csv wpk.csv && cmp -s wp.reference.csv wpk.reference.csv' \
  "'k' and 8 keep the waypoint path ($(tail -n 1 wpk.out))"

[ $fail -eq 0 ] && echo "problem file test passed"
exit $fail
