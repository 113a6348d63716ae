#!/usr/bin/env bash
# Builds the benchmark and runs it in a private X display (Xvfb 1920x1080 with openbox), so that
# the real program's start-up, frame pacing and idle cost are measured too.
#   bash bench/run.sh [build-dir] [orbelune-bench options, e.g. --json or --lessons Lesson6]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  build=$1
  shift
fi
bash "$here/scripts/deps.sh" --tests
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBELUNE_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target orbelune-bench >/dev/null

trap xdisplay_stop EXIT
# shellcheck source=../scripts/xdisplay.sh
. "$here/scripts/xdisplay.sh"
xdisplay_start 1920x1080 141 190
"$build/bench/orbelune-bench" "$@"
