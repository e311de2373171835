#!/usr/bin/env bash
# A long fuzzing session: each target for the given number of seconds
# (default one hour), growing a corpus that is kept between sessions.
#
#   scripts/fuzz-long.sh [seconds-per-target] [corpus-folder]
#
# The corpus folder defaults to ~/.cache/tarrowin-fuzz. Inputs that break a
# target land in build-fuzz/artifacts/; worth keeping ones can be copied into
# fuzz/corpus/<target>/ as regression seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
TARROWIN_FUZZ_SECONDS=${1:-3600} TARROWIN_FUZZ_CORPUS=${2:-$HOME/.cache/tarrowin-fuzz} exec scripts/test-fuzz.sh
