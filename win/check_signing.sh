#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_signing.sh BUILD_DIR: make windows-package's signing step with a
# self-signed certificate made here (openssl): cpack builds the installer
# into a folder of its own with BREVIMO_SIGN_CERT and BREVIMO_SIGN_PASSWORD
# set; the installer, the programs it holds and its uninstaller (installed
# silently under Wine into a folder of the test, then removed) carry valid
# signatures by that certificate.
set -euo pipefail
build=$1
work=$(mktemp -d "$build/_signing.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" \
  -days 2 -subj "/CN=Brevimo test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
  -passout pass:brevimo-test
verify() {
  osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
    fail "$2 is not signed: $(grep -m3 -i 'fail\|error\|no signature' "$work/verify.log")"
  grep -q 'Brevimo test signer' "$work/verify.log" || fail "$2: not our certificate"
}

(cd "$build" && BREVIMO_SIGN_CERT=$work/cert.p12 BREVIMO_SIGN_PASSWORD=brevimo-test \
   cpack -G NSIS -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
installer=$(ls "$work"/out/brevimo-*-win64.exe)
verify "$installer" installer
stage=$(ls -d "$work"/out/_CPack_Packages/*/NSIS/brevimo-*-win64)
for f in brevimo.exe brevimo-calc.exe libbrevimo_ui.dll libbrevimo_chart.dll; do
  verify "$stage/$f" "$f"
done

# The uninstaller is written by the installer: installed into the test's
# folder (/D, without the options page's choices), checked, removed.
export WINEPREFIX=$build/_wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
target=$work/installed
"$build/wine-run" "$installer" /S "/D=$(winepath -w "$target" 2>/dev/null)"
verify "$target/Uninstall.exe" uninstaller
verify "$target/brevimo.exe" "installed brevimo.exe"
"$build/wine-run" "$target/Uninstall.exe" /S
for i in $(seq 30); do [ -e "$target/brevimo.exe" ] || break; sleep 1; done
echo "installer, uninstaller and programs signed"
