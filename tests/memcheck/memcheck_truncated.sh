#!/usr/bin/env bash
# Pictures whose pixels are only partly in the file are opened, drawn on and
# saved under valgrind's memcheck: no uninitialised pixel may reach the
# canvas or the saved file. Usage: memcheck_truncated.sh TAVIMBRE SANITIZED
# (SANITIZED is ON for a sanitizer build, where valgrind cannot run).
set -uo pipefail
exe=$1
case "${2:-OFF}" in ON|on|1|TRUE|true) echo "skipped: sanitizer build"; exit 77;; esac
command -v valgrind >/dev/null || { echo "skipped: valgrind is missing"; exit 77; }
command -v python3 >/dev/null || { echo "skipped: python3 is missing"; exit 77; }
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
python3 "$(dirname "$0")/make_truncated.py" "$dir" || exit 1
names=(rle-cut.bmp rle-skip.bmp os2-cut.bmp cut.gif)
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
} > "$dir/script"
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=99 --leak-check=no --track-origins=yes \
  "$exe" --script "$dir/script" > "$dir/out" 2> "$dir/valgrind"
status=$?
failures=0
if [ $status -ne 0 ]; then
  echo "FAIL: memcheck exit status $status"; cat "$dir/valgrind"; failures=1
fi
if grep -q "could not" "$dir/out"; then
  echo "FAIL: a picture was refused or not saved:"; grep "could not" "$dir/out"; failures=1
fi
for n in "${names[@]}"; do
  [ -s "$dir/saved-$n.bmp" ] || { echo "FAIL: saved-$n.bmp was not written"; failures=1; }
done
grep -E "ERROR SUMMARY" "$dir/valgrind"
[ $failures -eq 0 ] && echo "ok: ${#names[@]} truncated pictures opened, drawn on and saved cleanly"
exit $failures
