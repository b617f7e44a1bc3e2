#!/usr/bin/env bash
# The window under Xvfb, started from a problem file in a folder that then goes: UTF-8 title, a 'p'
# that cannot write (one line, the motion goes on), a construction by keys to the replay, screenshots,
# 'k', ESC status 0; the runner on the same file and keys prints the same console byte for byte.
# No X display: one line on stderr before any question, status 1 (stdin stays open, so a question
# asked first would wait until the timeout).
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
printf 'n\nn\nn\n' | "$batch" --print-problem > "$work/start.yaml"
new_path='6\n-0.3 0.1 0.6 0.3\n'
title=$(grep -o '"a,b:[^"]*"' "$here/../../src/app/window.h" | head -n 1 | tr -d '"')

on_window <<INNER || true
# As wd_start, but the window program's standard error is kept apart.
WD_DIR="$work"
mkfifo "$work/in"
mkdir "$work/gone" && cd "$work/gone"
"$prog" --problem "$work/start.yaml" < "$work/in" > "$work/console.txt" 2> "$work/window_stderr.txt" &
WD_PID=\$!
rmdir "$work/gone"
exec 3> "$work/in"
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
xprop -id "\$WD_WIN" _NET_WM_NAME > "$work/netwm.txt"
# 40 steps, a picture, one back with the small step, a switch one step back and one straight back.
wd_repeat 40 s; wd_keys p t s r c
wd_repeat 20 s
wd_shot "$work/construction.png"
wd_repeat 40 s
# Past the end curve: land, walk to the end, replay.
wd_keys f
wd_repeat 80 s
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
wd_repeat 10 s
wd_shot "$work/replay.png"
# A new path from the window: the cycloid cam.
wd_keys k
wd_answer '$new_path'
wd_wait_console '計算終了' 2 || { wd_quit; exit 1; }
wd_keys s
wd_shot "$work/new_path.png"
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER
source "$here/../../scripts/window_driver.sh"

keys="$(rep 40 s)ptsrc$(rep 60 s)f$(rep 90 s)k s\\e"
mkdir "$work/gone"
(cd "$work/gone" && rmdir "$work/gone" && printf "$new_path" | "$batch" --problem "$work/start.yaml" --keys "$keys" \
  > "$work/batch.txt" 2> "$work/batch_stderr.txt") || true

console="$work/console.txt"
count() { grep -o -F -- "$1" "$console" | wc -l; }
check 'grep -q "exit status 0" "$work/status.txt"' "ESC ends with status 0 ($(cat "$work/status.txt" 2>/dev/null))"
check '[ "$(cat "$work/netwm.txt")" = "_NET_WM_NAME(UTF8_STRING) = \"$title\"" ]' "the UTF-8 title ($(cat "$work/netwm.txt"))"

# The console: one switching report for the two hand-made switchings and the
# landing, its time lines rising to tf, then the dialog for the new path.
check '[ "$(count "新しい軌道に沿う加減速の切り替え回数と状態 NCHN=4")" -eq 1 ]' "one report with NCHN=4"
times=$(sed -n '/NCHN=4/,/^$/p' "$console" | grep -oE '^t[0-9f]+= *[0-9.]+' | sed 's/.*= *//' || true)
check '[ "$(echo "$times" | wc -l)" -eq 5 ] && [ "$(echo "$times" | head -n 1)" = "0.0000" ]' "five records t0 = 0, t1..t3, tf"
check 'echo "$times" | sort -n -c' "record times rise"
check 'grep -q "サイクロイドカム曲線" "$console"' "the 'k' dialog printed the new path"
check '[ "$(grep -c "^SVG: cannot write cp_time_optimal-001.svg: No such file or directory$" "$console")" -eq 1 ]' \
  "one line saying why the picture was not written"

# The runner: the window program's console, then "\n" + its summary line + "\n".
summary=$(tail -n 1 "$work/batch.txt")
check 'cmp "$console" <(runner_console "$work/batch.txt")' "the runner prints the same console"
check '[[ "$summary" == "batch: obtained=no "*" keys=$(( ${#keys} - 3 ))" ]]' "the runner's summary ($summary)"
check '[ "$(grep -c -x "Trajectory obtained!" "$work/batch_stderr.txt")" -eq 1 ]' "the runner's message once on stderr"

# Screenshots (800 x 800; the graphs are right of x = 540; the replay's: tests/programs/svg.sh).
red="255 0 0"; green="0 255 0"; yellow="255 255 0"
px() { wd_count_colour "$1" $2 $3 $4 $5 $6 $7 $8; }
check '[ "$(px "$work/construction.png" 0 0 540 800 $red)" -gt 100 ]' "construction: red trajectory"
check '[ "$(px "$work/construction.png" 0 0 540 800 $yellow)" -gt 100 ]' "construction: yellow look-ahead"
check '[ "$(px "$work/new_path.png" 540 0 260 800 $green)" -eq 0 ]' "new path: no graphs"
check '! compare -metric AE "$work/new_path.png" "$work/construction.png" null: 2>/dev/null' "new path: a different picture"

# No X display, unset or not there (started by a path relative to its folder, with GLUT's
# options): the runner's command in the message runs there, and `make run` builds that runner.
mkfifo "$work/idle"
exec 4<> "$work/idle"
for display in unset :987; do
  if [ "$display" = unset ]; then env=(env -u DISPLAY); else env=(env DISPLAY="$display"); fi
  [ "$display" = unset ] && self=("$prog") || self=("./$(basename "$prog")" -sync -geometry 400x400+0+0)
  rc=0
  (cd "$(dirname "$prog")" && exec timeout 10 "${env[@]}" "${self[@]}") < "$work/idle" > "$work/out" 2> "$work/err" || rc=$?
  check '[ "$rc" = 1 ]' "DISPLAY $display: status 1 (got $rc)"
  check '[ ! -s "$work/out" ]' "DISPLAY $display: no question asked ($(head -c 200 "$work/out"))"
  check '[ "$(wc -l < "$work/err")" = 1 ]' "DISPLAY $display: one line ($(cat "$work/err"))"
  check 'grep -q "DISPLAY" "$work/err" && grep -qF "\`make deps && xvfb-run -a make run\`" "$work/err"' \
    "DISPLAY $display: what is missing and both ways on ($(cat "$work/err"))"
  runner=$(sed -n 's/.*window-less runner: `\(.*\)`$/\1/p' "$work/err")
  # (make's dry run is read whole before it is searched: a search that stops at its
  # first match would otherwise cut make off, which pipefail counts as a failure)
  check '(cd "$(dirname "$prog")" && eval "$runner" < /dev/null > "$work/runner.txt") && grep -q "^usage: cp_time_optimal_batch " "$work/runner.txt" &&
         grep -qE -- "--target( [^ >]+)* $(basename "${runner%% *}")( |\$)" <<< "$(make -s -n -C "$here/../.." run BUILD="$work/b")"' \
    "DISPLAY $display: the runner's command ($runner) runs, and make run builds it"
done

[ $fail -eq 0 ] && echo "window end to end passed" || { tail -n 30 "$console"; cat "$work/batch_stderr.txt"; }
exit $fail
