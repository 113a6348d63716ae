#!/usr/bin/env bash
# The browser edition: installs what is missing, builds into build-web/ and serves the site.
#   bash scripts/web.sh            build, then serve build-web/site/ on http://127.0.0.1:8080/
#   bash scripts/web.sh --build    build only
#   bash scripts/web.sh --test     build, then run the web tests (node driver, headless Chromium,
#                                  the web app on phones and tablets, offline, two minutes of
#                                  random input there, screen readers and the keyboard)
# ORBELUNE_NATIVE_DRIVER names the native orbelune-script the node driver is compared with
# (default build/orbelune-script); ORBELUNE_WEB_SHOTS where the browser test saves a screenshot
# of each page (default build-web/web-shots); ORBELUNE_WEB_PORT the port to serve on.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-serve}
case "$mode" in
  serve | --build | --test) ;;
  *) echo "usage: bash scripts/web.sh [--build | --test]" >&2; exit 2 ;;
esac
if [ "$mode" = --test ]; then
  bash scripts/deps.sh --web --web-tests
  # The browser driver and the accessibility checker, pinned by the lock file, into
  # tests/web/node_modules.
  [ -d tests/web/node_modules/puppeteer-core ] && [ -d tests/web/node_modules/axe-core ] ||
    npm ci --prefix tests/web --no-audit --no-fund
else
  bash scripts/deps.sh --web
fi
# Debian's emscripten runs its tools under the system node and finds its modules there.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# Configured only once; a configure that failed part way is run again.
if [ ! -f build-web/Makefile ]; then
  launcher=()
  if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  emcmake cmake -S web -B build-web -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" > /dev/null
fi
cmake --build build-web -j "$(nproc)"

case "$mode" in
  --build) ;;
  --test)
    status=0
    bash tests/web/driver_compare.sh "${ORBELUNE_NATIVE_DRIVER:-build/orbelune-script}" build-web/orbelune-script.js || status=1
    node tests/web/browser_test.mjs build-web/site "${ORBELUNE_WEB_SHOTS:-build-web/web-shots}" || status=1
    node tests/web/webapp_test.mjs build-web/site "${ORBELUNE_WEB_SHOTS:-build-web/web-shots}" || status=1
    node tests/web/monkey.mjs build-web/site || status=1
    node tests/web/a11y_test.mjs build-web/site "${ORBELUNE_NATIVE_DRIVER:-build/orbelune-script}" || status=1
    exit $status
    ;;
  serve)
    port=${ORBELUNE_WEB_PORT:-8080}
    echo "Serving the lessons on http://127.0.0.1:$port/ (Ctrl+C stops)"
    exec node web/serve.mjs build-web/site "$port"
    ;;
esac
