#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build and the tests need on Debian or Ubuntu, and nothing
# when all is present. As root it installs with apt-get; otherwise through
# sudo when available, or it prints the command to run.
set -euo pipefail

# libqt6opengl6-dev: Debian's qt6-charts-dev needs Qt6OpenGL's CMake files
# but does not pull them in.
packages=(
  make cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools
  # the program reads the font configuration ahead of Qt (app/start_ahead.h)
  libfontconfig-dev
  # Qt's own texts in Russian (field menus, file dialogs), which the program loads;
  # the brevimo package depends on it
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev help2man
  fonts-dejavu-core locales
  # icon rendering, desktop entry and AppStream checks, the table generators' check
  librsvg2-bin desktop-file-utils appstream python3
  # Debian packages: build, check, install and start under a virtual X server
  debhelper dpkg-dev devscripts lintian fakeroot xvfb xauth xdotool
  # the web app (emscripten's optimiser needs node-acorn) and its tests in headless Chromium
  emscripten node-acorn chromium chromium-driver python3-selenium
  # the Windows side: cross compiler, Wine (fonts-wine: the Tahoma of the tests
  # under Wine), installer, icon; its window check uses xvfb, xauth and xdotool
  # above, its deployment Qt's translations from qt6-translations-l10n, the
  # installer's pictures imagemagick; signing in make windows-package and its
  # test (windows_signing, which makes its certificate with openssl)
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis icoutils
  fonts-wine fonts-liberation imagemagick osslsigncode openssl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# npm installs the web tests' axe-core from their lockfile; Debian's npm
# unless the machine's Node.js brings its own.
if ! command -v npm >/dev/null 2>&1; then
  missing+=(npm)
fi

need_locale=0
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  need_locale=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo=(sudo)
else
  echo "Missing packages: ${missing[*]:-none}; ru_RU.UTF-8 locale missing: $need_locale" >&2
  echo "Run as root:" >&2
  echo "  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y ${missing[*]} locales" >&2
  echo "  sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen && locale-gen" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ $need_locale -eq 1 ] || ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "Generating the ru_RU.UTF-8 locale (used by the locale tests)"
  "${sudo[@]}" sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen
fi
