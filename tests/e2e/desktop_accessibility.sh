#!/usr/bin/env bash
# The real program as a screen reader meets it: in a private X display with its own session bus
# and accessibility bus, accessibility_walk.py reads the pages through AT-SPI and compares them
# with the driver's reading. Keeps the trees it read and a screenshot of the main menu with a
# course entry reached by Tab (ORBELUNE_E2E_SHOTS, default ./a11y-shots).
#   desktop_accessibility.sh path/to/orbelune path/to/orbelune-script
set -euo pipefail
bin=$(realpath "$1")
script=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
shots=${ORBELUNE_E2E_SHOTS:-$PWD/a11y-shots}
mkdir -p "$shots"
for need in dbus-run-session /usr/libexec/at-spi-bus-launcher xdotool import; do
  command -v "$need" >/dev/null || { echo "FAIL: $need is missing (scripts/deps.sh --tests)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
  { echo "FAIL: Debian's python3-pyatspi is missing (scripts/deps.sh --tests)" >&2; exit 1; }

trap xdisplay_stop EXIT
# shellcheck source=../../scripts/xdisplay.sh
. "$here/../../scripts/xdisplay.sh"
xdisplay_start 1280x1024 191 230 || { echo "FAIL: no X display" >&2; exit 1; }

# shellcheck disable=SC2016 # the inner script expands its own arguments
# The bus launcher starts the accessibility bus and registry the program and the walk find
# through the session bus; all of it ends with the session.
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  sleep 0.5
  status=0
  /usr/bin/python3 "$0" "$1" "$2" "$3" || status=$?
  kill "$launcher" 2>/dev/null || true
  exit $status
' "$here/accessibility_walk.py" "$bin" "$script" "$shots" 2> >(grep -v -e 'fd limit' -e 'Activating service' -e 'Successfully activated' -e 'SpiRegistry daemon' >&2)
