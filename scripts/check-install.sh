#!/usr/bin/env bash
# Installs a build into a temporary prefix with blanks and a % in its name,
# validates the desktop entry and the metainfo, starts the installed launcher,
# and checks that a reinstall keeps the user's own files.
#   scripts/check-install.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
build="$1"
prefix="$(mktemp -d)/my apps 100%"
trap 'rm -rf "$(dirname "$prefix")"' EXIT
app_id=org.clearwind.Clearwind

cmake --install "$build" --prefix "$prefix" > /dev/null
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" > /dev/null
test -f "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
test -f "$prefix/lib/clearwind/data/doc/withdraw/chest.rtf"

# The user's own files survive a reinstall.
printf 'secret\r\n1' > "$prefix/lib/clearwind/data/settings/settings.dat"
cmake --install "$build" --prefix "$prefix" > /dev/null
grep -q "secret" "$prefix/lib/clearwind/data/settings/settings.dat"

# The launcher on the PATH starts the installed program, which finds its data.
printf 'noword\r\n0' > "$prefix/lib/clearwind/data/settings/settings.dat"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/clearwind" || status=$?
if [ "$status" -ne 124 ]; then
  echo "The installed program did not keep running (exit $status)" >&2
  exit 1
fi
echo "Install check passed"
