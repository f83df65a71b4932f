#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each of them.
#   scripts/fuzz.sh                      a fixed number of runs from a fixed seed (what the tests run)
#   scripts/fuzz.sh SECONDS              a free search for that long per target
#   scripts/fuzz.sh --runs N [TARGET...] N executions per target: the long run is --runs 10000000
# Each target's output is in build-fuzz/TARGET.log; its last lines say how many
# inputs it ran.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(fuzz_profile fuzz_settings fuzz_tips fuzz_lines fuzz_rtf)
if [ "${1:-}" = "--runs" ]; then
  budget=(-runs="$2")
  shift 2
  [ $# -gt 0 ] && targets=("$@")
elif [ $# -gt 0 ]; then
  budget=(-max_total_time="$1")
else
  budget=(-runs=20000 -seed=1)
fi
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCLEARWIND_FUZZ=ON -DCLEARWIND_SANITIZE=ON > /dev/null
fi
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"
# The readers take files: a folder in memory keeps the disk out of every run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  cp -n fuzz/seeds/* "$corpus"/
  # A target with a dictionary of its format's words gets it.
  dictionary=(); [ -f "fuzz/${target#fuzz_}.dict" ] && dictionary=(-dict="fuzz/${target#fuzz_}.dict")
  echo "Fuzzing $target"
  ASAN_OPTIONS=detect_leaks=0 "build-fuzz/fuzz/$target" "${budget[@]}" "${dictionary[@]}" -max_len=65536 \
    -print_final_stats=1 "$corpus" > "build-fuzz/$target.log" 2>&1 \
    || { tail -n 40 "build-fuzz/$target.log"; exit 1; }
  grep -E '^(Done|stat::number_of_executed_units)' "build-fuzz/$target.log" | tr '\n' ' '
  echo
done
