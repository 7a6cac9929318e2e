#!/usr/bin/env bash
# Installs what is missing, builds Tavimbre and runs every test: the whole
# suite in a normal build (build), 60 seconds of fuzzing the picture reader,
# the whole suite again in a build with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer (build-asan), where any finding fails its
# test, and the tests that run work on a second thread in a build with
# ThreadSanitizer (build-tsan), where any report fails the step. Each step's
# start is printed with the seconds gone so far.
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
step "thread sanitizer build"
# Only the program, its print module and the unit tests are built.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMBRE_TSAN=ON -DTAVIMBRE_BENCH=OFF
cmake --build build-tsan -j"$jobs" --target tavimbre_tests
step "thread sanitizer tests"
# The recovery copies, undo and the full-disk writes, and script runs that
# write copies in the background (the program started by the Recovery tests
# is the one built here, and inherits the options). The two cases of the
# largest pictures take minutes here and run no thread the others do not.
# The worker's hand-offs with the window's thread are a thread's start and
# join and an atomic flag, which ThreadSanitizer sees; none passes through
# Qt, which is not built with it.
TSAN_OPTIONS=halt_on_error=1:exitcode=66 QT_QPA_PLATFORM=offscreen build-tsan/tests/tavimbre_tests \
  --gtest_filter='Recovery.*:Undo.*:FailingDisk.*-Recovery.ABackgroundCopyHoldsThePictureAtItsStart:Undo.LargePicturesStepsComeBackExactly'
