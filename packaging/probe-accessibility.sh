#!/usr/bin/env bash
# Starts Tarrowin on a private virtual X display, in a private D-Bus session with its accessibility bus,
# and reads the program's accessibility tree from outside as a screen reader does (AT-SPI): the section
# picker must show its list of 19 entries, its collapsed and expanded states and the actions that open
# and close the list, and the focus must land on the current entry when the list opens
# (probe-accessibility.py). Given a stringer file, starts the program on that file instead, and each
# box named NAME must show TEXT in the window captioned "TarrowinV1.0". Stops the program, the display
# and the session after.
# Usage: probe-accessibility.sh PROGRAM [FILE NAME=TEXT...]
set -euo pipefail

[ $# -eq 1 ] || [ $# -ge 3 ] || { echo "usage: $0 PROGRAM [FILE NAME=TEXT...]" >&2; exit 2; }
program=$(realpath "$1")
shift
opened=()
texts=()
if [ $# -gt 0 ]; then
  opened=("$(realpath "$1")")
  shift
  texts=("$@")
fi
here=$(dirname "$(realpath "$0")")
# The system's Python carries pyatspi; one of one's own ahead on the PATH rarely does.
python=/usr/bin/python3

# A session bus of its own, so that the probe neither needs nor disturbs a desktop's; the accessibility
# bus starts on it when first asked for.
if [ -z "${TARROWIN_PROBE_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "accessibility probe: dbus-run-session is missing" >&2; exit 1; }
  # The buses and the registry report each start; only other messages are shown.
  set +e
  TARROWIN_PROBE_SESSION=1 dbus-run-session -- "$0" "$program" ${opened[@]+"${opened[@]}"} ${texts[@]+"${texts[@]}"} 2>&1 |
    grep -v -e 'Failed to set fd limit' -e 'Activating service name=' -e 'Successfully activated service' \
      -e '^SpiRegistry daemon is running'
  statuses=("${PIPESTATUS[@]}")
  exit "${statuses[0]}"
fi

probe_name="accessibility probe"
# shellcheck source=packaging/private-display.sh
. "$here/private-display.sh"

"$python" -c 'import pyatspi' 2>/dev/null || fail "$python has no pyatspi: install python3-pyatspi"
start_private_display

# Qt answers on the accessibility bus once a screen reader is running; none runs here, so it is told to.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" ${opened[@]+"${opened[@]}"} >"$work/program.log" 2>&1 &
pid=$!

"$python" "$here/probe-accessibility.py" "$pid" ${texts[@]+"${texts[@]}"} || fail "the accessibility tree is not as expected"
kill -0 "$pid" 2>/dev/null || fail "the program ended while being probed"
