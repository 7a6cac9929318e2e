#!/usr/bin/env bash
# The real window: Ctrl+S on a new picture opens the real file dialog, a
# typed path is written; the close box on unsaved changes asks the real
# question box, answered from the keyboard: Escape keeps the window open,
# Return saves and closes, Alt+N closes without saving.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/files"; mkdir -p "$OUT"
command -v python3 >/dev/null || { echo "skipped: python3 is missing"; exit 77; }
CLOSE="python3 $(dirname "$0")/close_window.py"
DIR=$(mktemp -d); trap 'rm -rf "$DIR"; cleanup' EXIT
PROCESS=4

check() {  # check CONDITION-STATUS NAME
  if [ "$1" -eq 0 ]; then echo "ok: $2"; else echo "FAIL: $2"; FAILURES=$((FAILURES + 1)); fi
}
running() { kill -0 "$APP_PID" 2>/dev/null; }
# Waits up to 5 s for a window whose name matches $1; its id goes to FOUND.
wait_window() {
  local _
  for _ in $(seq 50); do
    FOUND=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$FOUND" ] && return 0
    sleep 0.1
  done
  return 1
}
gone() {  # waits up to 5 s for the program to end
  local _
  for _ in $(seq 50); do running || return 0; sleep 0.1; done
  return 1
}
draw_square() {
  click_tool $PROCESS
  drag "$1" "$1" $(($1 + 120)) $(($1 + 80))
}
# Puts the pointer over the window $1 so that keys go to it, then types.
keys_to() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 10))
  sleep 0.3
  shift
  xdotool "$@"
  sleep 0.5
}

start_xvfb
start_app
MAIN=$WINDOW

# Ctrl+S on an untitled picture: the save dialog, a typed path, Return.
draw_square 40
xdotool mousemove $((CANVAS_X + 400)) $((CANVAS_Y + 400)) key ctrl+s
wait_window '^Save As$'; check $? "Ctrl+S shows the save dialog"
shot save-dialog
keys_to "$FOUND" type --delay 20 "$DIR/drawn.jpg"
keys_to "$FOUND" key Return
sleep 0.5
[ -f "$DIR/drawn.jpg" ] && [ "$(head -c 3 "$DIR/drawn.jpg" | od -An -tx1 | tr -d ' ')" = ffd8ff ]; check $? "the typed path holds a JPEG"
[ "$(xdotool getwindowname "$MAIN")" = "  Tavimbre -   $DIR/drawn.jpg" ]; check $? "the caption shows the file"
SAVED=$(md5sum <"$DIR/drawn.jpg")

# The close box with unsaved changes: the question box; Escape cancels.
draw_square 200
$CLOSE "$MAIN"
wait_window '^Tavimbre$'; check $? "the close box asks the change question"
QUESTION=$FOUND
shot question
keys_to "$QUESTION" key Escape
running; check $? "Escape keeps the window open"
xdotool search --onlyvisible --name '^Tavimbre$' >/dev/null; check $((!$?)) "the question box is gone"

# Asked again, Return (Yes, the default) saves in place and closes.
$CLOSE "$MAIN"
wait_window '^Tavimbre$'; check $? "the close box asks again"
keys_to "$FOUND" key Return
gone; check $? "Return saves and the program ends"
[ "$(md5sum <"$DIR/drawn.jpg")" != "$SAVED" ]; check $? "the file now holds the second square"

# A new run: Alt+N (No) closes without writing anything.
start_app
MAIN=$WINDOW
draw_square 60
$CLOSE "$MAIN"
wait_window '^Tavimbre$'; check $? "the close box asks on the new run"
keys_to "$FOUND" key alt+n
gone; check $? "Alt+N ends the program"
[ "$(ls "$DIR")" = drawn.jpg ]; check $? "nothing else was written"

# A 3000 x 2000 picture with a red corner opens whole: the canvas scrolls to
# the corner, and Ctrl+S writes all of it back.
convert -size 3000x2000 xc:'rgb(10,120,200)' -fill red -draw 'rectangle 2900,1900 2999,1999' "BMP3:$DIR/big.bmp"
red() { convert "$OUT/$1.png" -fill black +opaque red -fill white -opaque red -format '%[fx:int(mean*w*h)]' info:; }
start_app
MAIN=$WINDOW
xdotool mousemove $((WIN_X + 20)) $((CANVAS_Y + 100)) click 1 key ctrl+o  # a click on the hint focuses
wait_window '^Open$'; check $? "Ctrl+O shows the open dialog"
keys_to "$FOUND" type --delay 20 "$DIR/big.bmp"
keys_to "$FOUND" key Return
shot big-opened
[ "$(pixel big-opened $((CANVAS_X + 300)) $((CANVAS_Y + 300)))" = 10,120,200 ]; check $? "the picture is shown"
[ "$(red big-opened)" -eq 0 ]; check $? "its far corner lies beyond the window"
xdotool mousemove $((CANVAS_X + 300)) $((CANVAS_Y + 300)) click --repeat 60 --delay 10 5 click --repeat 90 --delay 10 7
sleep 0.5
shot big-scrolled
[ "$(red big-scrolled)" -ge 5000 ]; check $? "scrolling brings the far corner into view"
xdotool key ctrl+s
sleep 1
[ "$(identify -format '%w %h' "$DIR/big.bmp")" = "3000 2000" ]; check $? "Ctrl+S writes the whole picture"
$CLOSE "$MAIN"
gone; check $? "the saved picture closes without a question"

# A killed window's work comes back: the copy its 30-second timer wrote is
# offered at the next start, and Return (Yes) brings the drawing back.
start_app
draw_square 60
sleep 32
kill -9 "$APP_PID"; wait "$APP_PID" 2>/dev/null
"$TAVIMBRE" >"$OUT/app-recovered.log" 2>&1 &
APP_PID=$!
wait_window '^Tavimbre$'; check $? "the next start asks about the copy"
shot recovery-question
keys_to "$FOUND" key Return
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Tavimbre$' >/dev/null 2>&1 || break; sleep 0.1; done
sleep 1
WINDOW=$(xdotool search --onlyvisible --name '^  Tavimbre' | head -1)
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
WIN_X=$X WIN_Y=$Y
find_canvas
shot recovered
[ "$(pixel recovered $((CANVAS_X + 120)) $((CANVAS_Y + 60)))" = "0,0,0" ]; check $? "Yes brings the drawing back"
[ "$(xdotool getwindowname "$WINDOW")" = "  Tavimbre -   Untitled" ]; check $? "under its old name"
finish
