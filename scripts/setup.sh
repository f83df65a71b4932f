#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# skipping the ones already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  # The journey's charts, in a module of their own; Qt Charts' CMake files need Qt OpenGL's
  qt6-charts-dev libqt6opengl6-dev
  # The translations: lupdate and lrelease, the CMake functions that compile
  # them into the program, and Qt's own German for the standard buttons
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  # The program loads the font configuration on a thread of its own while it starts
  libfontconfig-dev
  fonts-dejavu-core
  xvfb xauth
  clang libclang-rt-14-dev
  # Test tools: the validators of the desktop entry and the metainfo.
  desktop-file-utils appstream
  # A test tool: the rich-text tests check that a word processor opens what we write.
  libreoffice-writer-nogui
  # A test tool: the journey's tests check that a spreadsheet reads the cravings file and the CSV export.
  libreoffice-calc-nogui
  # A test tool: a private session bus, on which a portal of the tests' own says light or dark.
  dbus-daemon
  # Printing: the CUPS client library, and a private CUPS with a PDF queue for the printing test
  libcups2-dev
  cups cups-client printer-driver-cups-pdf poppler-utils
  # Finding and starting the web browser through GIO; the MIME database tells it what a page is
  libglib2.0-dev shared-mime-info
  # Benchmarks: callgrind counts the instructions of a counter tick
  valgrind
  # The month-long soak runs the program on a fast clock
  faketime
  # The Debian package: its build (which wants the build-essential set) and its checker
  build-essential dpkg-dev debhelper lintian
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
