#!/usr/bin/env bash
# The real window: one xdotool drag with every flowchart symbol tool, each in
# a cell of its own; each cell must hold its figure's ink and no frame left
# from the rubber band.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/symbols"; mkdir -p "$OUT"
start_xvfb
start_app

# Palette index (row by row, three a row) and name of each symbol button.
SYMBOLS=(
  "2 start" "32 terminate" "14 decision" "6 data" "7 stored-data" "8 predefined-process"
  "11 internal-storage" "9 sequential-data" "17 document" "10 paper-tape" "13 manual-input"
  "16 manual-operation" "15 preparation" "29 loop-limit" "18 off-page-reference"
  "20 parallel-mode" "19 internal-process" "12 direct-data"
)
CELL_W=180 CELL_H=130 FIG_W=130 FIG_H=80 MARGIN=25

cell_origin() {  # sets CX, CY for cell number $1
  CX=$(($1 % 4 * CELL_W + MARGIN)) CY=$(($1 / 4 * CELL_H + MARGIN))
}

n=0
for entry in "${SYMBOLS[@]}"; do
  click_tool "${entry%% *}"
  cell_origin $n
  drag "$CX" "$CY" $((CX + FIG_W)) $((CY + FIG_H)) 6
  n=$((n + 1))
done
shot symbols

# The share of a canvas rectangle that is not white, in per mille.
ink() {
  convert "$OUT/symbols.png" -crop "$3x$4+$((CANVAS_X + $1))+$((CANVAS_Y + $2))" +repage \
    -colorspace gray -threshold 99% -format '%[fx:int(1000*(1-mean))]' info:
}

n=0
for entry in "${SYMBOLS[@]}"; do
  name=${entry#* }
  cell_origin $n
  per_mille=$(ink $((CX - 10)) $((CY - 10)) $((FIG_W + 20)) $((FIG_H + 20)))
  if [ "$per_mille" -ge 15 ]; then echo "ok: $name drawn ($per_mille per mille ink)"; else
    echo "FAIL: $name: only $per_mille per mille ink"; FAILURES=$((FAILURES + 1)); fi
  # The rubber band's frame lies 3 pixels outside the drag; none may remain.
  expect_pixel symbols $((CX - 3)) $((CY - 3)) 255,255,255 "$name: no preview frame corner left"
  n=$((n + 1))
done
finish
