#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need.
# Idempotent: when everything is present it only asks dpkg and returns.
# Installing needs root: as another user it goes through sudo, and without
# sudo it says what is missing and the line to run as root, and fails.
set -euo pipefail

packages=(build-essential cmake libglut-dev libgtest-dev libbenchmark-dev libyaml-cpp-dev
          xvfb xauth xdotool x11-utils imagemagick tmux
          python3 librsvg2-bin fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
  # dpkg-query -W alone succeeds for known but uninstalled packages: check the status.
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    {
      echo "install-deps: these Debian packages are missing: ${missing[*]}"
      echo "install-deps: installing them needs root, and sudo is not installed; as root, run:"
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
    } >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
