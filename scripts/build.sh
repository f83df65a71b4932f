#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh FOLDER [cmake options...]
# With CLEARWIND_TARGETS set, builds only those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$1"
shift
# Configure every time: options given to an existing folder take effect, and
# an unchanged configuration costs a moment.
cmake -S . -B "$folder" -G Ninja "$@" > /dev/null
read -r -a targets <<< "${CLEARWIND_TARGETS:-all}"
cmake --build "$folder" --parallel "$(nproc)" --target "${targets[@]}"
