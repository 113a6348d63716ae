#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its main menu.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DORBELUNE_BENCH=OFF > /dev/null
cmake --build build -j "$(nproc)" --target orbelune
exec build/orbelune
