#!/usr/bin/env bash
# The real window: a word typed into "Enter Text" floats beside the pointer
# over the canvas, a click stamps it, Clear answered Yes in the real question
# box leaves the canvas white, and labels typed right after their drags land
# in their boxes.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/text"; mkdir -p "$OUT"
start_xvfb
start_app

# Non-white pixels of a screenshot in a rectangle of canvas pixels.
inked() {
  convert "$OUT/$1.png" -crop "$4x$5+$((CANVAS_X + $2))+$((CANVAS_Y + $3))" +repage \
    -fill black +opaque white -format '%[fx:int(w*h*(1-mean)+0.5)]' info:
}
expect_ink() {  # SHOT X Y W H yes|no NAME
  local n
  n=$(inked "$1" "$2" "$3" "$4" "$5")
  if { [ "$6" = yes ] && [ "$n" -gt 0 ]; } || { [ "$6" = no ] && [ "$n" -eq 0 ]; }; then echo "ok: $7"
  else echo "FAIL: $7: $n non-white pixel(s)"; FAILURES=$((FAILURES + 1)); fi
}

# txtinsert lies at window (104, 64) below the menu bar, 161 x 25 pixels.
xdotool mousemove $((WIN_X + 104 + 80)) $((TOP_Y + 64 + 12)) click 1
sleep 0.2
xdotool type --delay 50 'Yes'  # a typed s is a letter here, not Select
sleep 0.2
for x in 150 180 200; do xdotool mousemove $((CANVAS_X + x)) $((CANVAS_Y + 200)); sleep 0.05; done
sleep 0.3
shot floating
# Text1 floats 100 twips (about 7 pixels) right of and below the pointer.
expect_ink floating 210 210 120 20 yes "the typed word floats beside the pointer"
expect_ink floating 0 0 700 150 no "nothing is stamped yet"

xdotool click 1
sleep 0.3
xdotool mousemove $((CANVAS_X + 500)) $((CANVAS_Y + 500))
sleep 0.3
shot stamped
expect_ink stamped 200 200 60 16 yes "the word is stamped at the click point"
expect_ink stamped 262 200 80 40 no "the floating box is gone"
expect_ink stamped 0 0 199 199 no "nothing else is drawn"

click_tool 1            # cmdClear
QUESTION=$(xdotool search --sync --onlyvisible --name '^Tavimbre$' | head -1)
sleep 0.3
shot question
xdotool windowfocus --sync "$QUESTION"
xdotool key Return
sleep 0.5
shot cleared
expect_ink cleared 0 0 700 650 no "Clear with Yes leaves a white canvas"

# A chart as a person types it: a double-click locks Process, then drag, type,
# Return, drag, type, Return, and one more drag; never a click into the box.
xdotool windowfocus --sync "$WINDOW"
xdotool mousemove $((WIN_X + 88 + 44)) $((TOP_Y + 160 + 48 + 40)) click --repeat 2 --delay 80 1
sleep 0.3
drag 100 100 300 180
xdotool type --delay 50 'Read input'
xdotool key Return
sleep 0.3
drag 100 260 300 340
xdotool type --delay 50 'fix'  # f is no longer Fill: the next press draws
xdotool key Return
sleep 0.3
drag 100 420 300 500
xdotool mousemove $((CANVAS_X + 500)) $((CANVAS_Y + 600))
sleep 0.4
shot labels
convert "$OUT/labels.png" -crop "400x560+$CANVAS_X+$CANVAS_Y" +repage "$OUT/labels-canvas.png"
expect_ink labels 104 104 192 72 yes "Read input lies inside the first box"
expect_ink labels 104 264 192 72 yes "fix lies inside the second box"
expect_ink labels 104 424 192 72 no "the third box is empty"
expect_pixel labels 100 460 "0,0,0" "the press after fix drew the locked box again"
expect_ink labels 0 0 99 560 no "no ink left of the boxes: nothing was filled"
expect_ink labels 302 0 398 560 no "nor right of them"
expect_ink labels 0 510 400 50 no "nor below them"
finish
