#!/usr/bin/env bash
# Measures the real window under Xvfb against a bare Qt window of the same
# size (tavimbre_floor): start-up (process start to the map event of its
# window), idle memory two seconds later, and, for the program, CPU time per
# pointer move of a paced drag (MOVES moves 8 ms apart) with the button held
# and hovering, for the process box and the paper tape. Both programs are
# measured in every round, the one that starts first taking turns, after a
# warm-up round that is not counted. Prints the medians and minimums of the
# rounds, checks the bounds and exits with status 1, naming the bound, when
# one is not met.
# Usage: bench/window.sh [tavimbre [tavimbre_floor]]
#        (ROUNDS=9, MOVES=1000; DISPLAY_NUMBER, the first X display tried, 150)
set -euo pipefail
APP=${1:-build/tavimbre}
FLOOR=${2:-build/tavimbre_floor}
ROUNDS=${ROUNDS:-9}
MOVES=${MOVES:-1000}
for tool in Xvfb xdotool xev stdbuf import convert; do command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }; done
for program in "$APP" "$FLOOR"; do [ -x "$program" ] || { echo "$program is missing: build it first"; exit 1; }; done
[[ $ROUNDS =~ ^[1-9][0-9]*$ && $MOVES =~ ^[1-9][0-9]*$ ]] || { echo "ROUNDS and MOVES must be whole numbers above 0"; exit 1; }

n=${DISPLAY_NUMBER:-150}
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

# start PROGRAM: starts it, waits for its map event; sets PID, STARTUP (ms)
# and, two seconds later, RSS (MiB).
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
  local mapped=0
  while read -r -t 10 -u 3 line; do [[ $line == MapNotify* ]] && { mapped=1; break; }; done
  STARTUP=$((($(date +%s%N) - t0) / 1000000))
  kill "$XEV"; wait "$XEV" 2>/dev/null || true
  exec 3<&-
  rm -f "$WORK/events"
  [ "$mapped" = 1 ] || { echo "$1 showed no window within 10 s"; exit 1; }
  sleep 2
  RSS=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$PID/status" 2>/dev/null) ||
    { echo "$1 ended on its own"; exit 1; }
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
minimum() { printf '%s\n' "$@" | sort -g | head -1; }

# measure_floor ROUND and measure_app ROUND start the program, measure it,
# end it and set LINE; the warm-up's figures are not kept.
declare -a fs fr ts tr bp bh pp ph
measure_floor() {
  start "$FLOOR"; stop
  LINE="floor $STARTUP ms $RSS MiB"
  [ "$1" = warm-up ] || { fs+=("$STARTUP"); fr+=("$RSS"); }
}
measure_app() {
  local box_p box_h tape_p tape_h
  start "$APP"
  box_p=$(move_cost 4 1); box_h=$(move_cost 4 0)     # the process box
  tape_p=$(move_cost 10 1); tape_h=$(move_cost 10 0) # the paper tape
  stop
  LINE="tavimbre $STARTUP ms $RSS MiB, box $box_p/$box_h ms, tape $tape_p/$tape_h ms"
  [ "$1" = warm-up ] || { ts+=("$STARTUP"); tr+=("$RSS"); bp+=("$box_p"); bh+=("$box_h"); pp+=("$tape_p"); ph+=("$tape_h"); }
}

# Odd rounds start the floor first, the warm-up and even rounds the program.
for r in $(seq 0 "$ROUNDS"); do
  name="round $r"; [ "$r" = 0 ] && name=warm-up
  if ((r % 2)); then
    measure_floor "$name"; first=$LINE; measure_app "$name"; echo "$name: $first; $LINE"
  else
    measure_app "$name"; first=$LINE; measure_floor "$name"; echo "$name: $first; $LINE"
  fi
done

F_S=$(median "${fs[@]}") F_R=$(median "${fr[@]}") T_S=$(median "${ts[@]}") T_R=$(median "${tr[@]}")
B_P=$(median "${bp[@]}") B_H=$(median "${bh[@]}") P_P=$(median "${pp[@]}") P_H=$(median "${ph[@]}")
echo
echo "Medians (minimums) of $ROUNDS rounds:"
echo
echo "| program | start-up (ms) | idle RSS (MiB) | CPU per move, process box, pressed / hover (ms) | paper tape (ms) |"
echo "|---|---|---|---|---|"
echo "| bare Qt window | $F_S ($(minimum "${fs[@]}")) | $F_R ($(minimum "${fr[@]}")) | n/a | n/a |"
echo "| Tavimbre | $T_S ($(minimum "${ts[@]}")) | $T_R ($(minimum "${tr[@]}")) |" \
  "$B_P / $B_H ($(minimum "${bp[@]}") / $(minimum "${bh[@]}")) | $P_P / $P_H ($(minimum "${pp[@]}") / $(minimum "${ph[@]}")) |"
echo
# The bounds, on the medians; the start-up's ratio of minimums is shown too.
awk -v ts="$T_S" -v fs="$F_S" -v tsmin="$(minimum "${ts[@]}")" -v fsmin="$(minimum "${fs[@]}")" \
    -v tr="$T_R" -v fr="$F_R" -v bp="$B_P" -v bh="$B_H" -v pp="$P_P" -v ph="$P_H" '
function check(text, value, bound) {
  printf "%s (bound %s): %s\n", sprintf(text, value), bound, value <= bound ? "ok" : "FAILED"
  if (value > bound) failed = failed (failed ? ", " : "") substr(text, 1, index(text, ":") - 1)
}
BEGIN {
  check("start-up: %.2f x the bare window", ts / fs, 1.15)
  printf "start-up, minimums: %.2f x the bare window\n", tsmin / fsmin
  check("idle RSS: bare window + %.1f MiB", tr - fr, 4.5)
  check("process box: pressed %.2f x hover", bh > 0 ? bp / bh : 1e9, 1.4)
  check("paper tape: pressed %.2f x hover", ph > 0 ? pp / ph : 1e9, 1.4)
  if (failed) { print "bounds not met: " failed; exit 1 }
  print "every bound met"
}'
