#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree, checks it with
# lintian, installs it with apt-get as a user would, runs the installed
# program as an ordinary user made for the test, checks that its charts
# module loads for that user, and purges the package again. It needs root
# (it installs a package and makes a user) and is skipped otherwise.
# Whatever happens, the trap leaves the machine as it found it: the package
# purged with whatever it brought, the user removed.
#   scripts/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  echo "Package check skipped: it installs a package and makes a user, which needs root."
  exit 0
fi
export LC_ALL=C DEBIAN_FRONTEND=noninteractive

installed_packages() {
  dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Status}\n' | awk '$2 == "installed" {print $1}' | sort
}
is_installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

if is_installed clearwind; then
  echo "Package check skipped: clearwind is installed on this machine, and the check would remove it."
  exit 0
fi

work="$(mktemp -d)"
user="cwcheck$$"
made_user=
runtime=
packages_before=
brought=

cleanup() {
  local status=$?
  set +e
  if [ -n "$packages_before" ] && [ -z "$brought" ]; then
    brought="$(comm -13 <(echo "$packages_before") <(installed_packages))"
  fi
  # The package, and whatever it brought along.
  local leftover=()
  for package in $brought; do
    is_installed "$package" && leftover+=("$package")
  done
  if [ ${#leftover[@]} -gt 0 ]; then
    apt-get purge -y -qq "${leftover[@]}" > /dev/null
  fi
  if [ -n "$made_user" ]; then
    userdel -r "$user" 2> /dev/null || echo "Package check: could not remove the test user $user" >&2
  fi
  if [ -n "$runtime" ]; then
    rm -rf "$runtime"
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "Package check failed: $*" >&2
  exit 1
}

# The tree as it stands, committed or not, without build folders:
# dpkg-buildpackage builds in it and writes the package beside it.
mkdir "$work/clearwind"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
  [ -e "$file" ] && printf '%s\0' "$file"
done | tar --null -T - -cf - | tar -xf - -C "$work/clearwind"

version="$(cd "$work/clearwind" && dpkg-parsechangelog -S Version)"
project_version="$(sed -n 's/^project(Clearwind VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ "$version" = "$project_version" ] \
  || fail "debian/changelog is at $version, the project at $project_version"

echo "Building the package clearwind $version"
(cd "$work/clearwind" && dpkg-buildpackage -us -uc -b -J"$(nproc)") > "$work/build.log" 2>&1 \
  || { tail -n 40 "$work/build.log" >&2; fail "dpkg-buildpackage failed"; }
package="$work/clearwind_${version}_$(dpkg --print-architecture).deb"
test -f "$package" || fail "dpkg-buildpackage wrote no $(basename "$package")"

# lintian and apt read the package as unprivileged users. From here on the
# commands run in the temporary folder: the tree may lie where only root can
# enter, such as root's home.
chmod 755 "$work"
cd "$work"
echo "lintian $(basename "$package")"
runuser -u nobody -- lintian --fail-on error,warning "$package" || fail "lintian found errors or warnings"

packages_before="$(installed_packages)"
apt-get install -y -qq "$package" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log" >&2; fail "apt-get could not install the package"; }
brought="$(comm -13 <(echo "$packages_before") <(installed_packages))"
echo "Installed: ${brought//$'\n'/ }"
installed="$(dpkg -L clearwind)"
for path in /usr/bin/clearwind /usr/lib/clearwind/journeycharts.so /usr/share/clearwind/help/help.html \
  /usr/share/clearwind/doc/withdraw/chest.rtf \
  /usr/share/applications/org.clearwind.Clearwind.desktop /usr/share/metainfo/org.clearwind.Clearwind.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.clearwind.Clearwind.svg /usr/share/man/man1/clearwind.1.gz \
  /usr/share/doc/clearwind/copyright; do
  grep -qxF "$path" <<< "$installed" || fail "the package does not install $path"
done
# The charts module is scanned for the libraries it needs, so the package
# depends on Qt Charts, which the program itself does not link.
depends="$(dpkg-query -W -f='${Depends}' clearwind)"
grep -q 'libqt6charts6' <<< "$depends" || fail "the package does not depend on libqt6charts6: $depends"
answer="$(/usr/bin/clearwind --version 2>&1)" || true
[ "$answer" = "clearwind $version" ] || fail "clearwind --version answered '$answer', not 'clearwind $version'"

# The installed program, run by an ordinary user on a first start.
useradd -m -s /bin/bash "$user"
made_user=yes
home="$(getent passwd "$user" | cut -d: -f6)"
runtime="$(mktemp -d)"
chown "$user:" "$runtime"
chmod 700 "$runtime"
shipped_before="$(find /usr/share/clearwind | sort)"
status=0
runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 XDG_RUNTIME_DIR="$runtime" \
  QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: \
  timeout -k 5 5 /usr/bin/clearwind > "$work/run.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/run.log" >&2
  fail "/usr/bin/clearwind did not keep running for $user (exit $status)"
fi
# The journey tab loads its charts module when first opened: it must load,
# with every library it needs, for an ordinary user.
runuser -u "$user" -- perl -MDynaLoader -e '
  my $module = DynaLoader::dl_load_file($ARGV[0], 0) or die DynaLoader::dl_error() . "\n";
  DynaLoader::dl_find_symbol($module, "qt_plugin_instance") or die "$ARGV[0] is not a Qt plugin\n";' \
  /usr/lib/clearwind/journeycharts.so || fail "/usr/lib/clearwind/journeycharts.so does not load"
own="$home/.local/share/clearwind"
test -d "$own" || fail "the program made no folder for the user's files in $own"
[ "$(stat -c '%a %U' "$own")" = "700 $user" ] \
  || fail "$own has mode and owner $(stat -c '%a %U' "$own"), not 700 $user"
changed="$(dpkg --verify clearwind)" || true
[ -z "$changed" ] || fail "the program changed files of the package: $changed"
[ "$shipped_before" = "$(find /usr/share/clearwind | sort)" ] || fail "the program wrote under /usr/share/clearwind"

# Purged, nothing of the package is left, except folders other packages share;
# the user's files stay in their home.
apt-get purge -y -qq clearwind > /dev/null
while IFS= read -r path; do
  [ "$path" != /. ] || continue
  [ -e "$path" ] || [ -L "$path" ] || continue
  if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" > /dev/null 2>&1; then
    continue
  fi
  fail "$path is left after the package was purged"
done <<< "$installed"
test -d "$own" || fail "purging the package removed the user's folder $own"

echo "Package check passed"
