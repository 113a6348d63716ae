#!/usr/bin/env bash
# Installs the Debian packages the program needs, only those still missing; with --tests also
# those the tests, the benchmarks and the format check need.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libasound2-dev fonts-freefont-ttf xdg-utils
)
# --tests, --web and --web-tests add what those need; any other argument is a further package a
# caller needs (scripts/package.sh).
for arg in "$@"; do
  case "$arg" in
    --tests) packages+=(libgtest-dev libbenchmark-dev clang-format xvfb openbox xdotool x11-utils imagemagick
      python3 python3-pyatspi at-spi2-core dbus) ;;
    --web) packages+=(emscripten nodejs python3-fonttools python3-brotli librsvg2-bin) ;;
    --web-tests)
      packages+=(chromium)
      # A node from elsewhere may carry its own npm, which Debian's npm package would conflict with.
      command -v npm > /dev/null || packages+=(npm)
      ;;
    *) packages+=("$arg") ;;
  esac
done
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
