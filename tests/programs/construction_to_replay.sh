#!/usr/bin/env bash
# The real program end to end under Xvfb: the start-up dialog answered through
# its console, a whole construction sent to the window as keys (steps, 't',
# 'r', 'c', 'f', the walk and a few replay frames), the switching report on
# the console and a screenshot of the replay; then 'k' runs the dialog again
# for a new path, the next frame shows it, and ESC ends with status 0.
set -euo pipefail
prog=${2:?usage: construction_to_replay.sh BATCH WINDOW_PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
source "$here/../../scripts/window_driver.sh"
wd_start "$prog" "$work"
wd_answer 'n\nn\nn\n'
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
# 40 steps of maximum acceleration, one back with the small step, a switch to
# deceleration one step back, and straight back to acceleration.
wd_repeat 40 s; wd_keys t s r c
wd_repeat 20 s
wd_shot "$work/construction.png"
wd_repeat 40 s
# Past the end curve: land on it, walk to the end (the rest are replay frames).
wd_keys f
wd_repeat 80 s
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
wd_repeat 10 s
wd_shot "$work/replay.png"
# A new path from the window: the cycloid cam.
wd_keys k
wd_answer '6\n-0.3 0.1 0.6 0.3\n'
wd_wait_console '計算終了' 2 || { wd_quit; exit 1; }
wd_keys s
wd_shot "$work/new_path.png"
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER
chmod +x "$work/inner.sh"
"$here/../../scripts/on_xvfb.sh" "$work/inner.sh"
source "$here/../../scripts/window_driver.sh"

fail=0
console="$work/console.txt"
check() { if ! eval "$1"; then echo "FAILED: $2"; fail=1; fi; }
count() { grep -o -F -- "$1" "$console" | wc -l; }

# The console: one switching report for the two hand-made switchings and the
# landing, its time lines rising to tf, then the dialog for the new path.
check '[ "$(count "新しい軌道に沿う加減速の切り替え回数と状態 NCHN=4")" -eq 1 ]' "one report with NCHN=4"
times=$(sed -n '/NCHN=4/,/^$/p' "$console" | grep -oE '^t[0-9f]+= *[0-9.]+' | sed 's/.*= *//' || true)
check '[ "$(echo "$times" | wc -l)" -eq 5 ]' "five records t0..t3, tf"
check 'echo "$times" | sort -n -c' "record times rise"
check '[ "$(echo "$times" | head -n 1)" = "0.0000" ]' "t0 = 0"
check 'grep -q "サイクロイドカム曲線" "$console"' "the 'k' dialog printed the new path"
check 'grep -q "exit status 0" "$work/status.txt"' "ESC ends with status 0 ($(cat "$work/status.txt"))"

# Screenshots (800 x 800; the graphs are right of x = 540).
red="255 0 0"; green="0 255 0"; yellow="255 255 0"; blue="0 0 255"
px() { wd_count_colour "$1" $2 $3 $4 $5 $6 $7 $8; }
# Construction: the red trajectory and the yellow look-ahead, no graphs.
check '[ "$(px "$work/construction.png" 0 0 540 800 $red)" -gt 100 ]' "construction: red trajectory"
check '[ "$(px "$work/construction.png" 0 0 540 800 $yellow)" -gt 100 ]' "construction: yellow look-ahead"
check '[ "$(px "$work/construction.png" 540 0 260 800 $green)" -eq 0 ]' "construction: no graphs"
# Replay: the robot and the trails in red, the blue rings, the graphs with
# their green switching lines.
check '[ "$(px "$work/replay.png" 0 0 540 800 $red)" -gt 2000 ]' "replay: robot and trail"
check '[ "$(px "$work/replay.png" 0 0 540 800 $blue)" -gt 20 ]' "replay: ring markers"
check '[ "$(px "$work/replay.png" 540 0 260 800 $green)" -gt 200 ]' "replay: graphs with switching lines"
check '[ "$(px "$work/replay.png" 540 0 260 800 $red)" -gt 500 ]' "replay: graph limits and curves"
# The new path: a construction frame again (no robot, no graphs), whose
# curves differ from the arc's.
check '[ "$(px "$work/new_path.png" 540 0 260 800 $green)" -eq 0 ]' "new path: no graphs"
check '[ "$(px "$work/new_path.png" 0 0 540 800 $yellow)" -gt 20 ]' "new path: look-ahead"
check '! compare -metric AE "$work/new_path.png" "$work/construction.png" null: 2>/dev/null' "new path: a different picture"

if [ $fail -ne 0 ]; then
  echo "--- console ---"; tail -n 40 "$console"
else
  echo "end-to-end test passed"
fi
exit $fail
