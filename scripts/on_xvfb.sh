#!/usr/bin/env bash
# on_xvfb.sh COMMAND...: runs COMMAND on a virtual display of its own
# (Xvfb, 1024x1024x24, no TCP) and returns its status. Xvfb picks a free
# display number itself (-displayfd), so runs in parallel never race for
# one number, as `xvfb-run -a` can (both take the same number, and a command
# then finds no display).
set -uo pipefail
dir=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; fi
  rm -rf "$dir"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp 3> "$dir/display" 2> "$dir/log" &
xvfb=$!
# The number is written once the server accepts connections (at most 10 s).
for _ in $(seq 200); do
  [ -s "$dir/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$dir/display" ]; then
  echo "on_xvfb: Xvfb did not start" >&2
  cat "$dir/log" >&2
  exit 1
fi
DISPLAY=":$(head -n 1 "$dir/display")" "$@"
status=$?
# A server that died under the command explains what the command saw.
if ! kill -0 "$xvfb" 2>/dev/null; then
  echo "on_xvfb: Xvfb ended during the run" >&2
  cat "$dir/log" >&2
fi
exit $status
