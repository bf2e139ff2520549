#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary DESTDIR under /usr and checks the tree:
# program, desktop entry, icons, AppStream data, screenshots, manual and licence are
# there; the desktop entry and the AppStream data pass their validators with
# no error and no warning; every PNG icon has the size its folder names.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
source "$(dirname "$0")/common.sh"
share=$dest/usr/share
need() { [ -s "$1" ] || fail "missing ${1#"$dest"}"; }

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8}'; }
for f in $(installed_files "$build" "$id"); do
  case $f in
  usr/bin/*) # found with what it links, from wherever the tree lies
    [ -x "$dest/$f" ] || fail "missing /$f"
    ! LD_LIBRARY_PATH= ldd "$dest/$f" | grep 'not found' || fail "/$f: a library is not found"
    ;;
  *.so) # loads, every symbol bound (as the program loads the chart window)
    need "$dest/$f"
    # A sanitised build's library needs its runtime loaded first.
    asan=$(ldd "$dest/$f" | sed -n 's/.*libasan[^ ]* => \([^ ]*\).*/\1/p')
    LD_PRELOAD=$asan ASAN_OPTIONS=detect_leaks=0 \
      python3 -c 'import ctypes, sys; ctypes.CDLL(sys.argv[1])' "$dest/$f" ||
      fail "/$f does not load"
    ;;
  *.png) # an icon: a PNG of the size its folder names
    png=$dest/$f
    size=${f%/apps/*}
    size=${size##*/}
    need "$png"
    [ -s "$png" ] || continue
    [ "$(head -c 4 "$png" | tail -c 3)" = PNG ] || fail "${png#"$dest"} is not a PNG"
    got=$(png_size "$png")
    [ "$got" = "$size" ] || fail "${png#"$dest"} is $got"
    ;;
  *) need "$dest/$f" ;;
  esac
done
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml

# The desktop entry: validator errors and warnings fail (hints do not).
if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -Eq 'error|warning' <<<"$out"; then
  fail "desktop-file-validate: $out"
fi
[ -n "$out" ] && echo "$out"
grep -qx "Icon=$id" "$desktop" || fail "Icon= is not $id"
grep -qx "Exec=brevimo" "$desktop" || fail "Exec= is not brevimo"

# The AppStream data: no error and no warning.
if ! out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || grep -Eq '^[EW]:' <<<"$out"; then
  fail "appstreamcli validate: $out"
fi
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metainfo"
# Every screenshot named in the metadata is installed under share/brevimo.
shots=$(sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
[ -n "$shots" ] || fail "no screenshots in the metainfo"
# Software centres show no screenshot under 352 px high.
for shot in $shots; do
  png=$share/brevimo/screenshots/$shot
  need "$png"
  [ -s "$png" ] || continue
  height=$(png_size "$png")
  [ "${height#*x}" -ge 352 ] || fail "screenshot $shot is $height, less than 352 px high"
done
grep -q '<image xml:lang="ru">' "$metainfo" || fail "no Russian screenshot in the metainfo"
# The desktop entry and the metainfo offer the same search words, in each language.
for lang in "" ru; do
  key=Keywords${lang:+[$lang]}
  attr=${lang:+ xml:lang=\"$lang\"}
  desktop_words=$(awk -v key="$key" 'index($0, key "=") == 1' "$desktop" | cut -d= -f2- | tr ';' '\n' | sed '/^$/d' | sort)
  meta_words=$(sed -n "s|.*<keyword$attr>\(.*\)</keyword>.*|\1|p" "$metainfo" | sort)
  [ -n "$desktop_words" ] && [ "$desktop_words" = "$meta_words" ] ||
    fail "keywords ${lang:-en}: desktop entry [$(echo $desktop_words)], metainfo [$(echo $meta_words)]"
done

[ $failed -eq 0 ] && echo "install tree OK: $(cd "$dest" && find . -type f | wc -l) files"
exit $failed
