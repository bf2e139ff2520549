# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README; everything else is plain CMake.
#   make run   installs what is missing, builds and starts the calculator
#   make test  installs what is missing, builds and runs every test: debug,
#              optimised (for the optimiser's warnings) and sanitised builds;
#              any compiler warning fails the build
#   make package  builds the Debian package build-release/brevimo_<version>_<arch>.deb
#   make dist     builds the source archive build-release/brevimo-<version>.tar.gz
#   make windows          cross-builds the Windows programs and tests (build-windows/)
#   make windows-package  the Windows installer and ZIP: build-windows/brevimo-<version>-win64.{exe,zip}
.PHONY: run test setup package dist windows windows-package test-windows

JOBS ?= $(shell nproc)

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
	$(MAKE) test-windows

package: setup
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build-release && cpack -G DEB

dist: setup
	cmake --preset release
	cd build-release && cpack --config CPackSourceConfig.cmake

# The Windows side: MinGW-w64 and the Qt for MinGW SDK in ../shared/windows
# (unpacked into build-windows/_qt), tests under Wine.
WINDOWS_SDK ?= ../shared/windows

windows: setup
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

windows-package: windows
	cd build-windows && cpack

# Skipped, with one line saying so, only where the SDK is missing.
test-windows:
	@if [ ! -f $(WINDOWS_SDK)/qt-6.4.2-mingw64.tar.xz ]; then \
	  echo "Windows stage skipped: $(WINDOWS_SDK)/qt-6.4.2-mingw64.tar.xz (Qt for MinGW) is missing"; \
	else \
	  $(MAKE) windows-package && ctest --preset windows -j $(JOBS); \
	fi
