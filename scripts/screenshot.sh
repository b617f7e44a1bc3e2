#!/usr/bin/env bash
# Makes the README's screenshot: the simulator under Xvfb, the default
# setting built to its time-optimal trajectory by keys (80 steps of maximum
# acceleration, 'f' to land on the end curve, the walk to its end), then
# replayed to the middle of the motion.
#   scripts/screenshot.sh [OUTPUT.png]     (default docs/screenshot.png; run after a build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
prog="$root/build/cp_time_optimal"
[ -x "$prog" ] || { echo "no $prog: build first (make build)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -eu
source "$root/scripts/window_driver.sh"
wd_start "$prog" "$work"
wd_answer 'n\nn\nn\n'
wd_window
wd_repeat 80 s; wd_keys f; wd_repeat 64 s
wd_wait_console '関節トルク切り替え回数'
wd_repeat 70 s
wd_shot "$work/shot.png"
wd_quit
INNER
chmod +x "$work/inner.sh"
xvfb-run -a -s "-screen 0 1024x1024x24 -nolisten tcp" "$work/inner.sh"
mkdir -p "$(dirname "$out")"
cp "$work/shot.png" "$out"
echo "wrote $out"
