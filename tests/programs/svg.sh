#!/usr/bin/env bash
# 'p' numbers files past existing ones without stepping (window and runner alike); an unwritable
# --svg: status 1, no file (a 'p' in a vanished folder: window_end_to_end.sh). The default replay
# frame's --svg file: its elements checked (the readout of the state against the CSV, the phase
# plane's axis names), the window's 'p' file of that frame the same bytes, rendered by rsvg-convert
# it matches the Xvfb screenshot; its switching report shows no -0.0000.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
name() { printf 'cp_time_optimal-%03d.svg' "$1"; }

mkdir "$work/window" "$work/runner"
for d in window runner; do echo keep > "$work/$d/$(name 2)"; done

on_window <<INNER
# Three pictures of one construction frame, one step, one more picture; on to the
# default construction's replay: a screenshot, one more picture.
cd "$work/window"
wd_start "$prog" "$work"
wd_answer 'n\nn\nn\n'
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
wd_repeat 10 s
wd_shot "$work/before.png"
wd_keys p p p
wd_wait_console 'SVG: ' 3 || { wd_quit; exit 1; }
wd_shot "$work/after.png"
wd_keys s p
wd_wait_console 'SVG: ' 4 || { wd_quit; exit 1; }
wd_repeat 69 s; wd_keys f; wd_repeat 64 s
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
wd_repeat 70 s
wd_shot "$work/replay.png"
wd_keys p
wd_wait_console 'SVG: ' 5 || { wd_quit; exit 1; }
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER

w="$work/window"
check 'grep -q "exit status 0" "$work/status.txt"' "the window program ends with status 0"
check '[ "$(cat "$w/$(name 2)")" = keep ]' "an existing file is kept"
check '[ "$(ls "$w" | tr "\n" " ")" = "$(name 1) $(name 2) $(name 3) $(name 4) $(name 5) $(name 6) " ]' \
  "numbered files 1, 3, 4, 5, 6 beside the existing 2, nothing else ($(ls "$w" | tr "\n" " "))"
check 'cmp -s "$w/$(name 1)" "$w/$(name 3)" && cmp -s "$w/$(name 1)" "$w/$(name 4)"' \
  "'p' does not step the motion: three equal pictures"
check 'compare -metric AE "$work/before.png" "$work/after.png" null: 2>/dev/null' "the window unchanged by 'p'"
check '! cmp -s "$w/$(name 4)" "$w/$(name 5)"' "the step after 'p' moves the motion"
check 'python3 -c "import sys, xml.etree.ElementTree as E; E.parse(sys.argv[1])" "$w/$(name 5)"' "a well-formed document"
printf '\nSVG: %s' "$(name 1)" "$(name 3)" "$(name 4)" "$(name 5)" "$(name 6)" > "$work/expected_lines.txt"
check '[ "$(grep -o "SVG: .*" "$work/console.txt" | tr -d "\n")" = "$(grep -o "SVG: .*" "$work/expected_lines.txt" | tr -d "\n")" ]' \
  "one console line per picture with its name"

# The runner: the same keys, the same files, the same console.
(cd "$work/runner" && printf 'n\nn\nn\n' | "$batch" --keys "ssssssssss ppp sp$(rep 69 s)f$(rep 134 s)p" > ../runner.out 2> /dev/null)
check 'diff -r "$w" "$work/runner" > /dev/null' "the runner's files are the window's"
check 'cmp -s "$work/console.txt" <(runner_console "$work/runner.out")' "the runner prints the window's console"

# The replay frame's --svg file: the runner's summary, the frame's elements, the window's picture.
status=0
printf 'n\nn\nn\n' | "$batch" --keys "$(rep 80 s)f$(rep 134 s)" --svg "$work/frame.svg" --csv "$work/frame.csv" \
  > "$work/out.txt" 2> "$work/err.txt" || status=$?
summary=$(tail -n 1 "$work/out.txt")
check '[ $status -eq 0 ] && [[ "$summary" == "batch: obtained=yes "* ]]' "the runner ends with status 0, the default trajectory obtained ($summary)"
check 'cmp -s "$work/frame.svg" "$w/$(name 6)"' "the window's 'p' file of the replay frame is the runner's --svg file"
check '! grep -qE -- "-0\.0+([^0-9]|$)" "$work/out.txt"' "no value of the switching report shows as -0.0000"
check 'grep -q ">Trajectory obtained!<" "$work/frame.svg"' "the replay frame, 134 keys after the walk, still says the trajectory was obtained"
# The frame's elements (71 trail dots: steps 0..70; the panel's times cut to 3 decimals; the
# readout: that step of the CSV, rounded, with the drive of the report's part it lies in).
python3 - "$work/frame.svg" "$summary" "$work/frame.csv" "$work/out.txt" > "$work/elements.txt" 2>&1 <<'PY' || { fail=1; cat "$work/elements.txt"; }
import re, sys, xml.etree.ElementTree as ET
ns = "{http://www.w3.org/2000/svg}"
root = ET.parse(sys.argv[1]).getroot()
summary = dict(kv.split("=") for kv in sys.argv[2].split()[1:])
cut3 = lambda v: v.split(".")[0] + "." + v.split(".")[1][:3] + "[s]"
texts = [t.text for t in root.iter(ns + "text")]
attrs = lambda tag: [e.attrib for e in root.iter(ns + tag)]
circles, lines = attrs("circle"), attrs("line") + attrs("polyline")
n_circles = lambda **kw: sum(all(c.get(k) == v for k, v in kw.items()) for c in circles)
centre = lambda c: (c["cx"], c["cy"])
ends = {centre(c) for c in circles if c.get("stroke") == "#0000ff" and c["r"] == "3.8"}
dot = lambda colour: next(centre(c) for c in circles if c.get("fill") == colour and c["r"] == "3.2")
nct = int(summary["NCT"])
checks = {
    "71 red trail dots": n_circles(fill="#ff0000", r="3.2") == 71,
    "the blue dot at the end": n_circles(fill="#0000ff", r="3.2") == 1,
    "the reference motion's white trail": n_circles(fill="#ffffff", r="0.8") >= 1,
    "NCT + 1 switching rings": n_circles(stroke="#0000ff", r="1.8") == nct + 1,
    "rings at both ends": dot("#ff0000") in ends and dot("#0000ff") in ends,
    "NCT green lines per graph": sum(e.get("stroke") == "#00ff00" for e in lines) == 3 * nct,
}
n = n_circles(fill="#ff0000", r="3.2") - 1
rows = [[float(v) for v in line.split(",")] for line in open(sys.argv[3]).read().splitlines()[1:]]
row, prev = rows[n], rows[n - 1][1]
state = next((t for t in texts if t.startswith("t=")), "")
got = dict(re.findall(r"(\w+)=(-?[\d.]+)", state))
switches = [float(t) for t in re.findall(r"\nt[1-9]\d*= *([\d.]+)", open(sys.argv[4]).read().split("関節トルク")[0])]
drive = "drive: max " + ("acc" if sum(t <= row[1] for t in switches) % 2 == 0 else "dec")
for i, key in ((1, "t"), (2, "s"), (3, "sd")):
    checks["readout %s=%s of step %d (CSV %r)" % (key, got.get(key), n, row[i])] = abs(float(got.get(key, "nan")) - row[i]) <= 5.1e-5
checks["readout step of %r" % state] = "step %g ms" % round(1000 * (row[1] - prev), 2) in state
checks["readout %r" % drive] = any(t.startswith(drive + "  below limit ") for t in texts)
for s in ["(2.0, 2.0)[m^2/s^2]", cut3(summary["goal_time"]), cut3(summary["normal_cp_time"]), "s", "sd [1/s]"]:
    checks["text %r" % s] = s in texts
errors = [what for what, ok in checks.items() if not ok]
print("\n".join(errors) if errors else "elements ok")
sys.exit(1 if errors else 0)
PY

# Rendered: each colour's ink (antialiased pixels by their share) within a few percent, red pixels in place.
rsvg-convert -w 800 -h 800 "$work/frame.svg" -o "$work/svg.png"
python3 - "$work/replay.png" "$work/svg.png" > "$work/compare.txt" 2>&1 <<'PY' || { fail=1; cat "$work/compare.txt"; }
import subprocess, sys
def load(path):
    ppm = subprocess.run(["convert", path, "-alpha", "off", "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    head, size, _, px = ppm.split(b"\n", 3)
    w, h = map(int, size.split())
    assert (w, h) == (800, 800), (path, w, h)
    return px
def shares(px):
    ink = {"red": 0.0, "green": 0.0, "blue": 0.0, "dark": 0.0}
    red = set()
    for i in range(0, len(px), 3):
        r, g, b = px[i], px[i + 1], px[i + 2]
        if r - max(g, b) > 40:
            ink["red"] += (r - max(g, b)) / 255
            if r - max(g, b) > 127: red.add(i // 3)
        elif g - max(r, b) > 40: ink["green"] += (g - max(r, b)) / 255
        elif b - max(r, g) > 40: ink["blue"] += (b - max(r, g)) / 255
        elif max(r, g, b) - min(r, g, b) < 40: ink["dark"] += 1 - max(r, g, b) / 255
    return ink, red
(wi, wred), (si, sred) = shares(load(sys.argv[1])), shares(load(sys.argv[2]))
# Dark ink: the grid and the texts, whose bitmap and outline fonts differ;
# blue: a few small rings.
tolerance = {"red": 0.05, "green": 0.05, "dark": 0.10, "blue": 0.25}
errors = []
for c, tol in tolerance.items():
    print("%-5s window %7.0f  svg %7.0f" % (c, wi[c], si[c]))
    if wi[c] < 50 or abs(si[c] - wi[c]) > tol * wi[c]: errors.append("%s ink differs" % c)
def near(p, pixels):
    x, y = p % 800, p // 800
    return any((y + dy) * 800 + x + dx in pixels for dx in (-1, 0, 1) for dy in (-1, 0, 1))
for a, b, what in ((wred, sred, "window"), (sred, wred, "svg")):
    missed = sum(not near(p, b) for p in a)
    print("red pixels of the %s: %d, %d without a red neighbour in the other" % (what, len(a), missed))
    if missed > 0.03 * len(a): errors.append("red pixels of the %s elsewhere in the other" % what)
print("\n".join(errors) if errors else "pictures agree")
sys.exit(1 if errors else 0)
PY

# --svg that cannot be written: status 1, a clear message, no file left.
mkdir "$work/out" "$work/out/adir"
for target in "$work/out/missing/frame.svg" "$work/out/adir"; do
  status=0
  printf 'n\nn\nn\n' | "$batch" --keys sss --svg "$target" > /dev/null 2> "$work/err.txt" || status=$?
  check '[ $status -eq 1 ]' "--svg $target: status 1 (got $status)"
  check 'grep -q "^cp_time_optimal_batch: cannot write $target: " "$work/err.txt"' "--svg $target: the reason"
  check '[ "$(find "$work/out" | sort | tr "\n" " ")" = "$work/out $work/out/adir " ]' "--svg $target: nothing left behind"
done

[ $fail -eq 0 ] && echo "svg passed" || { echo "--- window console (tail) ---"; tail -n 8 "$work/console.txt"; }
exit $fail
