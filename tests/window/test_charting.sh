#!/usr/bin/env bash
# The real window: the grid over the picture at 100 % and 400 %, a box drawn
# with Snap on whose corners sit on grid points, a locked tool, and a label
# centred in a decision box by Return in "Enter Text", and an elbow line
# with an arrowhead chosen on the toolbar, and the next decision chained
# below the first by Alt+Down, then dragged aside in Arrange Figures.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/charting"; mkdir -p "$OUT"
start_xvfb
start_app

GRID="200,212,230"  # the grid's blue-grey on white
# Clicks item INDEX (0-based) of the View menu.
view_item() {
  xdotool mousemove $((WIN_X + 96)) $((WIN_Y + 8)) click 1
  sleep 0.4
  xdotool mousemove $((WIN_X + 140)) $((WIN_Y + 37 + 22 * $1)) click 1
  sleep 0.4
}
# Pixels of a screenshot's rectangle (canvas pixels) in one colour.
count_colour() {  # SHOT X Y W H RGB
  convert "$OUT/$1.png" -crop "$4x$5+$((CANVAS_X + $2))+$((CANVAS_Y + $3))" +repage txt:- | grep -c "srgb($6)"
}

view_item 4  # Show Grid
shot grid100
expect_pixel grid100 20 5 "$GRID" "a grid line every 10 pixels"
expect_pixel grid100 25 25 "255,255,255" "white between the lines"
expect_pixel grid100 20 20 "157,176,207" "a grid point a shade darker than its lines"

view_item 5  # Snap to Grid
# A double-click on Process locks it: two boxes from pointer points off the grid.
xdotool mousemove $((WIN_X + 88 + 44)) $((TOP_Y + 160 + 48 + 40)) click --repeat 2 --delay 80 1
sleep 0.3
drag 33 27 148 93
drag 33 127 148 193
sleep 0.3
shot snapped
expect_pixel snapped 30 30 "0,0,0" "the box's corner lies on a grid point"
expect_pixel snapped 30 60 "0,0,0" "its left side on a grid line"
expect_pixel snapped 33 60 "200,212,230" "not where the pointer was pressed"
expect_pixel snapped 150 90 "0,0,0" "the opposite corner on a grid point"
expect_pixel snapped 30 130 "0,0,0" "the locked tool drew a second box"

# A decision box, then "Yes" typed and Return: centred in it.
xdotool mousemove $((WIN_X + 2 * 88 + 44)) $((TOP_Y + 160 + 4 * 48 + 40)) click --repeat 2 --delay 80 1
sleep 0.3
drag 203 97 397 203
xdotool mousemove $((WIN_X + 104 + 80)) $((TOP_Y + 64 + 12)) click 1
sleep 0.2
xdotool type --delay 50 'Yes'
xdotool key Return
sleep 0.4
shot label
n=$(convert "$OUT/label.png" -crop "40x20+$((CANVAS_X + 280))+$((CANVAS_Y + 140))" +repage -fill black +opaque white \
  -format '%[fx:int(w*h*(1-mean)+0.5)]' info:)
if [ "$n" -gt 10 ]; then echo "ok: Yes lies at the decision's centre"; else echo "FAIL: no label at the centre"; FAILURES=$((FAILURES + 1)); fi
left=$(count_colour label 250 140 30 20 "0,0,0") right=$(count_colour label 320 140 30 20 "0,0,0")
if [ "$left" -eq 0 ] && [ "$right" -eq 0 ]; then echo "ok: nothing beside it"; else echo "FAIL: ink beside the label"; FAILURES=$((FAILURES + 1)); fi

# Arrow at End and Elbow on the toolbar, then a line out of the first box's
# right side: across first, the wider way, then down to its head.
xdotool mousemove $((WIN_X + 305)) $((WIN_Y + 38)) click 1
xdotool mousemove $((WIN_X + 516)) $((WIN_Y + 38)) click 1
xdotool mousemove $((WIN_X + 2 * 88 + 44)) $((TOP_Y + 160 + 48 + 40)) click 1
sleep 0.3
drag 150 60 450 300 12
shot connector
expect_pixel connector 300 60 "0,0,0" "the elbow's first leg runs across"
expect_pixel connector 450 200 "0,0,0" "its second leg down"
expect_pixel connector 448 294 "0,0,0" "the head at its end"
expect_pixel connector 444 293 "255,255,255" "no wider than the head"
expect_pixel connector 301 181 "255,255,255" "no straight line between"

# Alt+Down with the focus in "Enter Text": the next decision, the last
# figure's size, 40 pixels below it, its arrow between the corners; "No"
# typed there and Return label it.
xdotool mousemove $((WIN_X + 104 + 80)) $((TOP_Y + 64 + 12)) click 1
sleep 0.2
xdotool key alt+Down
sleep 0.3
xdotool type --delay 50 'No'
xdotool key Return
sleep 0.4
shot chained
expect_pixel chained 300 220 "0,0,0" "the chain's arrow leaves the decision's bottom corner"
expect_pixel chained 298 234 "0,0,0" "its head at the new decision's top corner"
expect_pixel chained 200 290 "0,0,0" "the new decision's left corner, in line with the first's"
expect_pixel chained 300 340 "0,0,0" "its bottom corner"
n=$(convert "$OUT/chained.png" -crop "40x20+$((CANVAS_X + 280))+$((CANVAS_Y + 280))" +repage -fill black +opaque white \
  -format '%[fx:int(w*h*(1-mean)+0.5)]' info:)
if [ "$n" -gt 6 ]; then echo "ok: No lies at the new decision's centre"; else echo "FAIL: no label in the new decision"; FAILURES=$((FAILURES + 1)); fi

# Arrange Figures (Ctrl+Shift+R): the chained decision dragged 100 pixels
# left, its label and its arrow from the first decision following.
xdotool key ctrl+shift+r
drag 300 290 200 290
sleep 0.3
shot arranged
expect_pixel arranged 397 288 "255,255,255" "the moved decision left its old place"
expect_pixel arranged 100 290 "0,0,0" "its left corner 100 pixels further left"
expect_pixel arranged 250 220 "0,0,0" "its arrow drawn again from the first decision"
expect_pixel arranged 299 225 "255,255,255" "the old arrow gone"
n=$(convert "$OUT/arranged.png" -crop "40x20+$((CANVAS_X + 180))+$((CANVAS_Y + 280))" +repage -fill black +opaque white \
  -format '%[fx:int(w*h*(1-mean)+0.5)]' info:)
if [ "$n" -gt 6 ]; then echo "ok: No moved with it"; else echo "FAIL: no label in the moved decision"; FAILURES=$((FAILURES + 1)); fi

# Ctrl+wheel to 400 % about the first box's corner, which stays under the pointer.
xdotool mousemove $((CANVAS_X + 30)) $((CANVAS_Y + 30)) keydown ctrl
for _ in 1 2 3; do xdotool click 4; sleep 0.3; done
xdotool keyup ctrl mousemove $((WIN_X + 600)) $((WIN_Y + 740))
sleep 0.4
shot grid400
n=$(count_colour grid400 0 0 400 400 "$GRID")
if [ "$n" -gt 400 ]; then echo "ok: the grid shows at 400 %"; else echo "FAIL: no grid at 400 % ($n)"; FAILURES=$((FAILURES + 1)); fi
finish
