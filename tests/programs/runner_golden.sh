#!/usr/bin/env bash
# 18 runner runs (both robots, all path types): stdout, stderr and CSVs hash to digests
# taken before the layering (the full runs since switching rows show their own hand point);
# a deliberate output change updates them (UPDATE=1).
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
# Path blocks of the dialog: the default parameters of each type.
path=( "" "1\n0.2 0.2 0.5 180" "2\n-0.4 0.2 1.0 0.5" "3\n0.2 0.0 0.4 0.2" "4\n-0.4 0.2 0.1 3"
       "5\n-0.2 0.1 0.5 0.5" "6\n0.0 0.2 0.5 0.5" "7\n-0.4 0.1 0.8 0" )
robot_a='y\na\nn\ny\n'
robot_b='y\nb\n0.5 0.5\nn\ny\n'
# Steps, switchings and steps back, a view key: no trajectory.
partial='sssssssscssstsssrsswx'
# A few steps, then 'f' steps on to the end curve and lands; walk and replay.
full="sssss$(rep 300 f)$(rep 250 s)"

check() {  # name answers keys digest
  local name=$1 answers=$2 keys=$3 want=$4
  ( cd "$work" && printf "$answers\n" | timeout 60 "$batch" --keys "$keys" --csv "$name.csv" \
      > "$name.out" 2> "$name.err" ) || true
  local got
  got=$(cd "$work" && { cat "$name.out" "$name.err"; cat "$name.csv" "$name.reference.csv" 2>/dev/null || true; } |
        sha256sum | cut -c1-16)
  [ "${UPDATE:-0}" = 1 ] && { echo "$name $got"; return; }
  [ "$got" = "$want" ] || { echo "FAILED: $name digest $got, expected $want"; fail=1; }
}

# Digests of the partial runs, robot 'a' then 'b', path types 1..7.
digests_a=(- 883d3d79bcdd927e b98ef13c793c3405 cbe0e12a3fd05f3c a13f30f8c8a1c160 a0b007a00d85fe34 8ea2764dae79b228 14e06e22cb8b2f4e)
digests_b=(- b570caef426521c0 fe3ba740945e3f3e 9db2a8a1fc3761d0 89a544bae9a23935 1763f840c4495ddc 4b9d0b6370e6927e a49078d4e6bf3bc2)
for c in 1 2 3 4 5 6 7; do
  check a$c-partial "$robot_a${path[$c]}" "$partial" "${digests_a[$c]}"
  check b$c-partial "$robot_b${path[$c]}" "$partial" "${digests_b[$c]}"
done
check a6-full "$robot_a${path[6]}" "$full" 97854dd8ba655de9
check a7-full "$robot_a${path[7]}" "$full" 0911c4e86e939824
check b1-full "$robot_b${path[1]}" "$full" 738a28f70b4bc2a5
check b7-full "$robot_b${path[7]}" "$full" 1f1d1ea5c5fc24c9
[ $fail = 0 ] && echo "runner golden: all runs as before"
exit $fail
