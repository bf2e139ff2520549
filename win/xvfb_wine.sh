#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# xvfb_wine.sh BUILD_DIR PROGRAM.exe [ARGS...]: runs a program of the build
# under Wine with Qt's real Windows platform (native windows, the system
# menu, GDI fonts) on a virtual X display of a 1366x768 laptop.
set -euo pipefail
build=$1
shift
export WINEPREFIX=$build/_wine
# A Wine session started without a display (the offscreen tests) would keep
# drawing nowhere: it ends first, and this one ends after the program.
wineserver -k 2>/dev/null || true
wineserver -w
status=0
QT_QPA_PLATFORM=windows xvfb-run -a -s '-screen 0 1366x768x24' "$build/wine-run" "$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w
exit $status
