#!/usr/bin/env bash
# Starts an installed Tarrowin on a private virtual X display and checks from outside the program that
# its main window was built: shown, with its caption, its fixed client size and an icon at 16, 32 and
# 48 px. Given the desktop entry, also checks that the window's class is the entry's StartupWMClass, by
# which X11 desktops tie the window to its menu entry and icon. Stops the program and the display after.
# Usage: probe-window.sh PROGRAM [DESKTOP_ENTRY]
set -euo pipefail

program=$1
desktop_entry=${2:-}
caption='TarrowinV1.0'
expected_size='547x375'
probe_name="window probe"
# shellcheck source=packaging/private-display.sh
. "$(dirname "$(realpath "$0")")/private-display.sh"
start_private_display

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
pid=$!

# The window appears once Qt has connected and built the widgets; allow a slow machine some time.
window_line=''
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
  window_line=$(xwininfo -root -tree | grep -F "\"$caption\"" | head -n 1 || true)
  [ -n "$window_line" ] && break
  sleep 0.2
done
[ -n "$window_line" ] || fail "no window captioned $caption appeared within 20 s"

window_id=$(awk '{print $1}' <<<"$window_line")
info=$(xwininfo -id "$window_id")
map_state=$(awk -F': *' '/Map State/ {print $2}' <<<"$info")
width=$(awk -F': *' '/^ *Width/ {print $2}' <<<"$info")
height=$(awk -F': *' '/^ *Height/ {print $2}' <<<"$info")
echo "window probe: $window_id \"$caption\" ${width}x${height} $map_state"
[ "$map_state" = IsViewable ] || fail "window $window_id is not shown (map state $map_state)"
[ "${width}x${height}" = "$expected_size" ] || fail "client area is ${width}x${height}, expected $expected_size"

# _NET_WM_ICON lists every size the window's icon carries, e.g. "Icon (48 x 48):".
icon_sizes=$(xprop -id "$window_id" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ' || true)
echo "window probe: icon sizes: ${icon_sizes:-none}"
for size in 16 32 48; do
  grep -qF "Icon ($size x $size)" <<<"$icon_sizes" || fail "the window icon has no ${size}x${size} image"
done

if [ -n "$desktop_entry" ]; then
  # WM_CLASS(STRING) = "instance", "Class"
  window_class=$(xprop -id "$window_id" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
  entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
  echo "window probe: window class ${window_class:-none}, desktop entry's StartupWMClass ${entry_class:-none}"
  [ -n "$entry_class" ] && [ "$window_class" = "$entry_class" ] ||
    fail "window class '$window_class' does not match the desktop entry's StartupWMClass '$entry_class'"
fi

kill -0 "$pid" 2>/dev/null || fail "the program ended while being probed"
