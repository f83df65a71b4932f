#!/usr/bin/env bash
# Installs a build as `cmake --install` does for a user, into prefixes with a
# blank and a % in their names, and checks the installed layout:
# - install_manifest.txt lists every installed file, and nothing of the
#   user's own files is installed;
# - the desktop entry and the metainfo pass their validators;
# - the installed launcher answers --version, starts, keeps the user's files
#   in the XDG data folder (made readable by the user alone), copies there
#   once the files of the user's earlier per-user install in ~/.local, and
#   writes nothing under its prefix;
# - its journey tab, opened, loads the charts module from lib/clearwind under
#   the prefix (the benchmarks' probe, built beside the program, opens it);
# - installed into ~/.local over an earlier per-user install (the program
#   folder in lib/clearwind with the user's files in its data/ folder), the
#   launcher becomes the program itself, the user's files are copied once
#   into the XDG data folder and stay where they were, and a reinstall
#   overwrites none of them.
#   scripts/check-install.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "$1")"
probe="$build/benchmarks/libclearwind_probe.so"
work="$(mktemp -d)"
probed=
trap '[ -z "$probed" ] || kill "$probed" 2> /dev/null; rm -rf "$work"' EXIT
app_id=org.clearwind.Clearwind
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
unset XDG_DATA_HOME

fail() {
  echo "Install check failed: $*" >&2
  exit 1
}

# Every file and link under a folder with its size, time and mode.
snapshot() {
  find "$1" -printf '%P %y %s %T@ %m\n' | sort
}

# Starts an installed launcher for a few seconds in the given home; it must
# keep running until it is stopped.
run_for_a_while() {
  local launcher="$1" home="$2" status=0
  HOME="$home" timeout 4 "$launcher" > "$work/run.log" 2>&1 || status=$?
  if [ "$status" -ne 124 ]; then
    cat "$work/run.log" >&2
    fail "$launcher did not keep running (exit $status)"
  fi
}

mode_of() {
  stat -c %a "$1"
}

# Starts an installed launcher on a running quit, has the probe answer the
# relapse question and open every tab, and fails unless the process then has
# the given module loaded.
check_module_loads() {
  local launcher="$1" home="$2" module="$3" report="$work/probe.log"
  test -f "$probe" || fail "$probe is missing: build the target clearwind_probe first"
  mkdir -p "$home/.local/share/clearwind/settings"
  printf 'Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-03\r\n22:00:00\r\nYES\r\n' \
    > "$home/.local/share/clearwind/settings/data.dat"
  HOME="$home" CLEARWIND_PROBE="press=cmdno walk" LD_PRELOAD="$probe" "$launcher" > "$report" 2>&1 &
  probed=$!
  for _ in $(seq 200); do
    grep -q '^walked' "$report" && break
    kill -0 "$probed" 2> /dev/null || break
    sleep 0.05
  done
  local maps
  maps="$(cat "/proc/$probed/maps" 2> /dev/null)" || true
  kill "$probed" 2> /dev/null || true
  wait "$probed" 2> /dev/null || true
  probed=
  grep -q '^walked' "$report" || { cat "$report" >&2; fail "$launcher did not open every tab"; }
  grep -qF "$module" <<< "$maps" || fail "the journey tab did not load $module"
}

# A system-wide layout: the prefix is not the user's.
prefix="$work/my apps 100%"
home="$work/home"
mkdir -p "$home"
HOME="$home" cmake --install "$build" --prefix "$prefix" > /dev/null
diff <(find "$prefix" -type f -o -type l | sort) <(sort "$build/install_manifest.txt") \
  || fail "install_manifest.txt does not list every installed file"
for file in bin/clearwind lib/clearwind/journeycharts.so share/clearwind/doc/withdraw/chest.rtf \
  share/clearwind/help/help.html share/clearwind/bht.html share/man/man1/clearwind.1 \
  share/icons/hicolor/scalable/apps/$app_id.svg; do
  test -f "$prefix/$file" || fail "$file is not installed"
done
# The user's files as the program's table names them, listed by the build.
mapfile -t user_files < "$build/user-files.txt"
for file in "${user_files[@]}"; do
  test ! -e "$prefix/share/clearwind/$file" || fail "the user's $file is installed under the prefix"
done
if [ ! -x "$prefix/bin/clearwind" ] || [ -L "$prefix/bin/clearwind" ]; then
  fail "bin/clearwind is not the program"
fi
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" > /dev/null

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
answer="$(timeout 10 "$prefix/bin/clearwind" --version 2>&1)" || true
[ "$answer" = "clearwind $version" ] || fail "clearwind --version answered '$answer', not 'clearwind $version'"

# The user once installed the program for themselves, and logged a craving.
mkdir -p "$home/.local/lib/clearwind/data/journey"
printf '2026-03-03T22:00:00+01:00,3,stress,my own craving,passed\r\n' \
  > "$home/.local/lib/clearwind/data/journey/cravings.csv"
before="$(snapshot "$prefix")"
run_for_a_while "$prefix/bin/clearwind" "$home"
test -d "$home/.local/share/clearwind" || fail "the program made no folder for the user's files in ~/.local/share"
[ "$(mode_of "$home/.local/share/clearwind")" = 700 ] \
  || fail "the folder of the user's files has mode $(mode_of "$home/.local/share/clearwind"), not 700"
grep -q "my own craving" "$home/.local/share/clearwind/journey/cravings.csv" 2> /dev/null \
  || fail "installed under $prefix, the program did not copy the user's earlier per-user install"
grep -q "my own craving" "$home/.local/lib/clearwind/data/journey/cravings.csv" \
  || fail "the earlier per-user install lost the user's files"
check_module_loads "$prefix/bin/clearwind" "$home" "$prefix/lib/clearwind/journeycharts.so"
[ "$before" = "$(snapshot "$prefix")" ] || fail "the program changed files under its prefix"

# A per-user install into ~/.local over an earlier one, whose launcher linked
# to the program folder of this very build.
home="$work/my home 100%"
local="$home/.local"
earlier="$local/lib/clearwind"
mkdir -p "$earlier/data/coach" "$local/bin"
cp -p "$build/Clearwind" "$earlier/Clearwind"
ln -s ../lib/clearwind/Clearwind "$local/bin/clearwind"
printf '{\\rtf1 My own reasons\\par}' > "$earlier/data/coach/personal.rtf"
HOME="$home" cmake --install "$build" --prefix "$local" > /dev/null
test ! -L "$local/bin/clearwind" || fail "bin/clearwind still links to the earlier program folder"
own="$local/share/clearwind"
[ "$(mode_of "$own")" = 700 ] || fail "installing into ~/.local left the user's folder with mode $(mode_of "$own")"

run_for_a_while "$local/bin/clearwind" "$home"
grep -q "My own reasons" "$own/coach/personal.rtf" 2>/dev/null \
  || fail "the user's files of the earlier install were not copied into $own"
grep -q "My own reasons" "$earlier/data/coach/personal.rtf" || fail "the earlier install lost the user's files"

# A reinstall overwrites nothing of the user's, nor opens their folder to others.
mkdir -p "$own/settings"
printf 'secret\r\n0' > "$own/settings/settings.dat"
touch -d '2000-01-01' "$own/settings/settings.dat" "$own/coach/personal.rtf"
HOME="$home" cmake --install "$build" --prefix "$local" > /dev/null
grep -q "secret" "$own/settings/settings.dat" || fail "a reinstall overwrote the user's settings"
grep -q "My own reasons" "$own/coach/personal.rtf" || fail "a reinstall overwrote the user's personal reasons"
[ "$(mode_of "$own")" = 700 ] || fail "a reinstall left the user's folder with mode $(mode_of "$own")"
echo "Install check passed"
