#!/usr/bin/env bash
# The real window as a desktop program: a picture named on the command line,
# Ctrl+Z after a drag, and the whole window at twice the scale.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/desktop"; mkdir -p "$OUT"
start_xvfb

PICTURE="$OUT/start.bmp"
convert -size 600x400 xc:white -fill 'rgb(0,128,128)' -draw 'rectangle 0,0 199,99' "BMP3:$PICTURE"
start_app "$PICTURE"
title=$(xdotool getwindowname "$WINDOW")
[ "$title" = "  Tavimbre -   $PICTURE" ] && echo "ok: caption names the file" ||
  { echo "FAIL: caption is '$title'"; FAILURES=$((FAILURES + 1)); }
shot opened
expect_pixel opened 50 50 "0,128,128" "the named picture shows"
expect_pixel opened 599 399 "255,255,255" "all of it"
[ "$(pixel opened $((CANVAS_X + 603)) $((CANVAS_Y + 50)))" != "255,255,255" ] &&
  [ "$(pixel opened $((CANVAS_X + 50)) $((CANVAS_Y + 403)))" != "255,255,255" ] &&
  echo "ok: the canvas ends where the picture does" || { echo "FAIL: the canvas is larger than the picture"; FAILURES=$((FAILURES + 1)); }

click_tool 4            # cmdSquare
drag 250 150 400 250
shot drawn
expect_pixel drawn 325 150 "0,0,0" "the box is drawn"
xdotool key ctrl+z
sleep 0.3
shot undone
expect_pixel undone 325 150 "255,255,255" "Ctrl+Z takes the box away"
expect_pixel undone 50 50 "0,128,128" "and keeps the picture"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=

# Twice the scale: the window, twice the screen's width at its design size,
# shrinks to fit the screen, and figures land where the pointer is.
QT_SCALE_FACTOR=2 "$TAVIMBRE" >"$OUT/app2.log" 2>&1 &
APP_PID=$!
WINDOW=$(xdotool search --sync --onlyvisible --name '^  Tavimbre' | head -1)
sleep 0.7
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" -le 1600 ] && [ "$HEIGHT" -le 1200 ] && echo "ok: the window fits the screen (${WIDTH}x$HEIGHT)" ||
  { echo "FAIL: ${WIDTH}x$HEIGHT at scale 2"; FAILURES=$((FAILURES + 1)); }
WIN_X=$X WIN_Y=$Y
shot scaled_probe
CANVAS_X=$((WIN_X + 544 + 2 * FRAME_MARGIN))
for y in $(seq "$WIN_Y" $((WIN_Y + 300))); do
  [ "$(pixel scaled_probe $((CANVAS_X + 600)) "$y")" = "255,255,255" ] && { CANVAS_Y=$y; break; }
done
# cmdSquare sits in the second column of the second row.
xdotool mousemove $((WIN_X + 2 * (88 + 44))) $((CANVAS_Y + 2 * (160 - FRAME_MARGIN + 48 + 24))) click 1
sleep 0.3
xdotool mousemove $((CANVAS_X + 200)) $((CANVAS_Y + 200)) mousedown 1 \
  mousemove $((CANVAS_X + 300)) $((CANVAS_Y + 260)) mousemove $((CANVAS_X + 400)) $((CANVAS_Y + 300)) mouseup 1
sleep 0.3
shot scaled
expect_pixel scaled 300 200 "0,0,0" "at scale 2 the top edge lies under the pointer's path"
expect_pixel scaled 300 250 "255,255,255" "and the box is hollow"
finish
