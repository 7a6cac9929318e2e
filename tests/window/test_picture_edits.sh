#!/usr/bin/env bash
# The real window: the toolbar above the canvas, a fill from its button, F
# typed into the text box staying text, and a transparent move that keeps
# the line it is dropped over.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/picture_edits"; mkdir -p "$OUT"
start_xvfb
start_app
xdotool windowfocus --sync "$WINDOW"
shot toolbar

# The toolbar's buttons, 24-pixel pictures, lie in the band above the left
# column: Select, Fill, Pick Colour from its left.
toolbar_button() { xdotool mousemove $((WIN_X + 20 + $1 * 33)) $((TOP_Y - 20)) click 1; sleep 0.2; }

click_tool 4                    # cmdSquare: a closed box
drag 20 20 120 100
toolbar_button 1                # Fill
xdotool mousemove $((CANVAS_X + 60)) $((CANVAS_Y + 60)) click 1
sleep 0.4
shot filled
expect_pixel filled 60 60 "0,0,0" "the fill from the toolbar paints the inside of the box"
expect_pixel filled 150 150 "255,255,255" "outside the box stays white"

# A column drawn, then lifted with Transparent Selection on and dropped over
# a row: the row shows through the part's white.
click_tool 5                    # cmdLine
drag 200 300 420 300
click_tool 5
drag 350 200 350 260
xdotool key alt+e; sleep 0.3; xdotool key Up Return; sleep 0.3   # Edit's last item: Transparent Selection
xdotool key ctrl+shift+m; sleep 0.2
drag 330 190 370 270
drag 350 230 300 320
shot moving
expect_pixel moving 290 300 "0,0,0" "the row shows through the moving part"
xdotool key Escape; sleep 0.3
shot dropped
expect_pixel dropped 290 300 "0,0,0" "the row is kept where the part is dropped"
expect_pixel dropped 300 305 "0,0,0" "the column is dropped over the row"
expect_pixel dropped 350 230 "255,255,255" "the column's old place is white"

# F typed into the text box is a letter, not Fill.
xdotool mousemove $((WIN_X + 104 + 80)) $((TOP_Y + 64 + 12)) click 1
sleep 0.2
xdotool type --delay 50 'Fk'
sleep 0.2
xdotool mousemove $((CANVAS_X + 500)) $((CANVAS_Y + 500)) click 1
sleep 0.3
shot typed
expect_pixel typed 5 5 "255,255,255" "no fill: the typed F and k are text"
finish
