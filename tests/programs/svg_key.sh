#!/usr/bin/env bash
# 'p' numbers files past existing ones without stepping (window and runner alike); a
# vanished folder gives one line and goes on; an unwritable --svg: status 1, no file.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
name() { printf 'cp_time_optimal-%03d.svg' "$1"; }

mkdir "$work/window" "$work/runner" "$work/gone"
for d in window runner; do echo keep > "$work/$d/$(name 2)"; done

cat > "$work/inner.sh" <<INNER
#!/usr/bin/env bash
set -u
source "$here/../../scripts/window_driver.sh"
# Three pictures of one construction frame, one step, one more picture.
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
wd_quit; echo "exit status \$?" > "$work/status.txt"
mv "$work/console.txt" "$work/window_console.txt"; rm "$work/in"

# A working folder that has gone: the message, then the motion goes on.
cd "$work/gone"
wd_start "$prog" "$work"
rmdir "$work/gone"
wd_answer 'n\nn\nn\n'
wd_window || { echo "window not found"; kill \$WD_PID; exit 1; }
wd_keys s p
wd_wait_console 'SVG: ' || { wd_quit; exit 1; }
wd_shot "$work/gone1.png"
wd_keys s s
wd_shot "$work/gone2.png"
wd_quit; echo "exit status \$?" > "$work/gone_status.txt"
INNER
chmod +x "$work/inner.sh"
"$here/../../scripts/on_xvfb.sh" "$work/inner.sh"

w="$work/window"
check 'grep -q "exit status 0" "$work/status.txt"' "the window program ends with status 0"
check '[ "$(cat "$w/$(name 2)")" = keep ]' "an existing file is kept"
check '[ "$(ls "$w" | tr "\n" " ")" = "$(name 1) $(name 2) $(name 3) $(name 4) $(name 5) " ]' \
  "numbered files 1, 3, 4, 5 beside the existing 2, nothing else ($(ls "$w" | tr "\n" " "))"
check 'cmp -s "$w/$(name 1)" "$w/$(name 3)" && cmp -s "$w/$(name 1)" "$w/$(name 4)"' \
  "'p' does not step the motion: three equal pictures"
check 'compare -metric AE "$work/before.png" "$work/after.png" null: 2>/dev/null' "the window unchanged by 'p'"
check '! cmp -s "$w/$(name 4)" "$w/$(name 5)"' "the step after 'p' moves the motion"
check 'python3 -c "import sys, xml.etree.ElementTree as E; E.parse(sys.argv[1])" "$w/$(name 5)"' "a well-formed document"
printf '\nSVG: %s' "$(name 1)" "$(name 3)" "$(name 4)" "$(name 5)" > "$work/expected_lines.txt"
check '[ "$(grep -o "SVG: .*" "$work/window_console.txt" | tr -d "\n")" = "$(grep -o "SVG: .*" "$work/expected_lines.txt" | tr -d "\n")" ]' \
  "one console line per picture with its name"

# The runner: the same keys, the same files.
(cd "$work/runner" && printf 'n\nn\nn\n' | "$batch" --keys "ssssssssss ppp sp" > /dev/null 2>&1)
check 'diff -r "$w" "$work/runner" > /dev/null' "the runner's files are the window's"

check 'grep -q "exit status 0" "$work/gone_status.txt"' "the window program goes on and ends with status 0 without its folder"
check '[ "$(grep -c "^SVG: cannot write $(name 1): No such file or directory$" "$work/console.txt")" -eq 1 ]' \
  "one line saying why the picture was not written"
check '! compare -metric AE "$work/gone1.png" "$work/gone2.png" null: 2>/dev/null' "the steps after the failed 'p' still move the motion"

# --svg that cannot be written: status 1, a clear message, no file left.
mkdir "$work/out" "$work/out/adir"
for target in "$work/out/missing/frame.svg" "$work/out/adir"; do
  status=0
  printf 'n\nn\nn\n' | "$batch" --keys sss --svg "$target" > /dev/null 2> "$work/err.txt" || status=$?
  check '[ $status -eq 1 ]' "--svg $target: status 1 (got $status)"
  check 'grep -q "^cp_time_optimal_batch: cannot write $target: " "$work/err.txt"' "--svg $target: the reason"
  check '[ "$(find "$work/out" | sort | tr "\n" " ")" = "$work/out $work/out/adir " ]' "--svg $target: nothing left behind"
done

[ $fail -eq 0 ] && echo "svg keys passed" || { echo "--- window console (tail) ---"; tail -n 8 "$work/window_console.txt"; }
exit $fail
