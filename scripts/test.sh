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
# The sanitizer runtime's own record of threads' dynamic TLS, kept by
# intercepting __tls_get_addr, holds a range that is no block at all on this
# glibc once a library with TLS has been loaded at run time (libjpeg, by
# Qt's JPEG plugin), and LeakSanitizer's tracer then crashes scanning it as
# a test's process ends ("Tracer caught signal 11"). Without the
# interception the TLS blocks are found as the heap blocks they are.
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j"$jobs"
