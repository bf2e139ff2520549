#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_installer.sh BUILD_DIR INSTALLER.exe: under Wine (the build's prefix),
# installs silently (/S, per user), runs the installed brevimo-calc.exe on a
# worked example, starts brevimo.exe on Xvfb and looks for its window, then
# uninstalls silently and checks that nothing is left (files, shortcuts,
# "Apps & features" entry).
set -euo pipefail
build=$1 installer=$2
export WINEPREFIX=$build/_wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
run() { "$build/wine-run" "$@"; }
dir=$(run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
unix_dir=$(winepath -u "$dir\\Programs\\Brevimo" 2>/dev/null)
fail() { echo "FAIL: $*"; exit 1; }

run "$installer" /S
[ -f "$unix_dir/brevimo.exe" ] || fail "brevimo.exe not installed in $unix_dir"
[ -f "$unix_dir/brevimo-calc.exe" ] || fail "brevimo-calc.exe not installed"
[ -f "$unix_dir/Uninstall.exe" ] || fail "no uninstaller"
# What the programs load at run time lies beside them (the DLLs' imports are
# windows_imports' check).
for f in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qsvg.dll \
         translations/qtbase_ru.qm translations/qtbase_en.qm share/brevimo/manual/index.html \
         share/brevimo/manual/en/index.html; do
  [ -f "$unix_dir/$f" ] || fail "$f not installed"
done
run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brevimo' /v DisplayVersion |
  grep -q 4.03 || fail "no Apps & features entry under HKCU"

# The worked example of the README, digit for digit as the Linux build gives it.
got=$(run "$unix_dir/brevimo-calc.exe" correct --reading 42,5 --temperature 26 | tr -d '\r')
want=$'density 0.9439355932203389\ndensity_to 0.9479987193973635\nreading_to 40.034806779661'
[ "$got" = "$want" ] || fail "brevimo-calc answered: $got"
# A refusal: the Russian message, status 1.
if msg=$(run "$unix_dir/brevimo-calc.exe" dilute --strength 40 --target 96 --spirit 1 2>&1); then
  fail "refusal exited 0"
fi
grep -q 'Конечный раствор крепче исходного' <<<"$msg" || fail "refusal message: $msg"

# The window, on a virtual X display: a Wine session started without one
# (the steps above) must end first, or Wine keeps drawing nowhere.
wineserver -k 2>/dev/null || true
wineserver -w
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
  wine "$2/brevimo.exe" & pid=$!
  for i in $(seq 90); do
    if xdotool search --name "Brevimo" getwindowname %@ 2>/dev/null | grep -qx Brevimo; then ok=1; break; fi
    sleep 1
  done
  kill $pid 2>/dev/null; wineserver -k 2>/dev/null || true
  [ "${ok:-0}" = 1 ]' _ "$build" "$unix_dir" || fail "brevimo.exe showed no window"

run "$unix_dir/Uninstall.exe" /S
# The uninstaller copies itself away and returns at once: wait for it.
for i in $(seq 30); do [ -e "$unix_dir" ] || break; sleep 1; done
[ ! -e "$unix_dir" ] || fail "left behind: $(find "$unix_dir" | head)"
if run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brevimo' >/dev/null 2>&1; then
  fail "Apps & features entry left behind"
fi
start_menu=$(winepath -u "$(run cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Brevimo")
[ ! -e "$start_menu" ] || fail "Start-menu folder left behind"
echo "installed, answered, showed its window and uninstalled without a trace"
