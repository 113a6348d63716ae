#!/usr/bin/env bash
# Installs the Debian packages the program needs, only those still missing; with --tests also
# those the tests, the benchmarks and the format check need.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libasound2-dev fonts-freefont-ttf xdg-utils
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libbenchmark-dev clang-format xvfb openbox xdotool x11-utils imagemagick)
fi
# Further packages a caller needs besides (scripts/package.sh).
for arg in "$@"; do [ "$arg" = --tests ] || packages+=("$arg"); done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
