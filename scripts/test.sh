#!/usr/bin/env bash
# Installs what is missing, builds Tavimbre and runs every test: the whole
# suite in a normal build (build), 60 seconds of fuzzing the picture reader,
# and the whole suite again in a build with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer (build-asan), where any finding fails its
# test. Each step's start is printed with the seconds gone so far.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
step() { echo "== $1 (at $SECONDS s)"; }
step "build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
step "tests"
ctest --test-dir build --output-on-failure -j"$jobs"
step "fuzzing"
bash fuzz/run.sh 60
step "sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMBRE_SANITIZE=ON -DTAVIMBRE_BENCH=OFF
cmake --build build-asan -j"$jobs"
step "sanitizer tests"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j"$jobs"
