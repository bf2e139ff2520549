#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# sign.sh FILE...: signs Windows programs and DLLs in place (Authenticode,
# SHA-256, with Debian's osslsigncode) with the PKCS#12 certificate and key
# in the file BREVIMO_SIGN_CERT, whose password is BREVIMO_SIGN_PASSWORD
# (empty when unset); timestamped by BREVIMO_SIGN_TIMESTAMP_URL when set, so
# that the signature outlives the certificate. The password goes through a
# pipe, never the command line.
set -euo pipefail
: "${BREVIMO_SIGN_CERT:?BREVIMO_SIGN_CERT names no certificate}"
ts=()
[ -z "${BREVIMO_SIGN_TIMESTAMP_URL:-}" ] || ts=(-ts "$BREVIMO_SIGN_TIMESTAMP_URL")
for f; do
  out=$f.signing
  printf '%s' "${BREVIMO_SIGN_PASSWORD:-}" |
    osslsigncode sign -pkcs12 "$BREVIMO_SIGN_CERT" -readpass - -h sha256 -n Brevimo \
      -i https://github.com/brevimo/brevimo "${ts[@]}" -in "$f" -out "$out" >/dev/null ||
    { rm -f "$out"; echo "sign.sh: could not sign $f" >&2; exit 1; }
  mv "$out" "$f"
  echo "signed $(basename "$f")"
done
