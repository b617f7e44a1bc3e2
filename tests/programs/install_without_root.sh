#!/usr/bin/env bash
# install-deps.sh as a user (nobody) without sudo: names the missing packages, the
# root apt-get line, fails; with sudo, through sudo. Fakes record, nothing installs.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
script="$here/../../scripts/install-deps.sh"
chmod 755 "$work"
mkdir "$work/bin" "$work/sudo"
touch "$work/calls"
chmod 666 "$work/calls"
# fake FILE: a command that records its name and arguments.
fake() { printf '#!/bin/bash\necho "${0##*/} $*" >> %s/calls\n' "$work" > "$1"; chmod 755 "$1"; }
printf '#!/bin/bash\nexit 1\n' > "$work/bin/dpkg-query"  # knows no package
chmod 755 "$work/bin/dpkg-query"
fake "$work/bin/apt-get"
fake "$work/sudo/sudo"
ln -s "$(command -v id)" "$work/bin/id"
# user PATH...: the script as an ordinary user (nobody, when this runs as root).
user() {
  local path=$1; shift
  local as=()
  [ "$(id -u)" = 0 ] && as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  : > "$work/calls"
  "${as[@]}" env -i PATH="$path" /bin/bash "$script" > "$work/out" 2> "$work/err"
}

user "$work/bin"
rc=$?
# Every package is missing: the list the script names is its whole list.
all=$(sed -n 's/^install-deps: these Debian packages are missing: //p' "$work/err")
check '[ "$rc" != 0 ]' "without sudo: fails (status $rc)"
check '[[ " $all " == *" build-essential "* && " $all " == *" xvfb "* ]]' "without sudo: names the missing packages ($(cat "$work/err"))"
check 'grep -qxF "  apt-get update && apt-get install -y --no-install-recommends $all" "$work/err"' \
  "without sudo: the line to run as root ($(cat "$work/err"))"
check '[ ! -s "$work/calls" ]' "without sudo: installs nothing ($(cat "$work/calls"))"

user "$work/bin:$work/sudo"
rc=$?
check '[ "$rc" = 0 ]' "with sudo: status 0 (got $rc: $(cat "$work/err"))"
check '[ "$(cat "$work/calls")" = "$(printf "sudo apt-get update -qq\nsudo apt-get install -y -qq --no-install-recommends %s" "$all")" ]' \
  "with sudo: apt-get through sudo ($(cat "$work/calls"))"

[ $fail -eq 0 ] && echo "install without root passed"
exit $fail
