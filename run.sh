#!/usr/bin/env bash
# Sets up what is missing, builds Clearwind and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
CLEARWIND_TARGETS=Clearwind scripts/build.sh build
exec build/Clearwind "$@"
