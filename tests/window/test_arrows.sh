#!/usr/bin/env bash
# The real window: one xdotool drag, right and down, with every arrow tool,
# each in a cell of its own; each cell must hold its arrow's shaft and no
# frame left from the rubber band.
source "$(dirname "$0")/lib.sh"
OUT="$OUT/arrows"; mkdir -p "$OUT"
start_xvfb
start_app

# Palette index, name, and a pixel on the shaft relative to the drag's start
# (the drag spans 128 x 80 pixels: quarters at 32 and 96 across, 20 and 60 down).
ARROWS=(
  "25 right-block 64 20" "24 left-block 80 20" "21 up-block 32 50" "22 down-block 32 30"
  "27 left-single 64 40" "28 right-single 64 0" "30 up-single 64 40" "31 down-single 64 40"
  "23 double-block 64 20" "26 double-side 64 40"
)
CELL_W=180 CELL_H=130 FIG_W=128 FIG_H=80 MARGIN=25

cell_origin() {  # sets CX, CY for cell number $1
  CX=$(($1 % 4 * CELL_W + MARGIN)) CY=$(($1 / 4 * CELL_H + MARGIN))
}

n=0
for entry in "${ARROWS[@]}"; do
  read -r index _ <<<"$entry"
  click_tool "$index"
  cell_origin $n
  drag "$CX" "$CY" $((CX + FIG_W)) $((CY + FIG_H)) 6
  n=$((n + 1))
done
shot arrows

n=0
for entry in "${ARROWS[@]}"; do
  read -r _ name sx sy <<<"$entry"
  cell_origin $n
  expect_pixel arrows $((CX + sx)) $((CY + sy)) 0,0,0 "$name: shaft drawn in black"
  # The 50-twip frame lies 3 pixels outside the drag, the others on its edge;
  # near the top right corner no arrow has a line.
  expect_pixel arrows $((CX - 3)) $((CY - 3)) 255,255,255 "$name: no frame corner left"
  expect_pixel arrows $((CX + FIG_W + 3)) $((CY + 5)) 255,255,255 "$name: no margin frame left"
  expect_pixel arrows $((CX + FIG_W)) $((CY + 5)) 255,255,255 "$name: no drag-rectangle frame left"
  n=$((n + 1))
done
finish
