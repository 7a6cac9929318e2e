#!/usr/bin/env bash
# Measures the real window under Xvfb: start-up (process start to the map
# event of its window), idle memory two seconds later, and CPU time per
# pointer move of a paced drag with the process box tool.
# Usage: bench/window.sh [path/to/tavimbre]
set -euo pipefail
APP=${1:-build/tavimbre}
for tool in Xvfb xdotool xev; do command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }; done

n=150
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=":$n"
APP_PID= XEV=
trap 'kill $APP_PID $XEV $XVFB 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

events=$(mktemp)
xev -root -event substructure >"$events" &
XEV=$!
sleep 0.3
start=$(date +%s%N)
"$APP" >/dev/null 2>&1 &
APP_PID=$!
until grep -q MapNotify "$events"; do sleep 0.001; done
mapped=$(date +%s%N)
echo "start-up: $(((mapped - start) / 1000000)) ms"

sleep 2
echo "idle RSS: $(awk '/VmRSS/ {printf "%.1f MiB", $2 / 1024}' "/proc/$APP_PID/status")"

WIN=$(xdotool search --onlyvisible --name '^  Tavimbre' | head -1)
eval "$(xdotool getwindowgeometry --shell "$WIN")"
# The process box button, then a drag of 1000 moves 8 ms apart.
xdotool mousemove $((X + 132)) $((Y + 19 + 160 + 48 + 24)) click 1
sleep 0.3
moves=()
for i in $(seq 1 1000); do
  moves+=(mousemove $((X + 300 + (i % 400))) $((Y + 100 + (i * 7) % 400)) sleep 0.008)
done
ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
xdotool mousemove $((X + 300)) $((Y + 100)) mousedown 1
before=$(ticks)
xdotool "${moves[@]}"
after=$(ticks)
xdotool mouseup 1
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" 'BEGIN {printf "CPU per move: %.3f ms\n", t * 1000 / hz / 1000}'
rm -f "$events"
