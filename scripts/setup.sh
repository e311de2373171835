#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Tarrowin.
# Quick when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build git pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libxkbcommon-dev
  fonts-noto-cjk fonts-dejavu-core fontconfig python3 python3-fonttools xvfb xauth x11-utils
  poppler-utils unzip odt2txt zlib1g-dev
  clang libclang-rt-14-dev llvm
  dpkg-dev fakeroot file desktop-file-utils appstream lintian scdoc
  shared-mime-info libxml2-utils libglib2.0-bin
  dbus-bin dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
