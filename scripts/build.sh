#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh FOLDER [cmake options...]
# With CLEARWIND_TARGETS set, builds only those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$1"
shift
if [ ! -f "$folder/build.ninja" ]; then
  cmake -S . -B "$folder" -G Ninja "$@"
fi
read -r -a targets <<< "${CLEARWIND_TARGETS:-all}"
cmake --build "$folder" --parallel "$(nproc)" --target "${targets[@]}"
