#!/usr/bin/env bash
# Builds the benchmark and runs it in a private X display (Xvfb 1920x1080 with openbox), so that
# the real program's start-up, frame pacing and idle cost are measured too.
#   bash bench/run.sh [build-dir] [--web] [orbelune-bench options, e.g. --json or --lessons Lesson6]
# --web also builds the browser edition and measures it in headless Chromium (bench/web_bench.mjs).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  build=$1
  shift
fi
web=0
args=()
for a in "$@"; do
  if [ "$a" = --web ]; then web=1; else args+=("$a"); fi
done
set -- ${args[@]+"${args[@]}"}
bash "$here/scripts/deps.sh" --tests
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBELUNE_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target orbelune-bench >/dev/null

trap xdisplay_stop EXIT
# shellcheck source=../scripts/xdisplay.sh
. "$here/scripts/xdisplay.sh"
xdisplay_start 1920x1080 141 190
"$build/bench/orbelune-bench" "$@"
if [ $web = 1 ]; then
  bash "$here/scripts/deps.sh" --web --web-tests
  [ -d "$here/tests/web/node_modules/puppeteer-core" ] ||
    npm ci --prefix "$here/tests/web" --no-audit --no-fund > /dev/null
  bash "$here/scripts/web.sh" --build > /dev/null
  json=()
  for a in "$@"; do [ "$a" = --json ] && json=(--json); done
  node "$here/bench/web_bench.mjs" "$here/build-web/site" ${json[@]+"${json[@]}"}
fi
