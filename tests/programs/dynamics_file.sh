#!/usr/bin/env bash
# A real robot's problem file end to end: a dynamics section with every key of each robot,
# written back by --print-problem with the same values (as doubles, read by Python: not the
# program's own reader) and read again into the same file; the settings summary's limits in
# N·m and N in both languages; a bad value refused on its line with status 2 in both programs.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
cd "$work"

cat > scara.yaml <<'EOF'
robot: {type: scara, arm: [0.4, 0.25]}
dynamics:
  link_masses: [7.000000000000001, 5]
  centres_of_mass: [0.19999999999999998, 0.125]
  link_inertias: [0.09, 0.030000000000000002]
  payload: 2
  rotor_inertias: [2.5e-5, 1.2e-5]
  gear_ratios: [80, 50]
  viscous_friction: [0.5, 0.3]
  coulomb_friction: [1.5, 0.8]
joints: {max_effort: [30, 12.5]}
path: {type: line, start: [0.3, 0.1], length: 0.2}
EOF
cat > cylindrical.yaml <<'EOF'
robot: {type: cylindrical}
joints: {max_effort: [20, 150]}
dynamics: {turning_inertia: 0.4, arm_mass: 6, arm_inertia: 0.2, arm_offset: -0.35, payload: 1.5,
           rotor_inertias: [3e-5, 2e-5], gear_ratios: [100, 314.1592653589793],
           viscous_friction: [0.4, 20], coulomb_friction: [2, 30]}
path: {type: line, start: [0.3, 0.1], length: 0.2}
EOF

# The numbers of each key of the dynamics section, as Python reads them.
values() {
  python3 - "$1" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
for key in ["link_masses", "centres_of_mass", "link_inertias", "turning_inertia", "arm_mass", "arm_inertia",
            "arm_offset", "payload", "rotor_inertias", "gear_ratios", "viscous_friction", "coulomb_friction"]:
    m = re.search(r"\b%s: *(\[[^]]*\]|[^,}\s#]+)" % key, text)
    print(key, [float(v) for v in re.findall(r"[-+.\de]+", m.group(1))] if m else "-")
PY
}
for robot in scara cylindrical; do
  "$batch" --problem $robot.yaml --print-problem > $robot.printed.yaml 2> $robot.err
  rc=$?
  check '[ $rc = 0 ] && grep -q "^dynamics:" $robot.printed.yaml' "$robot: --print-problem writes the section ($(tail -n 1 $robot.err))"
  check 'diff <(values $robot.yaml) <(values $robot.printed.yaml)' "$robot: the same values written back"
  "$batch" --problem $robot.printed.yaml --print-problem > $robot.again.yaml 2> /dev/null
  check 'cmp -s $robot.printed.yaml $robot.again.yaml' "$robot: the written file read and written again is the same file"
done
check 'grep -qE "^  max_effort: \[.*\] +# a1max, a2max: torques \[N·m\]$" scara.printed.yaml' "the SCARA's limits in N·m"
check 'grep -qF "# a1max, a2max: torque [N·m], force [N]" cylindrical.printed.yaml' "the cylindrical robot's limits in N·m and N"

# The summary (on standard error with --print-problem), in Japanese and in English.
"$batch" --problem cylindrical.yaml --print-problem --lang en > en.out 2> en.err
check 'grep -qxF "rigid-link dynamics  joint limits (tau1,F2)=(a1max,a2max)=( 20.0[N·m] 150.0[N])" en.err' "the summary in English"
check 'grep -qxF "剛体リンクの動力学　関節最大トルク(τ1,τ2)=(a1max,a2max)=( 30.0  12.5)[N·m]" scara.err' "the summary in Japanese"

# A bad value: status 2, one line with its line number, nothing run; the window program too.
sed 's/gear_ratios: \[80, 50\]/gear_ratios: [80, 0]/' scara.yaml > bad.yaml
for program in "$batch" "env -u DISPLAY $prog"; do
  $program --problem bad.yaml < /dev/null > bad.out 2> bad.err
  rc=$?
  check '[ $rc = 2 ] && [ ! -s bad.out ] && [ "$(cat bad.err)" = "bad.yaml:8: dynamics.gear_ratios[1]: got '"'0'"'; accepted: a number above 0, up to 10000" ]' \
    "$program: the bad gear ratio refused on its line ($(head -c 200 bad.err))"
done

[ $fail -eq 0 ] && echo "dynamics file test passed"
exit $fail
