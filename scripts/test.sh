#!/usr/bin/env bash
# Sets everything up, builds from scratch and runs every test. Any failure stops
# the run with a non-zero status.
#
# For a quick loop after a change, `cmake --workflow --preset default` builds
# what changed in build/ and runs the normal suite only.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

rm -rf build
cmake --preset default
cmake --build --preset default
# The window's tests need no display: the preset has Qt draw offscreen.
ctest --preset default

# Further stages, each in a script of its own.
for stage in scripts/test-sanitizers.sh scripts/test-fuzz.sh scripts/test-package.sh; do
  if [ -x "$stage" ]; then "$stage"; fi
done
echo "All tests passed."
