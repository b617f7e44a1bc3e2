#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(build-essential cmake libglut-dev libgtest-dev libbenchmark-dev
          xvfb xauth xdotool x11-utils imagemagick tmux
          python3 librsvg2-bin fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
  # dpkg-query -W alone succeeds for known but uninstalled packages: check the status.
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
