#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_installer.sh BUILD_DIR INSTALLER.exe: under Wine (the build's prefix),
# installs silently (/S, per user) with the PATH option (/ADDTOPATH), checks
# what is installed and what is not, runs brevimo-calc from another folder by
# the user's PATH and on a worked example, starts brevimo.exe on Xvfb and
# looks for its window, and for the installer's window in Russian and in
# English; installs again over it (an update: the settings are
# kept), then uninstalls silently and checks that the prefix holds nothing
# of ours any more: files, shortcuts, "Apps & features" entry, PATH,
# settings and caches. A PATH too long for the installer stays untouched.
set -euo pipefail
build=$1 installer=$2
export WINEPREFIX=$build/_wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
run() { "$build/wine-run" "$@"; }
dir=$(run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
win_dir="$dir\\Programs\\Brevimo"
unix_dir=$(winepath -u "$win_dir" 2>/dev/null)
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# What the prefix holds apart from Windows' own folder: its files and the
# user's registry keys (written out when the Wine session ends). Wine's own
# keys change as programs run; they are not ours. Nor is the copy of itself
# that an NSIS uninstaller runs from in Temp (~nsu*.tmp\Un.exe): it cannot
# delete it while running, and marking it for deletion at the next start
# needs administrator rights.
snapshot() {
  wineserver -w
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp/~nsu*.tmp' -prune \
     -o -print | sort)
  sed -n 's/^\(\[[^]]*\]\).*/\1/p' "$WINEPREFIX/user.reg" |
    grep -v -e '^\[Software\\\\Wine' -e '^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer' |
    sort
}
path_value() { { run reg query 'HKCU\Environment' /v PATH 2>/dev/null || true; } | tr -d '\r' | sed -n 's/.*REG_[A-Z_]*SZ *//p'; }
# A user who never ran Brevimo: the build's other tests run its programs in
# the same prefix and leave their settings and page sizes behind, which the
# uninstaller would rightly take away.
run reg delete 'HKCU\Software\Brevimo' /f >/dev/null 2>&1 || true
run reg delete 'HKCU\Software\The Brevimo developers' /f >/dev/null 2>&1 || true
rm -rf "$(winepath -u "$dir\\cache\\Brevimo" 2>/dev/null)"
snapshot >"$work/before"
user_path=$(path_value)
want_path=${user_path:+$user_path;}$win_dir

run "$installer" /S /ADDTOPATH
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
# Nothing a Windows user has no use for; nothing with debug sections.
for f in share/applications share/metainfo share/icons share/bash-completion \
         share/brevimo/screenshots platforms/qoffscreen.dll Qt6Test.dll; do
  [ ! -e "$unix_dir/$f" ] || fail "$f installed"
done
for f in "$unix_dir"/*.dll "$unix_dir"/*.exe; do
  ! x86_64-w64-mingw32-objdump -h "$f" | grep -q '\.debug_' || fail "$(basename "$f") not stripped"
done
run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brevimo' /v DisplayVersion |
  grep -q 4.03 || fail "no Apps & features entry under HKCU"

# The user's PATH holds the folder of brevimo-calc.exe, which cmd.exe then
# finds from any other folder.
[ "$(path_value)" = "$want_path" ] || fail "the user's PATH is '$(path_value)', not '$want_path'"
got=$(cd "$work" && run cmd /c brevimo-calc --version | tr -d '\r')
[[ $got == *4.03* ]] || fail "brevimo-calc by the PATH answered: $got"

# The worked example of the README, digit for digit as the Linux build gives it.
got=$(run "$unix_dir/brevimo-calc.exe" correct --reading 42,5 --temperature 26 | tr -d '\r')
want=$'density 0.9439355932203389\ndensity_to 0.9479987193973635\nreading_to 40.034806779661'
[ "$got" = "$want" ] || fail "brevimo-calc answered: $got"
# A refusal: the Russian message, status 1.
if msg=$(LC_ALL=ru_RU.UTF-8 run "$unix_dir/brevimo-calc.exe" dilute --strength 40 --target 96 --spirit 1 2>&1); then
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
# The installer's pages speak Windows' language (Wine's follows the Unix
# locale it starts in): its window's title, on a virtual display.
for lang in 'ru_RU.UTF-8|Установка Brevimo' 'C.UTF-8|Brevimo Setup'; do
  LC_ALL=${lang%%|*} xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    wine "$1" & pid=$!
    for i in $(seq 60); do
      if xdotool search --name "Brevimo" getwindowname %@ 2>/dev/null | grep -q "^$2 *$"; then ok=1; break; fi
      sleep 1
    done
    kill $pid 2>/dev/null; wineserver -k 2>/dev/null || true
    [ "${ok:-0}" = 1 ]' _ "$installer" "${lang#*|}" || fail "no installer window '${lang#*|}' under ${lang%%|*}"
done
cache=$(winepath -u "$dir\\cache\\Brevimo")
[ -d "$cache" ] || fail "the window kept no page-size cache in $cache"

# The language chosen, as the window keeps it; an update keeps it (the old
# version is uninstalled with /KEEPSETTINGS), and the PATH holds the folder once.
run reg add 'HKCU\Software\Brevimo\Brevimo' /v language /t REG_SZ /d en /f >/dev/null
run "$installer" /S /ADDTOPATH
[ -f "$unix_dir/brevimo.exe" ] || fail "the update left no brevimo.exe"
run reg query 'HKCU\Software\Brevimo\Brevimo' /v language >/dev/null 2>&1 ||
  fail "the update lost the language setting"
[ "$(path_value)" = "$want_path" ] || fail "after the update the user's PATH is '$(path_value)'"

run "$unix_dir/Uninstall.exe" /S
# The uninstaller copies itself away and returns at once: wait for it.
for i in $(seq 30); do [ -e "$unix_dir" ] || break; sleep 1; done
[ ! -e "$unix_dir" ] || fail "left behind: $(find "$unix_dir" | head)"
if run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brevimo' >/dev/null 2>&1; then
  fail "Apps & features entry left behind"
fi
[ "$(path_value)" = "$user_path" ] || fail "the user's PATH is left as '$(path_value)'"
# A user's PATH longer than the installer reads (1024 characters) is left
# as it is, not overwritten.
long_path="C:\\Tools\\$(printf 'x%.0s' $(seq 1100))"
run reg add 'HKCU\Environment' /v PATH /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
run "$installer" /S /ADDTOPATH
[ "$(path_value)" = "$long_path" ] || fail "a long PATH was changed: $(path_value | head -c 80)"
run "$unix_dir/Uninstall.exe" /S
for i in $(seq 30); do [ -e "$unix_dir" ] || break; sleep 1; done
[ "$(path_value)" = "$long_path" ] || fail "the uninstaller changed a long PATH"
if [ -n "$user_path" ]; then
  run reg add 'HKCU\Environment' /v PATH /t REG_EXPAND_SZ /d "$user_path" /f >/dev/null
else
  run reg delete 'HKCU\Environment' /v PATH /f >/dev/null
fi
snapshot >"$work/after"
diff -a "$work/before" "$work/after" >"$work/diff" || fail "left in the prefix:
$(head -20 "$work/diff")"
echo "installed, found by the PATH, answered, showed its window, kept the settings over an update and uninstalled without a trace"
