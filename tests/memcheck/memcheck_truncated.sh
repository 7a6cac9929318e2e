#!/usr/bin/env bash
# Pictures whose pixels are only partly in the file are opened, or pasted from
# the clipboard, drawn on and saved under valgrind's memcheck: no uninitialised
# pixel may reach the canvas or the saved file. A bitmap cut short (its headers
# tell its length, Windows' or OS/2's) is refused, opened or pasted. Usage: memcheck_truncated.sh TAVIMBRE SANITIZED
# (SANITIZED is ON for a sanitizer build, where valgrind cannot run).
set -uo pipefail
exe=$1
case "${2:-OFF}" in ON|on|1|TRUE|true) echo "skipped: sanitizer build"; exit 77;; esac
command -v valgrind >/dev/null || { echo "skipped: valgrind is missing"; exit 77; }
command -v python3 >/dev/null || { echo "skipped: python3 is missing"; exit 77; }
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
python3 "$(dirname "$0")/make_truncated.py" "$dir" || exit 1
names=(rle-cut.bmp rle-skip.bmp cut.gif)
# A JPEG whose scan data stops after its first rows, when ImageMagick can make one.
if command -v convert >/dev/null && convert -size 64x48 plasma:fractal -quality 95 "$dir/full.jpg" 2>/dev/null; then
  head -c $(( $(stat -c %s "$dir/full.jpg") / 3 )) "$dir/full.jpg" > "$dir/cut.jpg"
  names+=(cut.jpg)
fi
{
  for n in "${names[@]}"; do
    echo "file $dir/$n"; echo "menu open1"
    echo "click cmdSquare"; echo "down 1 0 300 300"; echo "move 1 0 1500 1200"; echo "up 1 0 1500 1200"
    echo "file $dir/saved-$n.bmp"; echo "menu saveas1"
  done
  for n in "${names[@]}" cut24.bmp os2-cut.bmp; do
    echo "menu new1"; echo "clip load $dir/$n"; echo "menu paste1"; echo "key Esc"
    echo "file $dir/pasted-$n.bmp"; echo "menu saveas1"
  done
} > "$dir/script"
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=99 --leak-check=no --track-origins=yes \
  "$exe" --script "$dir/script" > "$dir/out" 2> "$dir/valgrind"
status=$?
failures=0
if [ $status -ne 0 ]; then
  echo "FAIL: memcheck exit status $status"; cat "$dir/valgrind"; failures=1
fi
if grep -v "could not be pasted: The bitmap is truncated" "$dir/out" | grep -q "could not"; then
  echo "FAIL: a picture was refused or not saved:"; grep "could not" "$dir/out"; failures=1
fi
if [ "$(grep -c "could not be pasted" "$dir/out")" -ne 2 ]; then
  echo "FAIL: the cut bitmaps' pastes were not refused once each:"; grep "pasted" "$dir/out"; failures=1
fi
for n in "${names[@]}"; do
  [ -s "$dir/saved-$n.bmp" ] || { echo "FAIL: saved-$n.bmp was not written"; failures=1; }
  [ -s "$dir/pasted-$n.bmp" ] || { echo "FAIL: pasted-$n.bmp was not written"; failures=1; }
done
grep -E "ERROR SUMMARY" "$dir/valgrind"
[ $failures -eq 0 ] && echo "ok: ${#names[@]} truncated pictures opened or pasted, drawn on and saved cleanly"
exit $failures
