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

mkdir -p "$WINEPREFIX"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.brevimo-ready" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.brevimo-ready"
  fi
  # Wine's own fonts (fonts-wine: Tahoma, MS Sans Serif, Marlett), which
  # Debian's Wine 8 looks for at a path it cannot open. Without them the
  # dialog font (MS Shell Dlg, that is Tahoma) falls to whatever font comes
  # first, DejaVu Math TeX Gyre, whose line metrics put an edit field's text
  # outside the field: every field would look empty.
  fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -e "$fonts/tahoma.ttf" ]; then
    for font in /usr/share/wine/fonts/*; do
      [ -e "$fonts/${font##*/}" ] || ln -s "$font" "$fonts/"
    done
  fi
) 9>"$WINEPREFIX.lock"

export WINEPATH="$(winpath "$qt_bin")${WINEPATH:+;$WINEPATH}"
: "${QT_PLUGIN_PATH:=$(winpath "$qt_bin/../plugins")}"
export QT_PLUGIN_PATH
# The offscreen platform finds no fonts of its own on Windows: Wine's
# (Tahoma and MS Sans Serif stand-ins).
: "${QT_QPA_FONTDIR:=$(winpath /usr/share/wine/fonts)}"
export QT_QPA_FONTDIR
# Wine hides variables named QT_* from Windows programs; WINEQT_* reach them
# without the prefix.
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)

exec wine "$@"
