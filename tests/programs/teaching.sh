#!/usr/bin/env bash
# The classroom's runner features end to end. An exam (teaching: optimum:
# hidden): 'o' shows only a notice, neither the console nor the last frame
# shows the optimum, and --optimum still gives it to the teacher.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
cd "$work"
printf 'n\nn\nn\n' | "$batch" --print-problem > open.yaml 2> /dev/null
{ cat open.yaml; printf 'teaching:\n  optimum: hidden\n'; } > exam.yaml
keys="o$(rep 80 s)f$(rep 80 s)"
for p in open exam; do
  "$batch" --problem $p.yaml --keys "$keys" --optimum --svg $p.svg > $p.out 2> $p.err
  check '[ $? = 0 ]' "$p: status 0"
done
check 'grep -q "最適軌道(自動計算)" open.out && grep -q "Optimum=" open.svg' "open: 'o' shows the optimum on the console and in the frame"
check '! grep -q "最適軌道(自動計算)" exam.out && ! grep -q "Optimum=" exam.svg' "exam: the optimum is nowhere on the console or in the frame"
check '[ "$(grep -c "^The optimum is hidden" exam.err)" = 1 ]' "exam: 'o' gives the notice"
check 'tail -n 1 exam.out | grep -q "obtained=yes .* optimal_time=1.4427"' "exam: --optimum still gives T* = 1.4427 s ($(tail -n 1 exam.out))"
check '[ "$(tail -n 1 exam.out)" = "$(tail -n 1 open.out)" ]' "exam: the same motion as the open problem"
exit $fail
