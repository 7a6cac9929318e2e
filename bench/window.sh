#!/usr/bin/env bash
# Measures the real window under Xvfb against a bare Qt window of the same
# size (tavimbre_floor), both started in turn in every round: start-up
# (process start to the map event of its window), idle memory two seconds
# later, and, for the program, CPU time per pointer move of a paced drag
# (1000 moves 8 ms apart) with the button held and hovering, for the process
# box and the paper tape. Prints the medians of the rounds and the ratios.
# Usage: bench/window.sh [tavimbre [tavimbre_floor]]   (ROUNDS=5, MOVES=1000)
set -euo pipefail
APP=${1:-build/tavimbre}
FLOOR=${2:-build/tavimbre_floor}
ROUNDS=${ROUNDS:-5}
MOVES=${MOVES:-1000}
for tool in Xvfb xdotool xev stdbuf import convert; do command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }; done

n=150
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=":$n"
# No recovery copy of another run may ask its question at start.
XDG_DATA_HOME=$(mktemp -d); export XDG_DATA_HOME
WORK=$(mktemp -d)
PID= XEV=
trap 'kill $PID $XEV $XVFB 2>/dev/null; wait 2>/dev/null; rm -rf "$XDG_DATA_HOME" "$WORK"' EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# start PROGRAM: starts it, waits for its map event; sets PID and STARTUP (ms).
start() {
  local line t0
  rm -rf "${XDG_DATA_HOME:?}"/*
  mkfifo "$WORK/events"
  stdbuf -oL xev -root -event substructure >"$WORK/events" &
  XEV=$!
  exec 3<"$WORK/events"
  sleep 0.3
  t0=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  PID=$!
  while read -r -t 10 -u 3 line; do [[ $line == MapNotify* ]] && break; done
  STARTUP=$((($(date +%s%N) - t0) / 1000000))
  kill "$XEV"; wait "$XEV" 2>/dev/null || true
  exec 3<&-
  rm -f "$WORK/events"
  sleep 2
  RSS=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$PID/status")
}

stop() { kill "$PID"; wait "$PID" 2>/dev/null || true; PID=; }

# CPU nanoseconds of all the program's threads.
cpu() { cat /proc/"$PID"/task/*/schedstat | awk '{s += $1} END {printf "%.0f\n", s}'; }

# move_cost BUTTON_INDEX PRESSED: picks palette button number INDEX (three a
# row), then makes the paced moves over the canvas with the left button held
# (PRESSED=1) or not; prints the CPU milliseconds per move.
move_cost() {
  local win X Y i before after
  win=$(xdotool search --onlyvisible --name '^  Tavimbre' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # The controls begin under the menu and tool bars, 9 pixels above the
  # picture's first white row (read off a screenshot).
  local top
  import -window root "$WORK/probe.png"
  for top in $(seq "$Y" $((Y + 200))); do
    [ "$(convert "$WORK/probe.png" -format "%[fx:int(255*p{$((X + 572)),$top}.r)]" info:)" = 255 ] && break
  done
  top=$((top - Y - 9))
  xdotool mousemove $((X + $1 % 3 * 88 + 44)) $((Y + top + 160 + $1 / 3 * 48 + 24)) click 1
  sleep 0.3
  local moves=()
  for i in $(seq 1 "$MOVES"); do
    moves+=(mousemove $((X + 300 + (i % 400))) $((Y + 100 + (i * 7) % 400)) sleep 0.008)
  done
  xdotool mousemove $((X + 300)) $((Y + 100))
  [ "$2" = 1 ] && xdotool mousedown 1
  sleep 0.2
  before=$(cpu)
  xdotool "${moves[@]}"
  after=$(cpu)
  [ "$2" = 1 ] && xdotool mouseup 1
  sleep 0.2
  awk -v ns=$((after - before)) -v m="$MOVES" 'BEGIN {printf "%.3f", ns / 1e6 / m}'
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

declare -a fs fr ts tr bp bh pp ph
for r in $(seq 1 "$ROUNDS"); do
  start "$FLOOR"; fs+=("$STARTUP"); fr+=("$RSS"); stop
  start "$APP"; ts+=("$STARTUP"); tr+=("$RSS")
  bp+=("$(move_cost 4 1)"); bh+=("$(move_cost 4 0)")   # the process box
  pp+=("$(move_cost 10 1)"); ph+=("$(move_cost 10 0)") # the paper tape
  stop
  echo "round $r: floor ${fs[-1]} ms ${fr[-1]} MiB; tavimbre ${ts[-1]} ms ${tr[-1]} MiB," \
    "box ${bp[-1]}/${bh[-1]} ms, tape ${pp[-1]}/${ph[-1]} ms"
done

F_S=$(median "${fs[@]}") F_R=$(median "${fr[@]}") T_S=$(median "${ts[@]}") T_R=$(median "${tr[@]}")
B_P=$(median "${bp[@]}") B_H=$(median "${bh[@]}") P_P=$(median "${pp[@]}") P_H=$(median "${ph[@]}")
echo
echo "| program | start-up (ms) | idle RSS (MiB) | CPU per move, process box, pressed / hover (ms) | paper tape (ms) |"
echo "|---|---|---|---|---|"
echo "| bare Qt window | $F_S | $F_R | n/a | n/a |"
echo "| Tavimbre | $T_S | $T_R | $B_P / $B_H | $P_P / $P_H |"
echo
awk -v ts="$T_S" -v fs="$F_S" -v tr="$T_R" -v fr="$F_R" -v bp="$B_P" -v bh="$B_H" -v pp="$P_P" -v ph="$P_H" 'BEGIN {
  printf "start-up: %.2f x the bare window (bound 1.15)\n", ts / fs
  printf "idle RSS: bare window + %.1f MiB (bound 3)\n", tr - fr
  printf "process box: pressed %.2f x hover (bound 1.3)\n", bp / bh
  printf "paper tape: pressed %.2f x hover (bound 1.3)\n", pp / ph
}'
