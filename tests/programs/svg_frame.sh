#!/usr/bin/env bash
# The default replay frame's SVG (--svg): parsed, its elements checked; the window's 'p'
# file is the same bytes; rendered by rsvg-convert it matches the Xvfb screenshot.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
keys="$(rep 80 s)f$(rep 134 s)"

status=0
printf 'n\nn\nn\n' | "$batch" --keys "$keys" --svg "$work/frame.svg" > "$work/out.txt" 2> "$work/err.txt" || status=$?
check '[ $status -eq 0 ]' "the runner ends with status 0"
summary=$(tail -n 1 "$work/out.txt")
check '[[ "$summary" == "batch: obtained=yes "* ]]' "the default trajectory obtained ($summary)"

# The frame's elements (71 trail dots: steps 0..70; the panel's times cut to 3 decimals).
python3 - "$work/frame.svg" "$summary" > "$work/elements.txt" 2>&1 <<'PY' || { fail=1; cat "$work/elements.txt"; }
import sys, xml.etree.ElementTree as ET
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
for s in ["CP Time optimal control : Phase Plane Analysis", "(b) SCARA robot", "ACCmax(x,y)=",
          "(2.0, 2.0)[m/s^2]", "Goal time=", cut3(summary["goal_time"]), "Normal CP time=",
          cut3(summary["normal_cp_time"]), "1 grid=(0.1[m], 0.1[m])", "p: SVG", "joint displacement",
          "fi1,2[rad]", "goal1", "goal2", "Torque(1)", "Torque(2)", "T1max", "T2max", "T[Nm]"]:
    checks["text %r" % s] = s in texts
errors = [what for what, ok in checks.items() if not ok]
print("\n".join(errors) if errors else "elements ok")
sys.exit(1 if errors else 0)
PY

# The same keys in the window: a screenshot, then 'p' in an empty folder.
mkdir "$work/pics"
cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
source "$here/../../scripts/window_driver.sh"
cd "$work/pics"
wd_start "$prog" "$work"
wd_answer 'n\nn\nn\n'
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
wd_repeat 80 s; wd_keys f; wd_repeat 64 s
wd_wait_console '関節トルク切り替え回数' || { wd_quit; exit 1; }
wd_repeat 70 s
wd_shot "$work/window.png"
wd_keys p
wd_wait_console 'SVG: cp_time_optimal-001.svg' || { wd_quit; exit 1; }
wd_quit; echo "exit status \$?" > "$work/status.txt"
INNER
chmod +x "$work/inner.sh"
"$here/../../scripts/on_xvfb.sh" "$work/inner.sh"
check 'grep -q "exit status 0" "$work/status.txt"' "the window program ends with status 0"
check 'cmp -s "$work/frame.svg" "$work/pics/cp_time_optimal-001.svg"' "the window's 'p' file is the runner's --svg file"

# Rendered: each colour's ink (antialiased pixels by their share) within a few percent, red pixels in place.
rsvg-convert -w 800 -h 800 "$work/frame.svg" -o "$work/svg.png"
python3 - "$work/window.png" "$work/svg.png" > "$work/compare.txt" 2>&1 <<'PY' || { fail=1; cat "$work/compare.txt"; }
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

[ $fail -eq 0 ] && echo "svg frame passed" || { cat "$work/err.txt"; cat "$work/console.txt" | tail -5; }
exit $fail
