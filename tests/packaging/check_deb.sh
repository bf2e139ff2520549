#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a release build with CPack into a temporary
# folder and checks it: its control data (name, version, the Qt 6
# widgets library among the dependencies) and contents; then, as root,
# installs it with dpkg, starts the installed program on the offscreen
# platform, checks it is still running after two seconds, and removes the
# package again. Not as root, or with brevimo already installed, that last
# step is skipped with a message and status 77 (CTest's SKIP_RETURN_CODE), so
# the machine stays as it was.
# Usage: check_deb.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
source "$(dirname "$0")/common.sh"

# Runs dpkg, waiting while another package manager holds the lock.
dpkg_wait() {
  for _ in $(seq 60); do
    if out=$("$@" 2>&1); then return 0; fi
    grep -q 'lock' <<<"$out" || { echo "$out"; return 1; }
    sleep 5
  done
  echo "$out"
  return 1
}

out_dir=$(mktemp -d)
installed=0
cleanup() {
  [ $installed -eq 0 ] || dpkg_wait dpkg -r brevimo >/dev/null || true
  rm -rf "$out_dir"
}
trap cleanup EXIT
if ! log=$(cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out_dir" 2>&1); then
  echo "$log"
  exit 1
fi
deb=$(echo "$out_dir"/brevimo_*.deb)
[ -f "$deb" ] || { echo "$log"; echo "FAIL: no package brevimo_*.deb"; exit 1; }
echo "built $(basename "$deb")"

info=$(dpkg-deb --info "$deb")
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = brevimo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
depends=$(field Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name libqt6widgets6: $depends"
grep -q 'qt6-qpa-plugins' <<<"$depends" || fail "Depends does not name qt6-qpa-plugins: $depends"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Section)" ] || fail "no Section"
echo "Depends: $depends"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for f in $(installed_files "$build" "$id"); do
  grep -qx "./$f" <<<"$contents" || fail "./$f not in the package"
done
[ $failed -eq 0 ] || exit 1
echo "package control data and contents OK"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing the package needs root (dpkg -i); run as root to check it"
  exit 77
fi
if dpkg-query -W -f='${Status}' brevimo 2>/dev/null | grep -q 'ok installed'; then
  echo "SKIPPED: brevimo is already installed here; not replacing it"
  exit 77
fi

installed=1 # from here on, the exit removes it whatever happens
dpkg_wait dpkg -i "$deb"

QT_QPA_PLATFORM=offscreen /usr/bin/brevimo &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
  echo "installed /usr/bin/brevimo is running after 2 s"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
else
  wait "$pid" && rc=0 || rc=$?
  fail "installed /usr/bin/brevimo ended within 2 s (status $rc)"
fi

dpkg_wait dpkg -r brevimo
installed=0
[ ! -e /usr/bin/brevimo ] || fail "/usr/bin/brevimo left after dpkg -r"
dpkg-query -W -f='${Status}' brevimo 2>/dev/null | grep -q 'ok installed' && fail "still installed"
[ $failed -eq 0 ] && echo "package installs, starts and removes cleanly"
exit $failed
