#!/usr/bin/env bash
# The real window: its layout, and the line, circle, process box and eraser
# drawn by xdotool drags.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/builtin"; mkdir -p "$OUT"
start_xvfb
start_app

BLACK=0,0,0 WHITE=255,255,255
expect_pixel probe 100 100 "$WHITE" "the canvas starts white"
# cmdClear's back colour: the palette's light blue.
[ "$(pixel probe $((WIN_X + 88 + 10)) $((CANVAS_Y + 160 + 30)))" = "216,228,248" ] && echo "ok: palette colour" ||
  { echo "FAIL: palette colour"; FAILURES=$((FAILURES + 1)); }

click_tool 4            # cmdSquare
drag 50 50 250 150
click_tool 3            # cmdCircle
drag 300 50 400 250
click_tool 5            # cmdLine
drag 50 300 250 400
shot figures
expect_pixel figures 150 50 "$BLACK" "process box top edge"
expect_pixel figures 250 100 "$BLACK" "process box right edge"
expect_pixel figures 150 100 "$WHITE" "process box inside"
expect_pixel figures 350 250 "$BLACK" "circle bottom"
expect_pixel figures 150 350 "$BLACK" "line middle"
expect_pixel figures 40 40 "$WHITE" "no preview frame left"

# Esc, Ctrl+Z and another button during a drag: no preview stays behind.
xdotool windowfocus --sync "$WINDOW"
at() { echo $((CANVAS_X + $1)) $((CANVAS_Y + $2)); }
click_tool 4
xdotool mousemove $(at 450 50) mousedown 1 mousemove $(at 500 90) mousemove $(at 550 150)
sleep 0.2; xdotool key Escape; sleep 0.2
xdotool mousemove $(at 600 200) mouseup 1
click_tool 4
drag 450 300 550 400
click_tool 4
xdotool mousemove $(at 600 300) mousedown 1 mousemove $(at 650 350) mousemove $(at 700 400)
sleep 0.2; xdotool key ctrl+z; sleep 0.2
xdotool mousemove $(at 650 450) mouseup 1
click_tool 4
xdotool mousemove $(at 450 500) mousedown 1 mousemove $(at 480 530) mousemove $(at 520 560)
sleep 0.2; xdotool mousedown 3 mouseup 3; sleep 0.2
xdotool mousemove $(at 550 600) mouseup 1
sleep 0.3
shot cancelled
expect_pixel cancelled 500 50 "$WHITE" "Esc took the preview's top edge away"
expect_pixel cancelled 550 100 "$WHITE" "Esc took the preview's right edge away"
expect_pixel cancelled 525 200 "$WHITE" "after Esc the release drew nothing"
expect_pixel cancelled 500 300 "$WHITE" "Ctrl+Z mid-drag undid the square before it"
expect_pixel cancelled 650 300 "$WHITE" "Ctrl+Z mid-drag left no ghost of the preview"
expect_pixel cancelled 700 350 "$WHITE" "Ctrl+Z mid-drag left no ghost of the preview's side"
expect_pixel cancelled 500 500 "$BLACK" "the right button's press did not end the drag"
expect_pixel cancelled 520 530 "$WHITE" "the right button's press left no preview behind"

click_tool 0            # cmdErase
drag 150 40 150 60 2
shot erased
expect_pixel erased 146 50 "$WHITE" "the square's left side cut the box's top edge"
expect_pixel erased 150 50 "$BLACK" "the inside of the square is not erased"
expect_pixel erased 100 50 "$BLACK" "the edge away from the eraser stays"
finish
