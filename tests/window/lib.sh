# Shared steps of the real-window tests: a private Xvfb, the program in it,
# the canvas's place on the screen, palette clicks, drags and pixel checks.
# Source it; it expects the tavimbre binary as $1 and an output folder as $2.

TAVIMBRE=${1:?tavimbre binary}
OUT=${2:?output folder}
mkdir -p "$OUT"
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

# Recovery copies of this script's runs stay in a folder of its own.
XDG_DATA_HOME=$(mktemp -d); export XDG_DATA_HOME
# The window shows its English texts, which the checks look for.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE LC_MESSAGES
XVFB_PID= APP_PID=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$XDG_DATA_HOME"
}
trap cleanup EXIT

start_xvfb() {
  local n
  for n in $(seq 120 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # -noreset: when a test kills the last client, a server reset must not
    # refuse the program started next.
    Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$XVFB_PID"
  done
  echo "no free display"; exit 1
}

# Starts the program with the given arguments and waits for its window.
start_app() {
  "$TAVIMBRE" "$@" >"$OUT/app.log" 2>&1 &
  APP_PID=$!
  WINDOW=$(xdotool search --sync --onlyvisible --name '^  Tavimbre' | head -1)
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X WIN_Y=$Y
  find_canvas
}

shot() { import -window root "$OUT/$1.png"; }

# RGB of one screen pixel of a screenshot, as "r,g,b".
pixel() {
  convert "$OUT/$1.png" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# The picture's frame begins at window x 272, under the menu and tool bars; the
# picture lies in it at a margin of FRAME_MARGIN pixels, on grey, inside a
# dark edge: its first white row 300 pixels in, and the column after the
# edge's first. TOP_Y is the top of the controls.
FRAME_MARGIN=8
find_canvas() {
  shot probe
  local y x
  for y in $(seq "$WIN_Y" $((WIN_Y + 200))); do
    if [ "$(pixel probe $((WIN_X + 572)) "$y")" = "255,255,255" ]; then CANVAS_Y=$y; break; fi
  done
  [ -n "$CANVAS_Y" ] || { echo "canvas not found"; exit 1; }
  x=$(convert "$OUT/probe.png" -crop "100x1+$((WIN_X + 272))+$((CANVAS_Y - 1))" +repage txt:- |
    awk 'NR == 2 { grey = $3 } NR > 2 && $3 != grey { split($1, at, ","); print at[1]; exit }')
  CANVAS_X=$((WIN_X + 272 + x + 1))
  TOP_Y=$((CANVAS_Y - FRAME_MARGIN))
}

# Clicks palette button number INDEX (0-based, row by row, three a row).
click_tool() {
  local col=$(($1 % 3)) row=$(($1 / 3))
  xdotool mousemove $((WIN_X + col * 88 + 44)) $((TOP_Y + 160 + row * 48 + 40)) click 1
  sleep 0.2
}

# Drags on the canvas from (X0,Y0) to (X1,Y1), canvas pixels, in STEPS moves.
drag() {
  local x0=$1 y0=$2 x1=$3 y1=$4 steps=${5:-5} i
  xdotool mousemove $((CANVAS_X + x0)) $((CANVAS_Y + y0)) mousedown 1
  for i in $(seq 1 "$steps"); do
    xdotool mousemove $((CANVAS_X + x0 + (x1 - x0) * i / steps)) $((CANVAS_Y + y0 + (y1 - y0) * i / steps))
    sleep 0.02
  done
  xdotool mouseup 1
  sleep 0.2
}

FAILURES=0
# expect_pixel SHOT X Y RGB NAME: X, Y in canvas pixels.
expect_pixel() {
  local got
  got=$(pixel "$1" $((CANVAS_X + $2)) $((CANVAS_Y + $3)))
  if [ "$got" = "$4" ]; then echo "ok: $5"; else echo "FAIL: $5: ($2,$3) is $got, not $4"; FAILURES=$((FAILURES + 1)); fi
}

finish() {
  echo "$FAILURES failure(s); screenshots in $OUT"
  [ "$FAILURES" -eq 0 ]
}
