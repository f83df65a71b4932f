#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test: once in a
# plain build, with each benchmark run once, and once with AddressSanitizer and
# UndefinedBehaviorSanitizer, then feeds the readers of the data folder to the
# fuzzer. On the way it checks an install, and builds, installs, runs and
# purges the Debian package (as root only).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export DBUS_SESSION_BUS_ADDRESS=disabled:
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"

scripts/build.sh build
ctest --test-dir build --output-on-failure --timeout 600
scripts/check-install.sh build
scripts/check-package.sh
benchmarks/run.sh --quick

scripts/build.sh build-sanitize -DCLEARWIND_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --timeout 900

scripts/fuzz.sh
