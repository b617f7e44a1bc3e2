# What every whole-program test (tests/programs/*.sh) starts with; each sources it
# right after its `set` line. CTest gives them the runner and the window program.
#   batch, prog   the runner and the window program (absolute paths)
#   here          the script's folder; work: a scratch folder, removed at exit
#   check COND WHAT   evaluates COND; when false prints "FAILED: WHAT" and sets fail=1
#   rep N C       the character C N times
#   on_window     the script on stdin, after the window driver, as $work/inner.sh under Xvfb
#   runner_console OUT   the runner's output without its last line ("\n" + summary + "\n"): the window's console
export LC_ALL=C.UTF-8
batch=$(realpath -m "${1:?usage: $(basename "$0") BATCH WINDOW_PROGRAM}")
prog=${2:+$(realpath -m "$2")}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() { if ! eval "$1"; then echo "FAILED: $2"; fail=1; fi; }
rep() { printf "%${1}s" '' | tr ' ' "$2"; }
on_window() {
  { printf '#!/usr/bin/env bash\nset -u\nsource "%s"\n' "$here/../../scripts/window_driver.sh"; cat; } > "$work/inner.sh"
  chmod +x "$work/inner.sh"
  "$here/../../scripts/on_xvfb.sh" "$work/inner.sh"
}
runner_console() {
  local summary
  summary=$(tail -n 1 "$1")
  head -c $(($(stat -c %s "$1") - ${#summary} - 2)) "$1"
}
