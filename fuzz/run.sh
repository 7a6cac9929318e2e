#!/usr/bin/env bash
# Builds the picture-open fuzzer with clang and runs it for SECONDS (60 when
# not given) on a seed corpus it generates, with memory and time limits.
# A crash, leak, sanitizer finding or limit breach ends it with a failure
# and leaves the input that caused it in the build folder (crash-*, oom-*).
# The build folder is build-fuzz, or $FUZZ_BUILD_DIR.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/seeds"
mkdir -p "$build/corpus"
QT_QPA_PLATFORM=offscreen "$build/make_fuzz_seeds" "$build/seeds"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1
# Qt's and libpng's complaints about the broken inputs fill the log; only its
# end is shown, unless the run failed.
status=0
"$build/fuzz_open_picture" -max_total_time="$seconds" -rss_limit_mb=2560 -malloc_limit_mb=1024 \
  -timeout=20 -max_len=16384 -print_final_stats=1 -artifact_prefix="$build/" \
  "$build/corpus" "$build/seeds" > "$build/fuzz.log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  grep -v -e '^libpng' -e 'imageio' "$build/fuzz.log" | tail -80
  echo "fuzzing failed (status $status); the input is in $build"
  exit $status
fi
grep -E '^(Done|stat::)' "$build/fuzz.log"
