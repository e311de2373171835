#!/usr/bin/env bash
# Sets everything up, builds from scratch and runs every test. Any failure stops
# the run with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

rm -rf build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
# The window's tests need no display: Qt draws offscreen.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure

# Further stages, each in a script of its own.
for stage in scripts/test-sanitizers.sh scripts/test-fuzz.sh scripts/test-package.sh; do
  if [ -x "$stage" ]; then "$stage"; fi
done
echo "All tests passed."
