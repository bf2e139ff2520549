#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the cross build under Wine (CTest's emulator):
#   wine-run.sh WINEPREFIX QT_BIN_DIR PROGRAM.exe [ARGS...]
# The prefix is made once (wineboot), under a lock so that parallel tests
# wait for it rather than each making their own. The Qt DLLs come from
# QT_BIN_DIR through WINEPATH, its plugins through QT_PLUGIN_PATH.
set -euo pipefail
export WINEPREFIX=$1
qt_bin=$2
shift 2

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Offscreen platform's fonts (below), made with the prefix.
fonts=$WINEPREFIX/offscreen-fonts
mkdir -p "$WINEPREFIX"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.brevimo-ready" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.brevimo-ready"
  fi
  if [ ! -f "$fonts/tahomabd.ttf" ]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$fonts/"
  fi
  # Wine's own fonts (fonts-wine: Tahoma, MS Sans Serif, Marlett), which
  # Debian's Wine 8 looks for at a path it cannot open. Without them the
  # dialog font (MS Shell Dlg, that is Tahoma) falls to whatever font comes
  # first, DejaVu Math TeX Gyre, whose line metrics put an edit field's text
  # outside the field: every field would look empty.
  system_fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ -d /usr/share/wine/fonts ] && [ -d "$system_fonts" ] && [ ! -e "$system_fonts/tahoma.ttf" ]; then
    for font in /usr/share/wine/fonts/*; do
      [ -e "$system_fonts/${font##*/}" ] || ln -s "$font" "$system_fonts/"
    done
  fi
) 9>"$WINEPREFIX.lock"

export WINEPATH="$(winpath "$qt_bin")${WINEPATH:+;$WINEPATH}"
: "${QT_PLUGIN_PATH:=$(winpath "$qt_bin/../plugins")}"
export QT_PLUGIN_PATH
# The offscreen platform finds no fonts of its own on Windows, and its
# "Sans Serif" falls to the first family of the folder it is given. In
# Wine's font folder that is Courier, a bitmap font whose scaled metrics are
# nonsense (a character 1260 px wide); a folder of Wine's Tahoma alone gives
# the font of Windows dialogs.
: "${QT_QPA_FONTDIR:=$(winpath "$fonts")}"
export QT_QPA_FONTDIR
# Wine hides variables named QT_* from Windows programs; WINEQT_* reach them
# without the prefix.
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)

# The first Wine program of a session starts Wine's services, which inherit
# its standard error and hold it open until the session ends: CTest would
# wait on that test for the whole run. A detached program starts them first.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
exec wine "$@"
