#!/usr/bin/env bash
# The whole test suite again, built from scratch with AddressSanitizer and
# UndefinedBehaviorSanitizer (gcc), the window's tests and the fuzz corpus
# replay included. Every report is fatal, so any report fails the run.
# Optimised lightly (-O1) and with assertions on; the floating-point rules
# come from the shared options as in every build.
set -euo pipefail
cd "$(dirname "$0")/.."

# The build and the sanitizers' options are the "sanitizers" preset's
# (CMakePresets.json), in build-asan/.
rm -rf build-asan
cmake --preset sanitizers
cmake --build --preset sanitizers --parallel "$(nproc)"
ctest --preset sanitizers --parallel "$(nproc)"
echo "Sanitized tests passed."
