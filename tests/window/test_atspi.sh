#!/usr/bin/env bash
# The window as assistive technology reads it, over AT-SPI: every control
# named or labelled, the width boxes and the text box by their labels, and
# the picture describing the current figure as a chain is drawn and as
# Arrange Figures picks another.
# Usage: test_atspi.sh path/to/tavimbre output-folder
if [ -z "$TAVIMBRE_ATSPI_SESSION" ]; then
  command -v dbus-run-session >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] &&
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: AT-SPI or pyatspi is missing"; exit 77; }
  TAVIMBRE_ATSPI_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
HERE=$(dirname "$0")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
LAUNCHER=$!
trap 'kill $LAUNCHER 2>/dev/null; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_xvfb
start_app
check() {
  if /usr/bin/python3 "$HERE/atspi_tree.py" "$@"; then :; else FAILURES=$((FAILURES + 1)); fi
}
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

check names
click_tool 4  # Process
drag 200 20 320 70
xdotool type --delay 20 "Read order"; key Return
check picture "Process box: Read order"
key alt+Down
xdotool type --delay 20 "Check stock"; key Return
check picture "Process box: Check stock"
key ctrl+shift+r
xdotool mousemove $((CANVAS_X + 260)) $((CANVAS_Y + 45)) click 1
sleep 0.3
check picture "Process box: Read order"
shot atspi
finish
