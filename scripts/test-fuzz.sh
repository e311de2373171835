#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time. A crash, a
# broken property, a sanitizer report or an input that runs longer than the
# timeout fails the stage.
#
#   TARROWIN_FUZZ_SECONDS   time per target (default 60)
#   TARROWIN_FUZZ_CORPUS    folder that keeps the grown corpus between runs
#                           (default: a fresh one inside the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${TARROWIN_FUZZ_SECONDS:-60}
build=build-fuzz
corpus_root=${TARROWIN_FUZZ_CORPUS:-$build/corpus}

# The "fuzzing" preset (CMakePresets.json) builds into build-fuzz/.
rm -rf "$build"
cmake --preset fuzzing
cmake --build --preset fuzzing --parallel "$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
summary=$build/fuzz-summary.txt
: > "$summary"
mkdir -p "$build/artifacts"

fuzz_one() {
  local target=$1
  local corpus=$corpus_root/$target
  mkdir -p "$corpus"
  local dictionary=()
  [ -f "fuzz/$target.dict" ] && dictionary=(-dict="fuzz/$target.dict")
  # New inputs go into the first folder; the seeds in the repository stay as
  # they are. -timeout turns a hang into a failure.
  "$build/bin/fuzz-$target" "${dictionary[@]}" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "fuzz/corpus/$target" > "$build/fuzz-$target.log" 2>&1
}

# Each target runs on one core, so as many run side by side as there are
# cores: every target still gets its full time, and the stage takes a
# fraction of it.
targets=(number-parse number-format script stringer-csv stringer-file book)
at_once=$(nproc)
failed=()
for ((first = 0; first < ${#targets[@]}; first += at_once)); do
  batch=("${targets[@]:first:at_once}")
  echo "Fuzzing ${batch[*]} for ${seconds}s each, side by side"
  pids=()
  for target in "${batch[@]}"; do
    fuzz_one "$target" &
    pids+=($!)
  done
  for i in "${!batch[@]}"; do
    target=${batch[$i]}
    log=$build/fuzz-$target.log
    if wait "${pids[$i]}"; then
      runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
      echo "fuzz-$target: $runs executions in ${seconds}s, no failure" | tee -a "$summary"
    else
      tail -n 40 "$log"
      echo "fuzz-$target failed; the input that broke it is in $build/artifacts/" >&2
      failed+=("$target")
    fi
  done
done
[ ${#failed[@]} -eq 0 ] || { echo "Fuzzing failed: ${failed[*]}" >&2; exit 1; }
echo "Fuzzing passed."
