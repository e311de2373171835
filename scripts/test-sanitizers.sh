#!/usr/bin/env bash
# The whole test suite again, built from scratch with AddressSanitizer and
# UndefinedBehaviorSanitizer (gcc), the window's tests and the fuzz corpus
# replay included. Every report is fatal, so any report fails the run.
# Optimised lightly (-O1) and with assertions on; the floating-point rules
# come from the shared options as in every build.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
rm -rf "$build"
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DTARROWIN_SANITIZE=address,undefined,float-cast-overflow \
  -DTARROWIN_TESTS=ON -DTARROWIN_FUZZ=ON -DTARROWIN_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
echo "Sanitized tests passed."
