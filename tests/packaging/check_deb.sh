#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages, from a source archive made by `make dist`:
#  1. builds the source and binary packages with the project's tests, at
#     Debian's -O2 and hardening flags, with warnings as errors;
#  2. lintian --pedantic: any error or warning fails, info tags are shown;
#  3. checks what each package holds and needs (no Qt for brevimo-calc) and
#     the hardening of both programs;
#  4. builds the binary packages a second time in another folder, later,
#     without the tests, and requires byte-identical packages;
#  5. as root: installs both, starts /usr/bin/brevimo from its desktop entry
#     under Xvfb and waits for its window, runs brevimo-calc once, removes
#     both and checks that nothing of them is left.
# Without root the last step is skipped (status 77).
# Usage: check_deb.sh ARCHIVE OUTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
archive=$(realpath "$1") out=$2
source "$here/common.sh"
id=io.github.brevimo.Brevimo
name=$(basename "$archive" .tar.gz)
version=${name#brevimo-}
arch=$(dpkg --print-architecture)
# The same flags for both builds: they are part of what is compared.
export DEB_CXXFLAGS_APPEND=-Werror

step() { echo "== $* ($(date -u +%T))"; }

rm -rf "$out"
mkdir -p "$out"
step "building source and binary packages in $out/a"
if ! bash "$root/scripts/build-deb.sh" "$archive" "$out/a" >"$out/a.log" 2>&1; then
  tail -50 "$out/a.log"
  echo "FAIL: the package build failed (log: $out/a.log)"
  exit 1
fi
grep -E 'tests passed|tests failed' "$out/a.log" || true
a=$out/a
debs=(brevimo_"${version}"_"$arch".deb brevimo-calc_"${version}"_"$arch".deb)
for f in "${debs[@]}" "brevimo_$version.dsc" "brevimo_$version.tar.xz"; do
  [ -f "$a/$f" ] || fail "no $f"
done
[ $failed -eq 0 ] || exit 1

step "lintian --pedantic"
lint=$(lintian --pedantic --display-info --fail-on error,warning \
  "$a/brevimo_${version}_$arch.changes" 2>&1) && rc=0 || rc=$?
grep -v 'running with root privileges' <<<"$lint" || true
[ $rc -eq 0 ] || fail "lintian reports errors or warnings"

step "contents, dependencies, hardening"
field() { dpkg-deb --field "$a/$1" "$2"; }
depends=$(field "${debs[0]}" Depends)
for need in libqt6widgets6 qt6-translations-l10n; do
  grep -q "$need" <<<"$depends" || fail "brevimo does not depend on $need: $depends"
done
calc_depends=$(field "${debs[1]}" Depends)
if grep -qi 'qt' <<<"$calc_depends"; then fail "brevimo-calc depends on Qt: $calc_depends"; fi
[ "$(field "${debs[0]}" Version)" = "$version" ] || fail "version $(field "${debs[0]}" Version)"
contents() { dpkg-deb --contents "$a/$1" | awk '{print $6}' | sed 's|^\./||'; }
app_files=$(contents "${debs[0]}")
calc_files=$(contents "${debs[1]}")
tree=$(echo "$a/$name"/obj-*)
for f in $(installed_files "$tree" "$id") usr/share/man/man1/brevimo.1.gz \
  usr/share/man/man1/brevimo-calc.1.gz; do
  case $f in
  usr/bin/brevimo-calc | */brevimo-calc.1.gz | usr/share/bash-completion/*) where=$calc_files ;;
  *) where=$app_files ;;
  esac
  grep -qx "$f" <<<"$where" || fail "$f is not in its package"
done
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for deb in "${debs[@]}"; do dpkg-deb -x "$a/$deb" "$unpacked"; done
# PIE, stack protector, fortified functions, RELRO, BIND_NOW, for the
# programs and the program's own libraries; Debian 12's flags have no
# control flow protection yet. hardening-check counts a binary whose only
# fortifiable calls are memcpy and memmove as unfortified, though with
# sizes known only at run time (container copies) the compiler has nothing
# to check them against: those two alone do not fail.
for binary in "$unpacked"/usr/bin/brevimo "$unpacked"/usr/bin/brevimo-calc \
  "$unpacked"/usr/lib/*/brevimo/*.so; do
  report=$(hardening-check --nocfprotection --verbose "$binary") && continue
  missing=$(grep ': no' <<<"$report" | grep -v '(ignored)' |
    grep -v 'Fortify Source functions: no, only unprotected functions found!' || true)
  unfortified=$(sed -n 's/^[[:space:]]*unprotected: //p' <<<"$report" | grep -vx 'memcpy\|memmove' || true)
  [ -z "$missing$unfortified" ] ||
    fail "${binary#"$unpacked"} lacks a hardening feature: $missing $unfortified"
done
[ $failed -eq 0 ] || exit 1
echo "contents, dependencies and hardening OK"

step "second build of the binary packages in $out/b, without tests"
start=$SECONDS
if ! DEB_BUILD_OPTIONS=nocheck bash "$root/scripts/build-deb.sh" "$archive" "$out/b" -b \
  >"$out/b.log" 2>&1; then
  tail -50 "$out/b.log"
  echo "FAIL: the second package build failed (log: $out/b.log)"
  exit 1
fi
echo "second build: $((SECONDS - start)) s"
for f in "$a"/*.deb; do
  b=$out/b/$(basename "$f")
  if [ ! -f "$b" ]; then
    fail "the second build made no $(basename "$f")"
  elif ! cmp -s "$f" "$b"; then
    fail "$(basename "$f") differs between the two builds"
    if command -v diffoscope >/dev/null; then diffoscope "$f" "$b" | head -40 || true; fi
  fi
done
[ $failed -eq 0 ] || exit 1
echo "reproducible: $(cd "$a" && ls ./*.deb | wc -l) packages byte-identical"
rm -rf "$out/b" "$out/b.log"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing the packages needs root; run as root to check it"
  exit 77
fi

step "install, start, remove"
# Waits while another package manager holds the lock.
dpkg_wait() {
  local out
  for _ in $(seq 60); do
    if out=$("$@" 2>&1); then return 0; fi
    grep -q 'lock' <<<"$out" || { echo "$out"; return 1; }
    sleep 5
  done
  echo "$out"
  return 1
}
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
for p in brevimo brevimo-calc; do
  if installed "$p"; then
    echo "FAIL: $p is installed already; the check needs a system without it"
    exit 1
  fi
done
cleanup() {
  dpkg_wait dpkg --purge brevimo brevimo-calc >/dev/null || true
  rm -rf "$unpacked"
}
trap cleanup EXIT
dpkg_wait dpkg -i "$a/${debs[0]}" "$a/${debs[1]}"
owned=$(dpkg -L brevimo brevimo-calc | grep -vx '/\.' | sort -u)

# The program as the desktop starts it: the entry's Exec, field codes dropped.
desktop=/usr/share/applications/$id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUdDnNickvm]//g')
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
read -r -a command <<<"$exec_line"
[ "$(command -v "${command[0]}")" = /usr/bin/brevimo ] ||
  fail "the desktop entry starts $(command -v "${command[0]}"), not /usr/bin/brevimo"
export HOME=$unpacked/home XDG_RUNTIME_DIR=$unpacked/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Under Xvfb: the window appears with the entry's window class, and Escape
# closes it and ends the program with status 0.
if WM_CLASS=$wm_class xvfb-run -a -s '-screen 0 1366x768x24' env -u QT_QPA_PLATFORM bash -c '
  "$@" &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --classname "$WM_CLASS" | head -1) ||
    { echo "no window of class $WM_CLASS within 30 s"; kill $pid; exit 1; }
  echo "window \"$(xdotool getwindowname "$window")\" of class $WM_CLASS"
  xdotool windowfocus --sync "$window" key Escape
  for _ in $(seq 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
  if kill -0 $pid 2>/dev/null; then echo "still running after Escape"; kill $pid; exit 1; fi
  wait $pid' start "${command[@]}"; then
  echo "/usr/bin/brevimo started from $desktop and closed with Escape"
else
  fail "/usr/bin/brevimo from its desktop entry under Xvfb"
fi
got=$(/usr/bin/brevimo-calc dilute --strength 96 --target 40 --spirit 1000) ||
  fail "brevimo-calc failed"
grep -q '^water 1467\.967' <<<"$got" || fail "brevimo-calc: $got"

dpkg_wait dpkg --purge brevimo brevimo-calc
for p in brevimo brevimo-calc; do
  if installed "$p"; then fail "$p still installed"; fi
done
# Whatever of the packages' paths still exists must belong to another package
# (shared folders such as /usr/share/icons/hicolor/48x48/apps).
mapfile -t left < <(while read -r f; do if [ -e "$f" ]; then echo "$f"; fi; done <<<"$owned")
if [ ${#left[@]} -gt 0 ]; then
  # (dpkg -S fails when any path has no owner: the list says which.)
  unowned=$(dpkg -S "${left[@]}" 2>&1 >/dev/null | sed -n 's/.*no path found matching pattern //p' || true)
  [ -z "$unowned" ] || fail "left after removal: $unowned"
fi
if [ $failed -eq 0 ]; then echo "both packages install, start, run and remove cleanly"; fi
exit $failed
