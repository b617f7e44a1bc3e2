#!/usr/bin/env bash
# The runner's --help, bad usage (status 2), stdin keys = --keys, no landing (status 0,
# obtained=no, no CSV), ESC, unwritable CSVs (status 1, no file left); --optimum appends
# " optimal_time=T" (1.442701 s, independent integration), --optimum-csv writes --csv's
# columns from rest to rest at T.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
# run NAME ARGS...: stdin from $input, stdout/stderr/status into $work/NAME.*
# The input is a file, not a pipe: a run that reads none of it (--help, bad
# usage) must not make the writer die of SIGPIPE.
run() {
  local name=$1; shift
  printf "$input" > "$work/$name.in"
  "$batch" "$@" < "$work/$name.in" > "$work/$name.out" 2> "$work/$name.err"
  echo $? > "$work/$name.rc"
}
rc() { cat "$work/$1.rc"; }
summary() { tail -n 1 "$work/$1.out"; }
field() { summary "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }
input='n\nn\nn\n'

run help --help
check '[ "$(rc help)" = 0 ] && grep -q -- "--keys STRING" "$work/help.out" && grep -q -- "--csv FILE" "$work/help.out" && grep -q -- "--svg FILE" "$work/help.out"' \
  "--help: status 0, every option explained"

# Bad usage: status 2, the reason on stderr, nothing run (no dialog on stdout).
while IFS='|' read -r reason args; do
  eval "run bad $args"
  check '[ "$(rc bad)" = 2 ] && grep -q -- "$reason" "$work/bad.err" && [ ! -s "$work/bad.out" ]' \
    "bad usage '$args': status 2 and '$reason' ($(rc bad): $(cat "$work/bad.err"))"
done <<'BAD'
unknown option --speed|--speed
--keys needs an argument|--keys
--csv needs an argument|--keys s --csv
--svg given twice|--svg a.svg --svg b.svg
unexpected argument extra|--keys s extra
backslash|--keys 's\q'
BAD

# The input ends inside the dialog, at the start and at a key's dialog: the
# end-of-input line last, status 1, no summary.
for at in 'n\nn|--keys s' 'n\nn\nn\n|--keys u'; do
  input=${at%%|*}; eval "run eoi ${at#*|}"; input='n\nn\nn\n'
  check '[ "$(rc eoi)" = 1 ] && [ "$(tail -n 1 "$work/eoi.out")" = "入力が終わりました．プログラムを終了します．" ] && ! grep -q "^batch:" "$work/eoi.out"' \
    "end of input in the dialog ($at): status 1 after the end line ($(rc eoi): $(tail -c 80 "$work/eoi.out"))"
done

# The window program, without a display: --help names --problem and every key of the
# README's table; an unknown option is one line naming it and --help, status 2, no dialog.
DISPLAY= batch=$prog run whelp --help
check '[ "$(rc whelp)" = 0 ] && grep -q -- "--problem FILE" "$work/whelp.out" && [ ! -s "$work/whelp.err" ] &&
       sed -n "/^| key | does |\$/,/^\$/s/^| \([^|]*[^ ]\) *| .*/\1/p" "$here/../../README.md" | tr -d "\`" |
       sed 1d | { n=0; while read -r k; do grep -q "^  $k  " "$work/whelp.out" || exit 1; n=$((n + 1)); done; [ $n -gt 10 ]; }' \
  "window --help: status 0, --problem and the README's keys ($(rc whelp): $(head -c 300 "$work/whelp.out"))"
for bad in --bogus -x; do
  DISPLAY= batch=$prog run wbad "$bad"
  check '[ "$(rc wbad)" = 2 ] && [ "$(wc -l < "$work/wbad.err")" = 1 ] && grep -q -- "unknown option $bad .*--help" "$work/wbad.err" && [ ! -s "$work/wbad.out" ]' \
    "window $bad: status 2, one line naming it and --help, nothing on stdout ($(rc wbad): $(cat "$work/wbad.err"))"
done

# Keys on standard input are the same keys as --keys: the same output.
keys="$(rep 80 s)f$(rep 64 s)"
run from_option --keys "$keys"
input="n\nn\nn\n$keys\n"
run from_stdin
check 'cmp "$work/from_option.out" "$work/from_stdin.out"' "stdin keys and --keys give the same output"

# The view keys and '0' do not move the motion: the README's U-shape construction after three
# steps and '0', zoomed and moved in the middle, gives its report (1.6068 s) as without them.
input='n\nn\ny\n3\n0.2 0 0.4 0.2\n'
u1="$(rep 19 s)c$(rep 19 s)c"; u2="$(rep 49 s)c$(rep 17 s)c$(rep 12 s)f$(rep 40 s)"
run u_plain --keys "$u1$u2" --csv "$work/u_plain.csv"
run u_view --keys "sss0${u1}wWxXyY$u2" --csv "$work/u_view.csv"
check '[[ "$(summary u_view)" == *"goal_time=1.606806 "*" NCHN=6 NCT=9 "* ]] && cmp -s <(head -n -1 "$work/u_plain.out") <(head -n -1 "$work/u_view.out") &&
       cmp -s "$work/u_plain.err" "$work/u_view.err" && cmp -s "$work/u_plain.csv" "$work/u_view.csv"' \
  "'0' and the view keys do not step the U-shape construction ($(summary u_view))"

# Never lands: status 0, not obtained (no CSV file and stderr's reason: the golden runs' partial digests).
input='n\nn\nn\n'
run short --keys 'sss' --csv "$work/short.csv"
check '[ "$(rc short)" = 0 ] && [[ "$(summary short)" == "batch: obtained=no goal_time=0.000000 "*" nf=0 keys=3" ]]' \
  "a run without a trajectory: status 0, not obtained ($(rc short): $(summary short))"

# ESC ends the keys: the landing after it never happens.
run esc --keys "$(rep 80 s)\\e f$(rep 64 s)"
check '[ "$(rc esc)" = 0 ] && [[ "$(summary esc)" == *"obtained=no"*" keys=80" ]]' "ESC ends the run ($(summary esc))"

# --optimum: the same run, one field more.
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

# Unwritable CSV paths: status 1, one line naming the file, and no file left, not even
# the trajectory's when only its reference file cannot be written (a folder in its way).
mkdir -p "$work/csv/t.reference.csv"
for target in "$work/no/such/dir/t.csv" "$work/csv/t.csv"; do
  run unwritable --keys "$keys" --csv "$target"
  check '[ "$(rc unwritable)" = 1 ] && [ "$(wc -l < "$work/unwritable.err")" = 2 ] &&
         [ "$(grep -c "cannot write $work/" "$work/unwritable.err")" = 1 ] && [ "$(ls -A "$work/csv")" = t.reference.csv ]' \
    "unwritable CSV $target: status 1, one line, no file ($(rc unwritable): $(cat "$work/unwritable.err"); $(ls -A "$work/csv"))"
done

[ $fail -eq 0 ] && echo "usage and outcomes passed"
exit $fail
