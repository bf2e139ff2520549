# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the packaging checks (sourced): failure reporting, and the files
# an installation must hold.

# shellcheck disable=SC2034 # read by the scripts that source this
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The files an installation of the build in BUILD_DIR holds, one a line,
# relative to the root: the programs, desktop entry, AppStream data, icons,
# licence statement and manual; the command-line program and its bash
# completion only when the build has it.
# Usage: installed_files BUILD_DIR APP_ID
installed_files() {
  local build=$1 id=$2 size
  echo usr/bin/brevimo
  # The page layer and the chart window's library, in the program's own folder.
  local libdir
  libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
  echo "usr/${libdir:-lib}/brevimo/libbrevimo_ui.so"
  echo "usr/${libdir:-lib}/brevimo/libbrevimo_chart.so"
  if [ -e "$build/cli/brevimo-calc" ]; then
    echo usr/bin/brevimo-calc
    echo usr/share/bash-completion/completions/brevimo-calc
  fi
  echo "usr/share/applications/$id.desktop"
  echo "usr/share/metainfo/$id.metainfo.xml"
  echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
  for size in 16 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  echo usr/share/doc/brevimo/copyright
  echo usr/share/brevimo/manual/index.html
}
