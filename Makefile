# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README; everything else is plain CMake.
#   make run   installs what is missing, builds and starts the calculator
#   make test  installs what is missing, builds and runs every test: debug,
#              optimised (for the optimiser's warnings) and sanitised builds,
#              then the web, Debian and Windows stages; any compiler warning
#              fails the build
#   make package  builds the Debian source and binary packages (brevimo,
#                 brevimo-calc) in build-deb/
#   make dist     builds the source archive build-dist/brevimo-<version>.tar.gz
#                 from git (REF=v4.03 for a release tag; default HEAD)
#   make test-debian  builds the Debian packages and checks them: lintian,
#                 contents, a second identical build, install, start, remove
#   make web      builds the static web app build-web/site (emscripten)
#   make test-web builds it and runs its tests in headless Chromium
#   make windows          cross-builds the Windows programs and tests (build-windows/)
#   make windows-package  the Windows installer and ZIP: build-windows/brevimo-<version>-win64.{exe,zip}
#   make test-windows     both, and the Windows tests under Wine (against the
#                         dev build's brevimo-calc)
.PHONY: run test setup package dist test-debian web test-web windows windows-package test-windows

JOBS ?= $(shell nproc)
REF ?= HEAD
# The version of REF, from its project(VERSION).
VERSION = $(shell git show $(REF):CMakeLists.txt | sed -n 's/^project.Brevimo VERSION \([0-9.]*\).*/\1/p')
DIST = build-dist/brevimo-$(VERSION).tar.gz

setup:
	@bash scripts/setup.sh

run: setup
	cmake --preset dev
	cmake --build --preset dev --target brevimo -j $(JOBS)
	./build-dev/brevimo

test: setup
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	$(MAKE) test-web
	$(MAKE) test-debian
	$(MAKE) test-windows

package: setup dist
	JOBS=$(JOBS) bash scripts/build-deb.sh $(DIST) build-deb

# Only what git holds at REF: stray files of the working tree never get in.
dist:
	mkdir -p build-dist
	git archive --format=tar.gz --prefix=brevimo-$(VERSION)/ -o $(DIST) $(REF)

test-debian: setup dist
	JOBS=$(JOBS) bash tests/packaging/check_deb.sh $(DIST) build-deb-check

web: setup
	cmake --preset web
	cmake --build --preset web -j $(JOBS)

# The pages are compared with brevimo-calc of the dev build.
test-web: web
	cmake --preset dev
	cmake --build --preset dev --target brevimo-calc -j $(JOBS)
	ctest --preset web

# The Windows side: MinGW-w64 and the Qt for MinGW SDK in ../shared/windows
# (unpacked into build-windows/_qt), tests under Wine.
WINDOWS_SDK ?= ../shared/windows

windows: setup
	cmake --preset windows -DBREVIMO_WINDOWS_SDK=$(abspath $(WINDOWS_SDK))
	cmake --build --preset windows -j $(JOBS)

# Signed when a certificate is given (README, "Windows"): one line otherwise.
windows-package: windows
	@[ -n "$$BREVIMO_SIGN_CERT" ] || echo "Signing skipped: no certificate given (BREVIMO_SIGN_CERT)"
	cd build-windows && cpack

# Skipped, with one line saying so, only where the SDK is missing.
test-windows:
	@if [ ! -f $(WINDOWS_SDK)/qt-6.4.2-mingw64.tar.xz ]; then \
	  echo "Windows stage skipped: $(WINDOWS_SDK)/qt-6.4.2-mingw64.tar.xz (Qt for MinGW) is missing"; \
	else \
	  cmake --preset dev && cmake --build --preset dev --target brevimo-calc -j $(JOBS) && \
	  $(MAKE) windows-package && ctest --preset windows -j $(JOBS); \
	fi
