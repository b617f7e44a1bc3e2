#!/usr/bin/env bash
# Installs the Debian packages of one set: `run` what building and running the
# simulator need (make run), `test` those and what the tests, benchmarks and
# pictures need besides (make test, make deps; the default).
# Idempotent: when everything is present it only asks dpkg and returns.
# Installing needs root: as another user it goes through sudo, and without
# sudo, or when sudo is not allowed, it says what is missing and the line to
# run as root, and fails.
set -euo pipefail

run=(build-essential cmake libglut-dev libyaml-cpp-dev)
case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick tmux
                  python3 librsvg2-bin fonts-liberation2) ;;
  *) echo "usage: install-deps.sh [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  # dpkg-query -W alone succeeds for known but uninstalled packages: check the status.
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# as_root WHY: names the missing packages and the line to run as root, and fails.
as_root() {
  {
    echo "install-deps: these Debian packages are missing: ${missing[*]}"
    echo "install-deps: installing them needs root, and $1; as root, run:"
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
  } >&2
  exit 1
}
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo > /dev/null || as_root "sudo is not installed"
  # Without a password, or with one typed at a terminal; a user whom sudo
  # refuses gets the line to run as root.
  if ! sudo -n true 2> /dev/null; then
    [ -t 0 ] && sudo -v || as_root "this user may not use sudo"
  fi
  sudo="sudo"
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
