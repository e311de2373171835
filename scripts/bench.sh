#!/usr/bin/env bash
# Measures speed and memory and prints the figures with their goals:
#   - the calculate action on the model against its arithmetic alone;
#   - a click on 计算 through the real window, drawn offscreen;
#   - one calculation report, offscreen, from values to a finished PDF file;
#   - start-up time and peak memory of Tarrowin's window against a bare Qt
#     window, run alternately, offscreen and on a display: $DISPLAY if set,
#     otherwise a private Xvfb server if one is installed.
#
#   - tarrowin-cli check on a generated CSV of 1,000,000 stringers, output to
#     a file and to standard output: wall and CPU time, rows a second, peak
#     memory;
#   - tarrowin-cli report: calculation books of 100 and of 1,000 stringers,
#     as PDF and as ODT: wall and CPU time, peak memory;
#   - where valgrind is installed, the instructions each start-up program
#     runs, counted by callgrind: unlike time, they do not depend on the load.
#
#   scripts/bench.sh [--runs N] [--no-xvfb] [--no-instructions]
#
# Builds what it needs into build/ (or $TARROWIN_BUILD_DIR), configuring it
# first if scripts/test.sh has not; after the test command nothing is rebuilt.
# Nothing here is a test: the figures depend on the machine and its load.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=101
use_xvfb=1
count_instructions=1
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --no-xvfb) use_xvfb=0; shift ;;
    --no-instructions) count_instructions=0; shift ;;
    *) echo "usage: $0 [--runs N] [--no-xvfb] [--no-instructions]" >&2; exit 2 ;;
  esac
done

build="${TARROWIN_BUILD_DIR:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  scripts/setup.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target tarrowin-bench-model tarrowin-bench-click tarrowin-bench-report \
  tarrowin-bench-startup tarrowin-startup-probe tarrowin-startup-bare tarrowin-bench-cli tarrowin-bench-book tarrowin-cli
bin="$build/bin"

log="$(mktemp)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -f "$log"
}
trap cleanup EXIT

echo "== machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "== the calculate action on the model"
"$bin/tarrowin-bench-model" | tee -a "$log"
echo
echo "== tarrowin-cli check on a CSV of 1,000,000 stringers"
"$bin/tarrowin-bench-cli" "$bin/tarrowin-cli" --rows 1000000 --runs 5 | tee -a "$log"
echo
echo "== tarrowin-cli report: calculation books of 100 and 1,000 stringers"
"$bin/tarrowin-bench-book" "$bin/tarrowin-cli" --stringers 100 --runs 3 --goal-seconds 3 | tee -a "$log"
"$bin/tarrowin-bench-book" "$bin/tarrowin-cli" --stringers 1000 --runs 1 --goal-mib 300 | tee -a "$log"
echo
echo "== a click on Command1 through the window, offscreen"
# Qt's two notices about a headless session are noise here; anything else shows.
QT_QPA_PLATFORM=offscreen "$bin/tarrowin-bench-click" \
  2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2) | tee -a "$log"
echo
echo "== one calculation report, offscreen, from values to a finished file"
QT_QPA_PLATFORM=offscreen "$bin/tarrowin-bench-report" 2> >(grep -v XDG_RUNTIME_DIR >&2) | tee -a "$log"
echo
echo "== start-up, offscreen"
"$bin/tarrowin-bench-startup" --runs "$runs" --platform offscreen | tee -a "$log"

if [ "$count_instructions" -eq 1 ] && command -v valgrind >/dev/null; then
  echo
  echo "== start-up instructions, offscreen, from exec to exit (callgrind, one run each)"
  instructions() {
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 \
      | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
  }
  tarrowin_ir="$(instructions "$bin/tarrowin-startup-probe")"
  bare_ir="$(instructions "$bin/tarrowin-startup-bare")"
  if [ -n "$tarrowin_ir" ] && [ -n "$bare_ir" ]; then
    printf '  %-22s %12d\n  %-22s %12d\n' Tarrowin "$tarrowin_ir" "bare window" "$bare_ir"
    awk -v a="$tarrowin_ir" -v b="$bare_ir" \
      'BEGIN { printf "ratios Tarrowin/bare in instructions, offscreen: %.3f\n", a / b }' | tee -a "$log"
  else
    echo "  callgrind gave no count"
  fi
fi

display_label=""
if [ -n "${DISPLAY:-}" ]; then
  display_label="display $DISPLAY"
elif [ "$use_xvfb" -eq 1 ] && command -v Xvfb >/dev/null; then
  # Xvfb picks a free display number and writes it to the descriptor given.
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  if [ -s "$display_file" ]; then
    export DISPLAY=":$(head -n1 "$display_file")"
    display_label="Xvfb $DISPLAY"
  else
    echo "Xvfb did not start; only the offscreen figures are given."
  fi
  rm -f "$display_file"
fi
if [ -n "$display_label" ]; then
  echo
  echo "== start-up, on $display_label"
  "$bin/tarrowin-bench-startup" --runs "$runs" --platform xcb | tee -a "$log"
fi

echo
echo "== summary"
grep -E '^(calculate action|first report|ratios|goal)' "$log"
