#!/usr/bin/env bash
# The real program under Xvfb: its console answered through a pipe, its window
# found by title; the UTF-8 title is read back with xprop and the first frame
# must be white.
set -euo pipefail
prog=${2:?usage: window_title.sh BATCH WINDOW_PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected=$(grep -o '"a,b:[^"]*"' "$here/../../src/app/window.h" | head -n 1 | tr -d '"')
[ -n "$expected" ] || { echo "no title in window.h"; exit 1; }

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
# Answer the start-up questions n, n, n through a fifo that stays open while the window lives.
mkfifo "$work/in"
"$prog" < "$work/in" > "$work/console.txt" 2>&1 &
pid=\$!
exec 3> "$work/in"
printf 'n\nn\nn\n' >&3
win=\$(timeout 10 xdotool search --sync --onlyvisible --name 'CP' | head -n 1) || { echo "window not found"; kill \$pid; exit 1; }
xdotool windowmove --sync "\$win" 0 0 || true
xprop -id "\$win" _NET_WM_NAME > "$work/netwm.txt"
xprop -id "\$win" WM_NAME > "$work/wmname.txt"
# The first frame, once drawn (a busy machine may take a while): at most 5 s.
for _ in \$(seq 50); do
  import -window "\$win" "$work/shot.png"
  case "\$(convert "$work/shot.png" -format '%[pixel:p{790,10}]' info:)" in black|"gray(0)"|"srgb(0,0,0)") sleep 0.1 ;; *) break ;; esac
done
xdotool windowfocus --sync "\$win" key Escape || true
for _ in \$(seq 50); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then echo "program did not exit on ESC"; kill \$pid; exit 1; fi
wait \$pid; echo "exit status \$?" > "$work/status.txt"
INNER
chmod +x "$work/inner.sh"
"$here/../../scripts/on_xvfb.sh" "$work/inner.sh"

fail=0
# _NET_WM_NAME must hold exactly the key help, as UTF-8.
want="_NET_WM_NAME(UTF8_STRING) = \"$expected\""
got=$(cat "$work/netwm.txt")
if [ "$got" != "$want" ]; then echo "title mismatch:"; echo " got:  $got"; echo " want: $want"; fail=1; fi
grep -q 'WM_NAME(UTF8_STRING)\|WM_NAME(COMPOUND_TEXT)' "$work/wmname.txt" || { echo "WM_NAME not set as text: $(cat "$work/wmname.txt")"; fail=1; }
# The piped answers n, n, n took the dialog through to its computation stage.
grep -q '............計算終了　描画画面へ..........' "$work/console.txt" || { echo "dialog did not complete:"; cat "$work/console.txt"; fail=1; }
grep -q 'exit status 0' "$work/status.txt" || { echo "ESC did not end the program with status 0: $(cat "$work/status.txt")"; fail=1; }

# The screenshot: the first frame must be drawn (800 x 800) and its background white.
size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = "800x800" ] || { echo "screenshot size $size"; fail=1; }
corner=$(convert "$work/shot.png" -format '%[pixel:p{790,10}]' info:)
case "$corner" in
  "srgb(255,255,255)"|"white"|"gray(255)") ;;
  *) echo "background not white: $corner"; fail=1 ;;
esac
[ $fail -eq 0 ] && echo "window test passed"
exit $fail
