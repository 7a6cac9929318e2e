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

click_tool 0            # cmdErase
drag 150 40 150 60 2
shot erased
expect_pixel erased 146 50 "$WHITE" "the square's left side cut the box's top edge"
expect_pixel erased 150 50 "$BLACK" "the inside of the square is not erased"
expect_pixel erased 100 50 "$BLACK" "the edge away from the eraser stays"
finish
