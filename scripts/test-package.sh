#!/usr/bin/env bash
# Builds the Debian package from an already built tree, inspects it, validates its desktop entry,
# AppStream metainfo and file type, starts the packaged program to see its window built, reads its
# accessibility tree as a screen reader does, and runs the packaged tarrowin-cli. As root, also
# installs the package into this machine, runs both programs from there, opens a stringer file the way
# a desktop does, and removes the package again, checking that nothing is left behind. Last, lintian
# checks the package as Debian does. Any failed check (a lintian error included) ends the run with a
# non-zero status.
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
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk libc6 libstdc++6; do
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
mime_type=application/x-tarrowin-stringer
mime_icon=${mime_type//\//-}
expected_files=(
  ./usr/bin/tarrowin
  ./usr/bin/tarrowin-cli
  ./usr/share/applications/$app_id.desktop
  ./usr/share/metainfo/$app_id.metainfo.xml
  ./usr/share/mime/packages/$app_id.xml
  ./usr/share/icons/hicolor/16x16/apps/$app_id.png
  ./usr/share/icons/hicolor/32x32/apps/$app_id.png
  ./usr/share/icons/hicolor/48x48/apps/$app_id.png
  ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
  ./usr/share/icons/hicolor/16x16/mimetypes/$mime_icon.png
  ./usr/share/icons/hicolor/32x32/mimetypes/$mime_icon.png
  ./usr/share/icons/hicolor/48x48/mimetypes/$mime_icon.png
  ./usr/share/icons/hicolor/scalable/mimetypes/$mime_icon.svg
  ./usr/share/tarrowin/fonts/tarrowin-report-sans.ttf
  ./usr/share/tarrowin/fonts/report-face-licence.txt
  ./usr/share/doc/tarrowin/copyright
  ./usr/share/doc/tarrowin/changelog.Debian.gz
  ./usr/share/man/man1/tarrowin.1.gz
  ./usr/share/man/man1/tarrowin-cli.1.gz
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
cli=$root/usr/bin/tarrowin-cli
for executable in "$program" "$cli"; do
  name=${executable#"$root"/}
  file_type=$(file -b "$executable")
  grep -q '^ELF .* executable' <<<"$file_type" || grep -q '^ELF .* pie executable' <<<"$file_type" ||
    fail "$name is not an ELF executable: $file_type"
  grep -q ', stripped' <<<"$file_type" || fail "$name is not stripped: $file_type"
  [ -x "$executable" ] || fail "$name is not executable"
  # The programs link only system libraries: any search path is a build tree leaking in or a path that
  # Debian's policy rules out.
  if readelf -d "$executable" | grep -E 'R(UN)?PATH'; then
    fail "$name carries a library search path"
  fi
  readelf -d "$executable" | grep -Eq 'FLAGS.*(BIND_NOW| NOW)' || fail "$name does not bind its symbols at start"
done

for context_name in "apps/$app_id" "mimetypes/$mime_icon"; do
  for size in 16 32 48; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/$context_name.png
    icon_type=$(file -b "$icon")
    grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" <<<"$icon_type" ||
      fail "${size}x${size} icon $context_name is not a ${size} px RGBA PNG: $icon_type"
  done
done
face=$root/usr/share/tarrowin/fonts/tarrowin-report-sans.ttf
face_type=$(file -b "$face")
grep -q '^TrueType Font data' <<<"$face_type" || fail "the report's face is not a TrueType font: $face_type"
# The changelog's latest entry names the version being packaged.
changelog_version=$(zcat "$root/usr/share/doc/tarrowin/changelog.Debian.gz" | sed -n '1s/^tarrowin (\(.*\)) .*/\1/p')
[ "$changelog_version" = "$(field Version)" ] ||
  fail "the changelog's latest entry is version '$changelog_version', the package '$(field Version)'"

for context_name in "apps/$app_id" "mimetypes/$mime_icon"; do
  svg_type=$(file -b "$root/usr/share/icons/hicolor/scalable/$context_name.svg")
  grep -q '^SVG Scalable Vector Graphics image' <<<"$svg_type" || fail "scalable icon $context_name is not SVG: $svg_type"
done

# --- Desktop entry and metainfo -----------------------------------------------------------------
desktop=$root/usr/share/applications/$app_id.desktop
step "desktop-file-validate $(basename "$desktop")"
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || { echo "$desktop_report" >&2; fail "desktop entry is invalid"; }
# Hints count too: one of them is that the entry has no main category and so no place in the menu.
[ -z "$desktop_report" ] || { echo "$desktop_report" >&2; fail "desktop-file-validate has remarks on the entry"; }

entry_value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
# A desktop opens a file by putting its path in place of %f.
[ "$(entry_value Exec)" = 'tarrowin %f' ] || fail "Exec is '$(entry_value Exec)', not the packaged program taking a file"
[ "$(entry_value MimeType)" = "$mime_type;" ] || fail "MimeType is '$(entry_value MimeType)', not $mime_type"
[ "$(entry_value Icon)" = "$app_id" ] || fail "Icon is '$(entry_value Icon)', not the packaged icon name"
[ -n "$(entry_value 'Name\[zh_CN\]')" ] || fail "no Chinese name"

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
step "appstreamcli validate --no-net $(basename "$metainfo")"
appstreamcli validate --no-net --explain "$metainfo" || fail "metainfo is invalid"
# The tree check also matches the metainfo with the desktop entry it launches.
step "appstreamcli validate-tree --no-net (the unpacked package)"
appstreamcli validate-tree --no-net "$root" || fail "the unpacked package does not validate as an AppStream tree"

# --- The file type ------------------------------------------------------------------------------
# Debian ships no schema for shared-mime-info's XML. update-mime-database, which the package's trigger
# runs on every install, reads it instead into a private database: it must have no remarks, and the
# database must map the glob to the type, as a subclass of JSON, with both comments and the generic
# icon.
mime_xml=$root/usr/share/mime/packages/$app_id.xml
step "xmllint --noout $(basename "$mime_xml")"
xmllint --noout "$mime_xml" || fail "the MIME entry is not well-formed XML"
step "update-mime-database (a private database from $(basename "$mime_xml") alone)"
mime_data=$scratch/mime-data
mkdir -p "$mime_data/mime/packages"
cp "$mime_xml" "$mime_data/mime/packages/"
mime_report=$(XDG_DATA_DIRS=$mime_data update-mime-database "$mime_data/mime" 2>&1) ||
  { echo "$mime_report" >&2; fail "update-mime-database refused the MIME entry"; }
[ -z "$mime_report" ] || { echo "$mime_report" >&2; fail "update-mime-database has remarks on the MIME entry"; }
grep -qxF "50:$mime_type:*.tarrowin" "$mime_data/mime/globs2" || fail "the database does not map *.tarrowin to $mime_type"
grep -qxF "$mime_type application/json" "$mime_data/mime/subclasses" || fail "$mime_type is not a subclass of JSON"
grep -qxF "$mime_type:x-office-document" "$mime_data/mime/generic-icons" || fail "$mime_type has no generic icon"
type_entry=$mime_data/mime/$mime_type.xml
grep -qF '<comment>Tarrowin stringer file</comment>' "$type_entry" || fail "$mime_type has no English comment"
grep -qF '<comment xml:lang="zh_CN">钢梯梁验算文件</comment>' "$type_entry" || fail "$mime_type has no Chinese comment"

# --- Sample stringers ---------------------------------------------------------------------------
# A CSV and a stringer file whose texts are not the window's texts at start, so that a window that
# shows them has read the file. "1 500" reads as 1500, "3000mm" as 3000 and "1.0kN" as 1: the results
# are those of the stringer at start, worked out by hand in the command-line tool's tests.
samples=$scratch/samples
mkdir -p "$samples"
stringer_name=二号梯.tarrowin
cat >"$samples/$stringer_name" <<'JSON'
{
    "dead_load": "1.0kN",
    "flight_width": "1500",
    "format": "tarrowin-stringer",
    "grade": "Q235B",
    "horizontal_length": "3000mm",
    "live_load": "3.5",
    "report": {"date": "2026年12月8日", "member": "TL-2", "project": "西区办公楼"},
    "section": "[14a",
    "section_properties": {
        "first_moment_of_area": "47500",
        "mass": "14.5",
        "second_moment_of_area": "5640000",
        "section_modulus": "80500",
        "web_thickness": "6"
    },
    "version": 1,
    "vertical_height": "1 500"
}
JSON
printf '%s\n' 'name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,live_load' \
  'TL-1,[14a,Q235B,3000,1500,1500,1.0,3.5' >"$samples/梯梁.csv"
expected_table=$(printf '%s\r\n' \
  'name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,live_load,bending_stress,shear_stress,deflection,allowable_deflection,bending_verdict,shear_verdict,deflection_verdict,message,bending_ratio,shear_ratio,deflection_ratio,status,detail' \
  'TL-1,[14a,Q235B,3000,1500,1500,1.0,3.5,67.89,9.61,4.47,13.4164078649987,满足,满足,满足,满足要求!,0.316,0.077,0.333,satisfied,' \
  'TL-2,[14a,Q235B,3000mm,1 500,1500,1.0kN,3.5,67.89,9.61,4.47,13.4164078649987,满足,满足,满足,满足要求!,0.316,0.077,0.333,satisfied,"horizontal_length ""3000mm"" read as 3000; dead_load ""1.0kN"" read as 1"' |
  od -An -tx1 | tr -d ' \n')
# What the window must show once it has opened the stringer file: box name, then text.
opened_texts=('水平长度 mm=3000mm' '垂直高度 mm=1 500' '恒荷载标准值 kN/m2=1.0kN')

# A reader of the MIME database (GIO) takes the sample for the type, with the program's icon first.
gio_info() { XDG_DATA_HOME=$scratch/no-home XDG_DATA_DIRS=$1 gio info -a "$2" "$samples/$stringer_name"; }
gio_type=$(gio_info "$mime_data:/usr/share" standard::content-type | sed -n 's/^ *standard::content-type: //p')
[ "$gio_type" = "$mime_type" ] || fail "GIO takes $stringer_name for '$gio_type', not $mime_type"
gio_icons=$(gio_info "$mime_data:/usr/share" standard::icon | sed -n 's/^ *standard::icon: //p')
[ "${gio_icons%%,*}" = "$mime_icon" ] || fail "GIO names the icons '$gio_icons' for $mime_type, not $mime_icon first"
step "GIO reads $stringer_name as $gio_type, icons $gio_icons"

# --- The command-line tool ----------------------------------------------------------------------
# Checks the samples, which must give the table worked out by hand, and writes the stringer file's
# report beside it, without a display: poppler must find its member, its project, its footer's file
# name and its page number in the PDF.
run_cli() {
  local tool=$1 work
  work=$(mktemp -d -p "$scratch")
  cp "$samples"/* "$work/"
  step "$tool --version: $("$tool" --version)"
  local status=0
  (cd "$work" && "$tool" check 梯梁.csv "$stringer_name" >table.csv) || status=$?
  [ "$status" -eq 0 ] || fail "$tool check ended with status $status"
  [ "$(od -An -tx1 <"$work/table.csv" | tr -d ' \n')" = "$expected_table" ] ||
    { cat "$work/table.csv" >&2; fail "$tool check wrote another table (above)"; }
  step "$tool check: both stringers as worked out by hand"

  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tool" report "$stringer_name") ||
    fail "$tool report ended with status $?"
  local report=$work/${stringer_name%.tarrowin}.pdf
  [ "$(head -c 5 "$report" 2>/dev/null)" = '%PDF-' ] || fail "$tool report wrote no PDF beside the stringer file"
  local text
  text=$(pdftotext -enc UTF-8 "$report" -) || fail "pdftotext cannot read the report"
  for wanted in TL-2 西区办公楼 "$stringer_name" '第 1 页' 2026年12月8日; do
    grep -qF -- "$wanted" <<<"$text" || fail "the report does not show '$wanted'"
  done
  step "$tool report: $(basename "$report"), $(stat -c %s "$report") bytes, searchable"
}

step "running the unpacked tarrowin-cli"
run_cli "$cli"

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

  [ "$(command -v tarrowin-cli)" = /usr/bin/tarrowin-cli ] || fail "tarrowin-cli is not found on PATH after install"
  run_cli tarrowin-cli

  # The triggers have rebuilt the MIME database and the desktop entries' cache: the system now takes
  # the sample for the type and names the desktop entry as its application.
  grep -qxF "50:$mime_type:*.tarrowin" /usr/share/mime/globs2 || fail "the installed MIME database lacks *.tarrowin"
  gio_type=$(gio_info /usr/share standard::content-type | sed -n 's/^ *standard::content-type: //p')
  [ "$gio_type" = "$mime_type" ] || fail "the installed system takes $stringer_name for '$gio_type', not $mime_type"
  handler=$(XDG_DATA_HOME=$scratch/no-home XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME=$scratch/no-config gio mime "$mime_type")
  grep -qF "$app_id.desktop" <<<"$handler" || { echo "$handler" >&2; fail "no application is registered for $mime_type"; }
  step "the installed system opens $mime_type with $app_id.desktop"

  # Open the sample as a desktop does: the entry's Exec with the file's path in place of %f. The
  # window must show the file's texts, read over AT-SPI as a screen reader does.
  exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/$app_id.desktop)
  [ "${exec_line#* }" = '%f' ] || fail "the installed desktop entry's Exec '$exec_line' takes no file"
  step "opening $stringer_name with the installed program: ${exec_line%% *} $stringer_name"
  "$source_dir/packaging/probe-accessibility.sh" "$(command -v "${exec_line%% *}")" "$samples/$stringer_name" \
    "${opened_texts[@]}" || fail "the installed program does not show the stringer file's texts"

  step "dpkg --purge tarrowin"
  dpkg --purge tarrowin || fail "dpkg could not remove the package"
  installed_here=false
  if is_installed; then
    fail "dpkg still lists tarrowin as installed after removal"
  fi
  while read -r path; do
    [ ! -e "/${path#./}" ] || fail "/${path#./} is still there after removal"
  done <"$scratch/files.txt"
  ! grep -qF ":$mime_type:" /usr/share/mime/globs2 || fail "the MIME database still knows $mime_type after removal"
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
