#!/usr/bin/env bash
# A recording played back in the window: its dialogs answered from it, space
# pauses it (the window stands still, the report not yet printed), '+' speeds
# it up, it ends where the recorded run ended without running the recorded
# ESC, and the window and the console are then the user's ('u' asks the
# user). The console up to there is the runner's replay of the same file.
# A file that is no recording: one line, status 2, before the display is asked for.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
rec="$work/run.rec"
{ printf 'cp_time_optimal recording 1\nlang ja\nproblem dialog\nanswer n\nanswer n\nanswer n\n'
  printf "$(rep 20 s)u" | sed 's/./key &\n/g'; printf 'line 2 2\nanswer n\n'
  printf "$(rep 80 s)f$(rep 70 s)" | sed 's/./key &\n/g'; printf 'key \\x1b\n'; } > "$rec"
"$batch" --replay "$rec" > "$work/batch.txt" 2> /dev/null

on_window <<INNER || true
WD_DIR="$work"
mkfifo "$work/in"
"$prog" --replay "$rec" < "$work/in" > "$work/console.txt" 2> "$work/window_stderr.txt" &
WD_PID=\$!
exec 3> "$work/in"
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
wd_keys space; sleep 0.3
import -window "\$WD_WIN" "$work/paused1.png"; sleep 0.6; import -window "\$WD_WIN" "$work/paused2.png"
grep -c '関節トルク切り替え回数' "$work/console.txt" > "$work/reports_while_paused.txt" || true
wd_keys space plus plus plus
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
sleep 1; cp "$work/console.txt" "$work/replayed.txt"
kill -0 \$WD_PID && echo alive > "$work/alive.txt"
wd_keys u; wd_answer '2.5 2.5\nn\n'
wd_wait_console '計算終了' 3 || { wd_quit; exit 1; }
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER
check 'compare -metric AE "$work/paused1.png" "$work/paused2.png" null: 2> /dev/null' "space pauses: the window stands still"
check '[ "$(cat "$work/reports_while_paused.txt")" = 0 ]' "paused before the end"
check 'cmp -s <(runner_console "$work/batch.txt") "$work/replayed.txt"' "the window's replay prints the runner's replay console"
check '[ -s "$work/alive.txt" ]' "the recorded ESC does not end the window"
check 'grep -q "amax(1,2)=(  2.50   2.50)" "$work/console.txt"' "after the replay 'u' asks the user"
check 'grep -q "exit status 0" "$work/status.txt"' "ESC then ends with status 0"
printf 'robot:\n  type: scara\n' > "$work/foreign.rec"
status=0; DISPLAY= "$prog" --replay "$work/foreign.rec" > /dev/null 2> "$work/foreign.err" < /dev/null || status=$?
check '[ $status = 2 ] && [ "$(cat "$work/foreign.err")" = "$work/foreign.rec:1: not a recording of cp_time_optimal; accepted: a first line \"cp_time_optimal recording 1\"" ]' \
  "a foreign file refused before the display ($status: $(cat "$work/foreign.err"))"
exit $fail
