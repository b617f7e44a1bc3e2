#!/usr/bin/env bash
# --optimum appends " optimal_time=T" (1.442701 s, independent integration); --optimum-csv
# writes --csv's columns from rest to rest at T.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
# The dialog's answers from a file: a run that exits before reading them
# (bad usage) cannot break a pipe.
printf 'n\nn\nn\n' > "$work/answers"
run() {
  local name=$1; shift
  "$batch" "$@" < "$work/answers" > "$work/$name.out" 2> "$work/$name.err"
  echo $? > "$work/$name.rc"
}
rc() { cat "$work/$1.rc"; }
summary() { tail -n 1 "$work/$1.out"; }
field() { summary "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }

keys="$(rep 80 s)f$(rep 64 s)"
run plain --keys "$keys" --csv "$work/plain.csv"
run best --keys "$keys" --csv "$work/best.csv" --optimum --optimum-csv "$work/optimum.csv"
check '[ "$(rc plain)" = 0 ] && [ "$(rc best)" = 0 ] && cmp -s "$work/plain.out" <(sed "\$s/ optimal_time=[0-9.]*\$//" "$work/best.out")' \
  "both runs end with status 0, --optimum only appends to the summary line ($(summary best))"
check 'cmp -s "$work/plain.err" "$work/best.err" && cmp -s "$work/plain.csv" "$work/best.csv"' \
  "standard error and the --csv file are the same with --optimum"
T=$(field best optimal_time)
goal=$(field best goal_time)
check 'awk -v t="$T" -v g="$goal" "BEGIN { exit !(t > 1.442699 && t < 1.442703 && t <= g * (1 + 5e-4)) }"' \
  "optimal_time $T matches 1.442701 and is not longer than goal_time $goal"
check 'awk -F, -v t="$T" "NR == 2 { ok = \$2 == 0 && \$3 == 0 && \$4 == 0 } END { exit !(ok && \$4 == 0 && \$9 == 0 && \$10 == 0 && (\$2 - t) ^ 2 < 1e-12 && (\$3 - 3.14159265) ^ 2 < 1e-14) }" "$work/optimum.csv"' \
  "the optimal motion runs from rest at s = 0 to rest at s = sf at the optimal time"
check '[ "$(head -n 1 "$work/optimum.csv")" = "$(head -n 1 "$work/plain.csv")" ] && [ "$(wc -l < "$work/optimum.csv")" = 147 ]' \
  "--csv's columns, one row per 10 ms of 1.44 s and the end"

[ $fail -eq 0 ] && echo "optimum runner passed"
exit $fail
