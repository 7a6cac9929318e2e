#!/usr/bin/env bash
# Installs what building, running and testing Tavimbre needs on Debian 12.
set -euo pipefail
packages=(cmake g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libxxhash-dev
          fonts-liberation xvfb xdotool imagemagick x11-utils
          clang libclang-rt-14-dev desktop-file-utils appstream valgrind python3 poppler-utils
          dpkg-dev lintian file
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          python3-pyatspi at-spi2-core dbus-daemon)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
