#!/usr/bin/env bash
# Builds the Debian package from an already built tree, inspects it, validates its desktop entry and
# AppStream metainfo, starts the packaged program to see its window built and reads its accessibility
# tree as a screen reader does. As root, also installs the package into this machine, runs it from
# there and removes it again, checking that nothing is left behind. Last, lintian checks the package
# as Debian does. Any failed check (a lintian error included) ends the run with a non-zero status.
# Usage: scripts/test-package.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=$(realpath "${1:-build}")

fail() {
  echo "package test: FAILED: $*" >&2
  exit 1
}
step() { echo "package test: $*"; }

[ -f "$build_dir/CPackConfig.cmake" ] ||
  fail "$build_dir has no CPackConfig.cmake: configure and build with the window first"

# "install ok installed", "hold ok installed"; not "... not-installed" or "... config-files".
is_installed() { dpkg-query -W -f='${Status}' tarrowin 2>/dev/null | grep -q ' installed$'; }

scratch=$(mktemp -d)
installed_here=false
cleanup() {
  if $installed_here; then dpkg --purge tarrowin >/dev/null 2>&1 || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- Build --------------------------------------------------------------------------------------
step "building the package"
cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
packages=("$scratch"/out/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "expected one .deb, found: ${packages[*]}"
deb=${packages[0]}
step "built $(basename "$deb")"

# --- Control fields -----------------------------------------------------------------------------
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tarrowin ] || fail "package name is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer field"
[ -n "$(field Description)" ] || fail "no Description field"

# Package names in Depends, with version constraints dropped; alternatives count as named.
depends=$(field Depends)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | sed -e 's/(.*)//' -e 's/[[:space:]]//g' | sed '/^$/d' | sort -u)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-noto-cjk libc6 libstdc++6; do
  grep -qx -- "$needed" <<<"$depends_names" || fail "Depends lacks $needed: $depends"
done
# The dependencies, versions included, must be met by this machine, on which the program is run below.
dpkg-checkbuilddeps -d "$depends" /dev/null || fail "this machine does not meet the package's Depends"
# Each alternative must at least be a package Debian knows of (when apt has package lists to ask).
if apt-cache show --no-all-versions libc6 >/dev/null 2>&1; then
  while read -r name; do
    apt-cache show --no-all-versions "$name" >/dev/null 2>&1 || fail "Depends names $name, which is no known package"
  done <<<"$depends_names"
else
  step "apt has no package lists: skipped looking up the alternatives in Depends"
fi

# --- Contents -----------------------------------------------------------------------------------
app_id=io.tarrowin.Tarrowin
expected_files=(
  ./usr/bin/tarrowin
  ./usr/share/applications/$app_id.desktop
  ./usr/share/metainfo/$app_id.metainfo.xml
  ./usr/share/icons/hicolor/16x16/apps/$app_id.png
  ./usr/share/icons/hicolor/32x32/apps/$app_id.png
  ./usr/share/icons/hicolor/48x48/apps/$app_id.png
  ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
  ./usr/share/doc/tarrowin/copyright
  ./usr/share/doc/tarrowin/changelog.Debian.gz
  ./usr/share/man/man1/tarrowin.1.gz
)
dpkg-deb --contents "$deb" | tee "$scratch/contents.txt"
awk '{print $NF}' "$scratch/contents.txt" | grep -v '/$' | sort >"$scratch/files.txt"
printf '%s\n' "${expected_files[@]}" | sort >"$scratch/expected.txt"
if ! diff -u "$scratch/expected.txt" "$scratch/files.txt"; then
  fail "the package holds other files than expected (diff above: - expected, + packaged)"
fi
grep -q ' root/root ' "$scratch/contents.txt" && ! grep -qv ' root/root ' "$scratch/contents.txt" ||
  fail "not every packaged file is owned by root"

root=$scratch/root
dpkg-deb --extract "$deb" "$root"

program=$root/usr/bin/tarrowin
file_type=$(file -b "$program")
grep -q '^ELF .* executable' <<<"$file_type" || grep -q '^ELF .* pie executable' <<<"$file_type" ||
  fail "usr/bin/tarrowin is not an ELF executable: $file_type"
grep -q ', stripped' <<<"$file_type" || fail "usr/bin/tarrowin is not stripped: $file_type"
[ -x "$program" ] || fail "usr/bin/tarrowin is not executable"
# The program links only system libraries: any search path is a build tree leaking in or a path that
# Debian's policy rules out.
if readelf -d "$program" | grep -E 'R(UN)?PATH'; then
  fail "usr/bin/tarrowin carries a library search path"
fi

for size in 16 32 48; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  icon_type=$(file -b "$icon")
  grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" <<<"$icon_type" ||
    fail "${size}x${size} icon is not a ${size} px RGBA PNG: $icon_type"
done
# The changelog's latest entry names the version being packaged.
changelog_version=$(zcat "$root/usr/share/doc/tarrowin/changelog.Debian.gz" | sed -n '1s/^tarrowin (\(.*\)) .*/\1/p')
[ "$changelog_version" = "$(field Version)" ] ||
  fail "the changelog's latest entry is version '$changelog_version', the package '$(field Version)'"

svg_type=$(file -b "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg")
grep -q '^SVG Scalable Vector Graphics image' <<<"$svg_type" || fail "scalable icon is not SVG: $svg_type"

# --- Desktop entry and metainfo -----------------------------------------------------------------
desktop=$root/usr/share/applications/$app_id.desktop
step "desktop-file-validate $(basename "$desktop")"
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || { echo "$desktop_report" >&2; fail "desktop entry is invalid"; }
# Hints count too: one of them is that the entry has no main category and so no place in the menu.
[ -z "$desktop_report" ] || { echo "$desktop_report" >&2; fail "desktop-file-validate has remarks on the entry"; }

entry_value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
[ "$(entry_value Exec)" = tarrowin ] || fail "Exec is '$(entry_value Exec)', not the packaged program"
[ "$(entry_value Icon)" = "$app_id" ] || fail "Icon is '$(entry_value Icon)', not the packaged icon name"
[ -n "$(entry_value 'Name\[zh_CN\]')" ] || fail "no Chinese name"

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
step "appstreamcli validate --no-net $(basename "$metainfo")"
appstreamcli validate --no-net --explain "$metainfo" || fail "metainfo is invalid"
# The tree check also matches the metainfo with the desktop entry it launches.
step "appstreamcli validate-tree --no-net (the unpacked package)"
appstreamcli validate-tree --no-net "$root" || fail "the unpacked package does not validate as an AppStream tree"

# --- The packaged program runs ------------------------------------------------------------------
# The program has no command line: left alone it keeps its window open until closed, so a run that is
# still going when the time is up (status 124) means it started and built its window without failing.
run_offscreen() {
  local status=0
  QT_QPA_PLATFORM=offscreen timeout 4 "$1" >"$scratch/run.log" 2>&1 || status=$?
  cat "$scratch/run.log"
  [ "$status" -eq 124 ] || fail "$1 ended with status $status within 4 s instead of staying open"
  step "$1 stayed open offscreen for 4 s"
}

step "starting the unpacked program offscreen"
run_offscreen "$program"

step "starting the unpacked program on a virtual X display"
"$source_dir/packaging/probe-window.sh" "$program" "$desktop" || fail "the window probe failed"

step "reading the unpacked program's accessibility tree as a screen reader does (AT-SPI)"
"$source_dir/packaging/probe-accessibility.sh" "$program" || fail "the accessibility probe failed"

# --- Install into the machine and remove again --------------------------------------------------
if [ "$(id -u)" -ne 0 ]; then
  step "not root: skipped installing into this machine"
elif is_installed; then
  step "tarrowin is already installed here: skipped installing into this machine to leave it as it is"
else
  step "dpkg --install $(basename "$deb")"
  installed_here=true
  dpkg --install "$deb" || fail "dpkg could not install the package"
  [ "$(command -v tarrowin)" = /usr/bin/tarrowin ] || fail "tarrowin is not found on PATH after install"
  run_offscreen tarrowin
  "$source_dir/packaging/probe-window.sh" /usr/bin/tarrowin /usr/share/applications/$app_id.desktop || fail "the window probe of the installed program failed"

  step "dpkg --purge tarrowin"
  dpkg --purge tarrowin || fail "dpkg could not remove the package"
  installed_here=false
  if is_installed; then
    fail "dpkg still lists tarrowin as installed after removal"
  fi
  while read -r path; do
    [ ! -e "/${path#./}" ] || fail "/${path#./} is still there after removal"
  done <"$scratch/files.txt"
  step "installed, ran and removed cleanly"
fi

# --- Debian's own checks ------------------------------------------------------------------------
# An error fails the test; warnings and the rest are printed for the reader. Lintian frowns on running
# as root, which the install steps above need; that notice is left out.
step "lintian $(basename "$deb")"
command -v lintian >/dev/null || fail "lintian is missing: run scripts/setup.sh"
lintian_status=0
lintian --tag-display-limit 0 --display-info --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v 'running with root privileges is not recommended' "$scratch/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors (E: above)"

step "all package checks passed"
