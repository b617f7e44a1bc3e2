#!/usr/bin/env bash
# The runner's standard output is the window program's console byte for byte:
# the same dialog answers and the same keys (steps, 't', 'r', 'c', the landing
# 'f', the walk to "Trajectory obtained!", replay frames, a view key, and 'k'
# with a new path and one step on it) given to the real window program under
# Xvfb and to the runner, whose summary suffix "\n" + line + "\n" is stripped.
set -euo pipefail
batch=${1:?usage: console_matches_window.sh BATCH WINDOW_PROGRAM}
prog=${2:?usage: console_matches_window.sh BATCH WINDOW_PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

answers='n\nn\nn\n'
new_path='6\n-0.3 0.1 0.6 0.3\n'
rep() { printf "%${1}s" '' | tr ' ' "$2"; }

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
source "$here/../../scripts/window_driver.sh"
# As wd_start, but the window program's standard error is kept apart.
WD_DIR="$work"
mkfifo "$work/in"
"$prog" < "$work/in" > "$work/console.txt" 2> "$work/window_stderr.txt" &
WD_PID=\$!
exec 3> "$work/in"
wd_answer '$answers'
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
wd_repeat 40 s; wd_keys t s r c
wd_repeat 60 s
wd_keys f
wd_repeat 80 s
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
wd_keys w x 0 s s
wd_keys k
wd_answer '$new_path'
wd_wait_console '計算終了' 2 || { wd_quit; exit 1; }
wd_keys s s
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER
chmod +x "$work/inner.sh"
"$here/../../scripts/on_xvfb.sh" "$work/inner.sh"

keys="$(rep 40 s)tsrc$(rep 60 s)f$(rep 80 s)wx0ssk ss\\e"
printf "$answers$new_path" | "$batch" --keys "$keys" > "$work/batch.txt" 2> "$work/batch_stderr.txt"

fail=0
check() { if ! eval "$1"; then echo "FAILED: $2"; fail=1; fi; }
check 'grep -q "exit status 0" "$work/status.txt"' "the window program ends with status 0"

# The summary is "\n" + its line + "\n" at the very end; strip exactly that.
summary=$(tail -n 1 "$work/batch.txt")
size=$(stat -c %s "$work/batch.txt")
check '[ "$(tail -c $((${#summary} + 2)) "$work/batch.txt" | head -c 1 | od -An -c | tr -d " ")" = "\n" ]' \
  "a line end before the summary"
head -c $((size - ${#summary} - 2)) "$work/batch.txt" > "$work/batch_console.txt"
check 'cmp "$work/console.txt" "$work/batch_console.txt"' "the same console output"
check '[ "$(grep -c "新しい軌道に沿う加減速の切り替え回数と状態" "$work/console.txt")" -eq 1 ]' "one switching report"
check '[[ "$summary" == "batch: obtained=no "*" keys=$(( ${#keys} - 3 ))" ]]' \
  "summary after the new path: not obtained, every key but ESC counted ($summary)"
check '[ "$(grep -c -x "Trajectory obtained!" "$work/batch_stderr.txt")" -eq 1 ]' "the message once on stderr"

if [ $fail -ne 0 ]; then
  echo "--- window console (tail) ---"; tail -n 20 "$work/console.txt"
  echo "--- runner stdout (tail) ---"; tail -n 20 "$work/batch.txt"
  echo "--- runner stderr ---"; cat "$work/batch_stderr.txt"
else
  echo "console comparison passed"
fi
exit $fail
