#!/usr/bin/env bash
# Sets everything up, builds, and runs the worked example through the driver.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tarrowin-driver
printf 'load\nclick Command1\ndump\n' | build/bin/tarrowin-driver --trace
