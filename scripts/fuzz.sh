#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each of them.
#   scripts/fuzz.sh                      a fixed number of runs from a fixed seed (what the tests run)
#   scripts/fuzz.sh SECONDS              a free search for that long per target
#   scripts/fuzz.sh --runs N [TARGET...] N executions per target: the long run is --runs 10000000
# The short and the timed runs use a build with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-fuzz/). The long run searches on a build
# with UndefinedBehaviorSanitizer only (build-fuzz-long/), several times as
# fast, and then replays every input its search kept on the AddressSanitizer
# build. Each target's output is in its build folder as TARGET.log; its last
# lines say how many inputs it ran.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(fuzz_profile fuzz_settings fuzz_tips fuzz_lines fuzz_rtf fuzz_cravings fuzz_plans fuzz_preferences)
long=0
if [ "${1:-}" = "--runs" ]; then
  long=1
  budget=(-runs="$2")
  shift 2
  [ $# -gt 0 ] && targets=("$@")
elif [ $# -gt 0 ]; then
  budget=(-max_total_time="$1")
else
  budget=(-runs=20000 -seed=1)
fi

configure() { # FOLDER CMAKE-ARGUMENTS...
  local folder="$1"
  shift
  CC=clang CXX=clang++ cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLEARWIND_FUZZ=ON "$@" > /dev/null
  cmake --build "$folder" --parallel "$(nproc)" --target "${targets[@]}"
}
configure build-fuzz -DCLEARWIND_SANITIZE=ON
search=build-fuzz
if [ "$long" = 1 ]; then
  configure build-fuzz-long "-DCMAKE_CXX_FLAGS=-fsanitize=undefined -fno-sanitize-recover=all"
  search=build-fuzz-long
fi
# The readers take files: a folder in memory keeps the disk out of every run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() { # FOLDER TARGET LOG ARGUMENTS...: fails with the end of the log
  local folder="$1" target="$2" log="$3"
  shift 3
  # What it finds (a crash, a slow input) lands in the build folder, not the tree.
  "$folder/fuzz/$target" -artifact_prefix="$folder/" "$@" > "$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
}

for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  cp -n fuzz/seeds/* "$corpus"/
  # A target with a dictionary of its format's words gets it.
  dictionary=(); [ -f "fuzz/${target#fuzz_}.dict" ] && dictionary=(-dict="fuzz/${target#fuzz_}.dict")
  echo "Fuzzing $target"
  log="$search/$target.log"
  run "$search" "$target" "$log" "${budget[@]}" "${dictionary[@]}" -max_len=65536 -print_final_stats=1 "$corpus"
  grep -E '^(Done|stat::number_of_executed_units)' "$log" | tr '\n' ' '
  echo
  if [ "$long" = 1 ]; then
    run build-fuzz "$target" "build-fuzz/$target.replay.log" -runs=0 "$corpus"
    echo "  every one of the $(find "$corpus" -type f | wc -l) inputs it kept replayed with AddressSanitizer"
  fi
done
