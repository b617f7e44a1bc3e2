#!/usr/bin/env bash
# Makes the README's pictures: the simulator under Xvfb, the default setting
# built to its time-optimal trajectory by keys (80 steps of maximum
# acceleration, 'f' to land on the end curve, the walk to its end), then
# replayed to the middle of the motion. There a screenshot is taken and 'p'
# writes the same frame as SVG, which rsvg-convert turns into a PNG for the page.
# On the way, halfway through the acceleration, 'o' shows the automatic
# optimum in green for a picture of its own (docs/optimum.png beside the
# first) and hides it again. Last, the runner draws the example problem file
# docs/own-problem.yaml along its hand speed limit (docs/own-problem.png).
#   scripts/screenshot.sh [OUTPUT.png]     (default docs/screenshot.png; run after a build)
# The SVG goes beside it as OUTPUT.svg, its PNG as OUTPUT-svg.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
svg_out="${out%.png}.svg"
svg_png="${out%.png}-svg.png"
prog="$root/build/cp_time_optimal"
[ -x "$prog" ] || { echo "no $prog: build first (make build)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/pics"
cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -eu
source "$root/scripts/window_driver.sh"
cd "$work/pics"
wd_start "$prog" "$work"
wd_answer 'n\nn\nn\n'
wd_window
wd_keys o; wd_repeat 40 s
wd_shot "$work/optimum.png"
wd_keys o; wd_repeat 40 s; wd_keys f; wd_repeat 64 s
wd_wait_console '関節トルク切り替え回数'
wd_repeat 70 s
wd_shot "$work/shot.png"
wd_keys p
wd_wait_console 'SVG: cp_time_optimal-001.svg'
wd_quit
INNER
chmod +x "$work/inner.sh"
xvfb-run -a -s "-screen 0 1024x1024x24 -nolisten tcp" "$work/inner.sh"
mkdir -p "$(dirname "$out")"
cp "$work/shot.png" "$out"
cp "$work/pics/cp_time_optimal-001.svg" "$svg_out"
rsvg-convert -w 800 -h 800 "$svg_out" -o "$svg_png"
cp "$work/optimum.png" "$(dirname "$out")/optimum.png"
# The example problem: 32 steps up to the hand speed limit, the optimum shown, 45 steps along the limit.
rep() { printf "%${1}s" '' | tr ' ' "$2"; }
"$root/build/cp_time_optimal_batch" --problem "$root/docs/own-problem.yaml" --keys "$(rep 32 s)o$(rep 45 l)" \
  --svg "$work/own.svg" > /dev/null 2>&1
rsvg-convert -w 800 -h 800 "$work/own.svg" -o "$(dirname "$out")/own-problem.png"
echo "wrote $out, $svg_out, $svg_png, $(dirname "$out")/optimum.png and own-problem.png"
