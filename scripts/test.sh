#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file follows .clang-format, builds with
# warnings as errors, and runs every test; then builds once more with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test there too, with the fuzzer on ten seeds of
# 2500 random user actions each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --tests
jobs=$(nproc)

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DORBELUNE_BENCH=ON \
  -DORBELUNE_WERROR=ON > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
bash tests/package/package_check.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBELUNE_SANITIZE=ON \
  -DBUILD_TESTING=ON -DORBELUNE_WERROR=ON -DORBELUNE_FUZZ_SEEDS=10 -DORBELUNE_FUZZ_ACTIONS=2500 > /dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
