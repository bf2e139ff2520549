#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from a source archive made by `make dist`, in a
# scratch folder: the archive is unpacked in OUTDIR, and dpkg-buildpackage
# writes its packages beside the tree, so nothing lands outside OUTDIR.
# Without options it builds the source and the binary packages; OPTIONS go
# to dpkg-buildpackage (-b: binary only, -S: source only).
# DEB_BUILD_OPTIONS is passed on, with parallel=JOBS (default: nproc) added.
# Usage: build-deb.sh ARCHIVE OUTDIR [OPTIONS...]
set -euo pipefail
archive=$(realpath "$1") out=$2
shift 2
name=$(basename "$archive" .tar.gz) # brevimo-<version>
rm -rf "$out"
mkdir -p "$out"
tar -xzf "$archive" -C "$out"
cd "$out/$name"
DEB_BUILD_OPTIONS="parallel=${JOBS:-$(nproc)} ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc "$@"
