# Sourced by the probes: a scratch folder, a private virtual X display, and
# clean-up of both and of the probed program however the probe ends. The
# probe sets probe_name before sourcing this, and pid once its program runs.
# shellcheck shell=bash

: "${probe_name:?set probe_name before sourcing private-display.sh}"
work=$(mktemp -d)
server_pid=''
pid=''

stop() {
  if [ -n "$1" ]; then
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  fi
}
cleanup() {
  stop "$pid"
  stop "$server_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$probe_name: $*" >&2
  for log in server program; do
    if [ -s "$work/$log.log" ]; then
      echo "--- $log output ---" >&2
      cat "$work/$log.log" >&2
    fi
  done
  exit 1
}

# The server picks a free display number itself and writes it once it accepts
# connections, so probes running side by side never race for the same display.
start_private_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/server.log" &
  server_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    kill -0 "$server_pid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not report a display within 10 s"
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
}
