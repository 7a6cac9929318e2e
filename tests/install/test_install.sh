#!/usr/bin/env bash
# Installs into a temporary prefix and validates the desktop entry and the
# AppStream metainfo that were installed.
set -euo pipefail
BUILD=${1:?build folder}
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
for f in bin/tavimbre share/applications/tavimbre.desktop share/icons/hicolor/scalable/apps/tavimbre.svg \
         share/metainfo/org.tavimbre.Tavimbre.metainfo.xml; do
  [ -e "$PREFIX/$f" ] || { echo "FAIL: $f not installed"; exit 1; }
done
desktop-file-validate "$PREFIX/share/applications/tavimbre.desktop"
grep -qx 'Exec=tavimbre %F' "$PREFIX/share/applications/tavimbre.desktop"
appstreamcli validate --no-net "$PREFIX/share/metainfo/org.tavimbre.Tavimbre.metainfo.xml"
echo "installed files validate"
