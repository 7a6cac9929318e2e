#!/usr/bin/env bash
# Builds the Debian package from the build folder's program, checks its
# control fields and file list, unpacks it into a temporary root, runs the
# unpacked program and has lintian check the package (no error allowed).
# Usage: test_package.sh BUILD VERSION
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
VERSION=${2:?version}
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps lintian file; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/deps.sh installs it)"; exit 77; }
done
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$BUILD" && cpack -G DEB -B "$OUT" >"$OUT/cpack.log" 2>&1) || { cat "$OUT/cpack.log"; fail "cpack -G DEB"; }
DEB="$OUT/tavimbre_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || { ls "$OUT"; fail "no $(basename "$DEB")"; }

field() { dpkg-deb -f "$DEB" "$1"; }
summary=$(sed -n 's:.*<summary>\(.*\)</summary>.*:\1:p' "$SOURCE/resources/org.tavimbre.Tavimbre.metainfo.xml")
# name, expected value (a bash pattern)
while IFS='|' read -r name pattern; do
  value=$(field "$name")
  # shellcheck disable=SC2053
  [[ $value == $pattern ]] || fail "$name is \"$value\", expected $pattern"
done <<FIELDS
Package|tavimbre
Version|$VERSION
Architecture|$(dpkg --print-architecture)
Section|graphics
Priority|optional
Maintainer|?* <?*@?*.?*>
Depends|*libqt6widgets6*
Depends|*libqt6printsupport6*
Depends|*libc6 (>=*
Depends|*qt6-translations-l10n*
Installed-Size|[1-9]*
FIELDS
description=$(field Description)
[ "$(head -1 <<<"$description")" = "$summary" ] || fail "the description's first line is not the metainfo's summary"
grep -q "^ Tavimbre is a small drawing program" <<<"$description" || fail "the description lacks the metainfo's text"
! awk 'length > 80' <<<"$description" | grep -q . || fail "the description has lines over 80 characters"

# Every file, with its mode and owner; nothing else (no headers, no tests).
dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ {print $1, $2, $6}' | sort >"$OUT/files"
sort >"$OUT/expected" <<FILES
-rwxr-xr-x root/root ./usr/bin/tavimbre
-rw-r--r-- root/root ./usr/lib/tavimbre/modules/tavimbre-print.so
-rw-r--r-- root/root ./usr/share/applications/tavimbre.desktop
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/tavimbre.svg
-rw-r--r-- root/root ./usr/share/metainfo/org.tavimbre.Tavimbre.metainfo.xml
-rw-r--r-- root/root ./usr/share/doc/tavimbre/README.md
-rw-r--r-- root/root ./usr/share/doc/tavimbre/copyright
-rw-r--r-- root/root ./usr/share/doc/tavimbre/changelog.gz
-rw-r--r-- root/root ./usr/share/man/man1/tavimbre.1.gz
FILES
diff -u "$OUT/expected" "$OUT/files" || fail "the package's files differ from the list above"
dpkg-deb -c "$DEB" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {bad = 1; print} END {exit bad}' ||
  fail "a directory's mode is not 755"

ROOT="$OUT/root"
dpkg -x "$DEB" "$ROOT"
file -b "$ROOT/usr/bin/tavimbre" | grep -q ', stripped' || fail "the program is not stripped"
file -b "$ROOT/usr/lib/tavimbre/modules/tavimbre-print.so" | grep -q ', stripped' || fail "the print module is not stripped"
DOC="$ROOT/usr/share/doc/tavimbre"
head -1 "$DOC/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in Debian's format"
grep -q '^License: Expat$' "$DOC/copyright" && grep -q '^ THE SOFTWARE IS PROVIDED "AS IS"' "$DOC/copyright" ||
  fail "the copyright file lacks the licence"
gzip -t "$DOC/changelog.gz" || fail "changelog.gz is not gzip"
# gzip -n: no file name (flag 8 of byte 3) and no time stamp (bytes 4 to 7).
[ "$(od -An -tu1 -j3 -N5 "$DOC/changelog.gz" | tr -s ' ')" = " 0 0 0 0 0" ] ||
  fail "changelog.gz keeps a name or a time stamp"
zcat "$DOC/changelog.gz" | head -1 | grep -q "^tavimbre ($VERSION) " || fail "the changelog's last entry is not version $VERSION"
cmp -s "$SOURCE/README.md" "$DOC/README.md" || fail "README.md differs from the source's"

printed=$(QT_QPA_PLATFORM=offscreen "$ROOT/usr/bin/tavimbre" --version) || fail "the unpacked program's --version failed"
grep -q "$VERSION" <<<"$printed" || fail "the unpacked program's --version printed \"$printed\""

status=0
lintian --fail-on error "$DEB" >"$OUT/lintian" 2>&1 || status=$?
cat "$OUT/lintian"
[ "$status" = 0 ] && ! grep -q '^E:' "$OUT/lintian" || fail "lintian reports an error or could not check the package"
echo "package $(basename "$DEB") checks out"
