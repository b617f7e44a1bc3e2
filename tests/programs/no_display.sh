#!/usr/bin/env bash
# No X display: one line on stderr before any question, status 1 (stdin stays
# open, so a question asked first would wait until the timeout).
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
mkfifo "$work/in"
exec 3<> "$work/in"

for display in unset :987; do
  if [ "$display" = unset ]; then env=(env -u DISPLAY); else env=(env DISPLAY="$display"); fi
  timeout 10 "${env[@]}" "$prog" < "$work/in" > "$work/out" 2> "$work/err"
  rc=$?
  check '[ "$rc" = 1 ]' "DISPLAY $display: status 1 (got $rc)"
  check '[ ! -s "$work/out" ]' "DISPLAY $display: no question asked ($(head -c 200 "$work/out"))"
  check '[ "$(wc -l < "$work/err")" = 1 ]' "DISPLAY $display: one line ($(cat "$work/err"))"
  check 'grep -q "DISPLAY" "$work/err" && grep -qF "xvfb-run -a make run" "$work/err" &&
         grep -qF "$(dirname "$prog")/cp_time_optimal_batch" "$work/err"' \
    "DISPLAY $display: what is missing and both ways on ($(cat "$work/err"))"
done
[ $fail -eq 0 ] && echo "no-display test passed"
exit $fail
