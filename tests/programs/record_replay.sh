#!/usr/bin/env bash
# A window run recorded with --record (the dialog at the start, 'o', 'u' with
# its dialog, 't', 'r', 'c', 'l', 'f', the walk and ESC) replays in the runner
# to the window's console byte for byte and to its goal time; the recording
# cut off anywhere replays up to its last whole line, its console a prefix of
# the whole one; cut off inside its start it is refused with one line.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
rec="$work/run.rec"

on_window <<INNER || true
WD_DIR="$work"
mkfifo "$work/in"
"$prog" --record "$rec" < "$work/in" > "$work/console.txt" 2> "$work/window_stderr.txt" &
WD_PID=\$!
exec 3> "$work/in"
wd_answer 'n\nn\nn\n'
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
wd_keys o; wd_repeat 10 s; wd_keys u
wd_answer '2 2\nn\n'
wd_wait_console '計算終了' 2 || { wd_quit; exit 1; }
wd_shot "$work/recording.png"
wd_repeat 40 s; wd_keys t s r s s s c l
wd_repeat 50 s; wd_keys f; wd_repeat 100 s
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
# Every key is in the file while the window still runs (flushed key by key).
wd_shot "$work/last.png"; cp "$rec" "$work/live.rec"
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER
source "$here/../../scripts/window_driver.sh"
check 'grep -q "exit status 0" "$work/status.txt"' "the window ends with status 0"
check '[ -s "$rec" ] && head -n 3 "$rec" | grep -qx "problem dialog"' "the recording starts with the dialog"
check '[ "$(grep -c "^key " "$rec")" -eq 212 ]' "212 keys recorded, ESC among them ($(grep -c "^key " "$rec"))"
check '[ "$(grep -c "^key " "$work/live.rec")" -eq 211 ]' "211 keys in the file before ESC, the window still open"

"$batch" --replay "$rec" > "$work/replay.txt" 2> "$work/replay_err.txt"
check 'cmp -s <(runner_console "$work/replay.txt") "$work/console.txt"' "the replay prints the window's console byte for byte"
tf=$(grep -oE '^tf= *[0-9.]+' "$work/console.txt" | tail -n 1 | sed 's/.*= *//')
goal=$(tail -n 1 "$work/replay.txt" | sed 's/.*goal_time=\([0-9.]*\).*/\1/')
check '[ -n "$tf" ] && [ "$(printf %.4f "$goal")" = "$tf" ] && tail -n 1 "$work/replay.txt" | grep -q "obtained=yes .*keys=211"' \
  "the same goal time ($goal, the window's tf=$tf), 211 keys before ESC"

# Cut off at bytes across the file: before the start is whole, refused with
# one line (status 2); after it, the console is a prefix of the whole one and
# the keys are the whole key lines before the cut.
size=$(stat -c %s "$rec")
start=$(grep -b -m 1 '^answer' "$rec" | cut -d: -f1)
for cut in 5 20 40 $((start + 3)) $((start + 7)) $(seq $((start + 31)) $((size / 9)) "$size"); do
  head -c "$cut" "$rec" > "$work/cut.rec"
  status=0
  "$batch" --replay "$work/cut.rec" > "$work/cut.txt" 2> "$work/cut_err.txt" || status=$?
  if [ "$cut" -lt "$start" ]; then
    check '[ $status = 2 ] && [ "$(wc -l < "$work/cut_err.txt")" = 1 ] && grep -q "^$work/cut.rec:[0-9]*: the recording ends before its problem is whole; accepted: " "$work/cut_err.txt"' \
      "cut at $cut: refused with one line ($(cat "$work/cut_err.txt"))"
    continue
  fi
  whole=$(head -c "$cut" "$rec" | head -n "$(head -c "$cut" "$rec" | wc -l)" | grep -c '^key ' || true)
  # A cut inside a dialog ends the input there, which the dialog says in its last line.
  runner_console "$work/cut.txt" | perl -0pe 's/\n入力が終わりました．プログラムを終了します．\n?\z//' > "$work/cut_console.txt"
  check '[ $status = 0 ] && cmp -s "$work/cut_console.txt" <(head -c "$(wc -c < "$work/cut_console.txt")" "$work/console.txt")' \
    "cut at $cut: status $status, the console a prefix of the whole run's"
  check 'tail -n 1 "$work/cut.txt" | grep -q " keys=$whole$"' "cut at $cut: $whole keys replayed ($(tail -n 1 "$work/cut.txt"))"
done
exit $fail
