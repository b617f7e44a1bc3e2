#!/usr/bin/env bash
# install-deps.sh as a user (nobody) without sudo, or whom sudo refuses: names the missing
# packages, the root apt-get line, fails; with sudo, through sudo. The run set (make run) is
# part of the test set (make test, the default) without the test tools and libraries, and make
# run configures without them. Fakes record, nothing installs.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
script="$here/../../scripts/install-deps.sh"
chmod 755 "$work"
mkdir "$work/bin" "$work/sudo" "$work/refused"
touch "$work/calls"
chmod 666 "$work/calls"
# fake FILE: a command that records its name and arguments.
fake() { printf '#!/bin/bash\necho "${0##*/} $*" >> %s/calls\n' "$work" > "$1"; chmod 755 "$1"; }
printf '#!/bin/bash\nexit 1\n' > "$work/bin/dpkg-query"  # knows no package
chmod 755 "$work/bin/dpkg-query"
fake "$work/bin/apt-get"
fake "$work/sudo/sudo"
fake "$work/refused/sudo" && echo 'exit 1' >> "$work/refused/sudo"
ln -s "$(command -v id)" "$work/bin/id"
# user PATH [SET]: the script as an ordinary user (nobody, when this runs as root).
user() {
  local path=$1; shift
  local as=()
  [ "$(id -u)" = 0 ] && as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  : > "$work/calls"
  "${as[@]}" env -i PATH="$path" /bin/bash "$script" "$@" < /dev/null > "$work/out" 2> "$work/err"
}
# Every package is missing: the list the script names is the whole set.
named() { sed -n 's/^install-deps: these Debian packages are missing: //p' "$work/err"; }

for sudo in none refused; do
  user "$work/bin$([ $sudo = refused ] && echo ":$work/refused")"
  rc=$?
  all=$(named)
  check '[ "$rc" = 1 ]' "sudo $sudo: fails (status $rc)"
  check '[[ " $all " == *" build-essential "* && " $all " == *" xvfb "* ]]' "sudo $sudo: names the missing packages ($(cat "$work/err"))"
  check 'grep -qxF "  apt-get update && apt-get install -y --no-install-recommends $all" "$work/err" && [ "$(wc -l < "$work/err")" = 3 ]' \
    "sudo $sudo: the line to run as root ($(cat "$work/err"))"
  check '! grep -q apt-get "$work/calls"' "sudo $sudo: installs nothing ($(cat "$work/calls"))"
done
user "$work/bin" run
run_set=" $(named) "
user "$work/bin" test
check '[ " $(named) " = " $all " ] && [[ "$run_set" == *" build-essential "* && "$run_set" == *" libglut-dev "* && "$run_set" == *" libyaml-cpp-dev "* ]] &&
       [ -z "$(comm -23 <(tr " " "\n" <<< "$run_set" | sort) <(tr " " "\n" <<< "$all" | sort))" ] &&
       ! [[ "$run_set" =~ " "(xvfb|xdotool|tmux|libgtest-dev|libbenchmark-dev)" " ]]' \
  "the run set ($run_set) is part of the test set, which is the default, without the test tools"
# The configuration make run makes does without GoogleTest and Google Benchmark.
conf=$(sed -n 's/^\t@cmake -S \. -B $(BUILD) \(.*\) > \/dev\/null$/\1/p' "$here/../../Makefile" | head -n 1)
cmake -S "$here/../.." -B "$work/conf" $conf -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON > "$work/conf.log" 2>&1
check '[ $? = 0 ] && [[ "$conf" == *"-DCPT_TESTS=OFF"* ]]' "make run configures without the test libraries ($conf; $(tail -n 2 "$work/conf.log"))"

user "$work/bin:$work/sudo"
rc=$?
check '[ "$rc" = 0 ]' "with sudo: status 0 (got $rc: $(cat "$work/err"))"
check '[ "$(cat "$work/calls")" = "$(printf "sudo -n true\nsudo apt-get update -qq\nsudo apt-get install -y -qq --no-install-recommends %s" "$all")" ]' \
  "with sudo: apt-get through sudo ($(cat "$work/calls"))"

[ $fail -eq 0 ] && echo "install without root passed"
exit $fail
