#!/usr/bin/env bash
# Installs what is missing, builds Tavimbre and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target tavimbre
exec ./build/tavimbre "$@"
