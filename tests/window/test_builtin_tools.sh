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
[ "$(pixel probe $((WIN_X + 88 + 10)) $((TOP_Y + 160 + 30)))" = "216,228,248" ] && echo "ok: palette colour" ||
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
expect_pixel cancelled 500 300 "$BLACK" "Ctrl+Z mid-drag ended only the drag: the square before it stays"
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

# Select, a drag around the last box, and a drag from inside it: the box floats
# over the picture where it was dragged, white behind; Esc drops it there.
xdotool windowfocus --sync "$WINDOW"; xdotool key ctrl+shift+m; sleep 0.2
drag 440 490 560 610
drag 500 550 350 550
shot floating
xdotool key Escape; sleep 0.3
shot dropped
for s in floating dropped; do
  expect_pixel "$s" 350 500 "$BLACK" "$s: the box's top edge where it was dragged"
  expect_pixel "$s" 300 550 "$BLACK" "$s: its left edge"
  expect_pixel "$s" 350 550 "$WHITE" "$s: its inside"
  expect_pixel "$s" 500 500 "$WHITE" "$s: white where it was"
done
expect_pixel dropped 290 490 "$WHITE" "no outline left after the drop"

# In a window larger than the picture the rest is grey. A drag from the grey
# into the picture draws nothing; one from the picture out of it draws what
# lies inside; the corner handle drags the picture larger, the new room white.
xdotool windowsize "$WINDOW" 1300 900
sleep 0.5
click_tool 4
xdotool mousemove $(at 800 100) mousedown 1 mousemove $(at 700 80) mousemove $(at 600 50) mouseup 1
click_tool 4
xdotool mousemove $(at 650 620) mousedown 1 mousemove $(at 750 650) mousemove $(at 850 660) mouseup 1
sleep 0.3
xdotool mousemove $(at 747 694) mousedown 1 mousemove $(at 797 719) mousemove $(at 847 744) mouseup 1
sleep 0.5
shot beyond
IFS=, read -r r g b <<<"$(pixel beyond $((CANVAS_X + 1000)) $((CANVAS_Y + 300)))"
[ "$r" = "$g" ] && [ "$g" = "$b" ] && [ "$r" -gt 0 ] && [ "$r" -lt 255 ] && echo "ok: the area beyond the picture is grey" ||
  { echo "FAIL: beyond the picture: $r,$g,$b"; FAILURES=$((FAILURES + 1)); }
expect_pixel beyond 650 50 "$WHITE" "a press on the grey drew nothing"
expect_pixel beyond 650 100 "$WHITE" "a press on the grey drew nothing, nor its other edge"
expect_pixel beyond 700 620 "$BLACK" "a drag that leaves the picture draws inside it"
expect_pixel beyond 800 720 "$WHITE" "the corner handle grew the picture, white"
expect_pixel beyond 841 738 "$WHITE" "to the size it was dragged to"
[ "$(pixel beyond $((CANVAS_X + 843)) $((CANVAS_Y + 741)))" != "$WHITE" ] && echo "ok: and no larger" ||
  { echo "FAIL: the picture is larger than it was dragged"; FAILURES=$((FAILURES + 1)); }

# Zoomed in, a process box lands under the pointer in sharp square pixels: the
# pointer's picture pixel is on its edge at the 2-pixel pen, the pixel two
# picture pixels inside is white, and the corner holds nothing but black and white.
xdotool windowfocus --sync "$WINDOW"
for zoom in 2 4; do
  if [ "$zoom" = 2 ]; then xdotool key ctrl+0 ctrl+equal; else xdotool key ctrl+0 ctrl+equal ctrl+equal ctrl+equal; fi
  sleep 0.3
  click_tool 4
  drag 101 201 301 301
  shot "zoom$zoom"
  expect_pixel "zoom$zoom" 201 201 "$BLACK" "at ${zoom}00 % the top edge is under the pointer"
  expect_pixel "zoom$zoom" 201 $((201 + 2 * zoom)) "$WHITE" "at ${zoom}00 % the inside is white"
  expect_pixel "zoom$zoom" 101 251 "$BLACK" "at ${zoom}00 % the left edge is under the pointer"
  colours=$(convert "$OUT/zoom$zoom.png" -crop "$((12 * zoom))x$((12 * zoom))+$((CANVAS_X + 101 - 6 * zoom))+$((CANVAS_Y + 201 - 6 * zoom))" \
    +repage -unique-colors -format '%w' info:)
  [ "$colours" = 2 ] && echo "ok: at ${zoom}00 % the corner is sharp" ||
    { echo "FAIL: at ${zoom}00 % the corner has $colours colours"; FAILURES=$((FAILURES + 1)); }
  if [ "$zoom" = 2 ]; then
    # At 200 % a selection of that box moves with the pointer: 200 screen
    # pixels down are 100 picture pixels.
    xdotool key ctrl+shift+m; sleep 0.2
    drag 90 190 312 312
    drag 200 250 200 450
    xdotool key Escape; sleep 0.3
    shot zoom2-moved
    expect_pixel zoom2-moved 201 401 "$BLACK" "at 200 % the moved box's top edge is where it was dragged"
    expect_pixel zoom2-moved 201 201 "$WHITE" "at 200 % white where it was"
    expect_pixel zoom2-moved 90 190 "$WHITE" "at 200 % no outline is left"
  fi
done

# At 25 % a 3000 x 2000 picture is seen whole: its marked corners both show,
# a quarter of the picture's width apart.
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null
rm -rf "$XDG_DATA_HOME/tavimbre"  # a copy the killed window wrote after 30 s would be offered first
convert -size 3000x2000 xc:white -fill blue -draw 'rectangle 0,0 39,39' \
  -fill red -draw 'rectangle 2960,1960 2999,1999' -fill black -draw 'rectangle 1001,601 1002,802' \
  -draw 'rectangle 1201,601 1202,802' -draw 'rectangle 1001,601 1202,602' -draw 'rectangle 1001,801 1202,802' \
  "BMP3:$OUT/big.bmp"
start_app "$OUT/big.bmp"
xdotool windowsize --sync "$WINDOW" 1200 900; sleep 0.3
xdotool windowfocus --sync "$WINDOW"; xdotool key ctrl+minus ctrl+minus ctrl+minus ctrl+minus; sleep 0.5
shot quarter
marked() { convert "$OUT/quarter.png" -fill black +opaque "$1" -trim -format '%X %w' info:; }
read -r blue_x blue_w <<<"$(marked blue)"; read -r red_x red_w <<<"$(marked red)"
if [ "$blue_w" = 10 ] && [ "$red_w" = 10 ] && [ $((red_x - blue_x)) = 740 ]; then echo "ok: at 25 % the whole picture shows"
else echo "FAIL: at 25 %: blue at $blue_x, $blue_w wide; red at $red_x, $red_w wide"; FAILURES=$((FAILURES + 1)); fi

# The box of 2-pixel sides between picture pixels 1001 and 1202 across, 601
# and 802 down, shows all four sides at 25 % and 33 %: the darkest screen
# pixel next to where each side's middle maps is clearly darker than white.
darkest() {  # SHOT X Y: the darkest grey of the 3 x 3 screen pixels around X, Y
  convert "$OUT/$1.png" -crop "3x3+$(($2 - 1))+$(($3 - 1))" +repage -colorspace gray -format '%[fx:int(255*minima)]' info:
}
for zoom in 25 33; do
  [ "$zoom" = 33 ] && { xdotool windowsize --sync "$WINDOW" 1550 1100; sleep 0.3; xdotool key ctrl+equal; sleep 0.5; }
  shot "box$zoom"
  read -r x0 y0 <<<"$(convert "$OUT/box$zoom.png" -fill black +opaque blue -trim -format '%X %Y' info:)"
  to() { echo $(($1 * zoom / 100)); }
  for side in "left 1001 700" "right 1201 700" "top 1100 601" "bottom 1100 801"; do
    read -r name x y <<<"$side"
    grey=$(darkest "box$zoom" $((x0 + $(to "$x"))) $((y0 + $(to "$y"))))
    [ "$grey" -lt 200 ] && echo "ok: at $zoom % the box's $name side shows ($grey)" ||
      { echo "FAIL: at $zoom % the box's $name side is gone ($grey)"; FAILURES=$((FAILURES + 1)); }
  done
done
finish
