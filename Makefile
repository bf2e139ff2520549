# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README; everything else is plain CMake.
#   make run   installs what is missing, builds and starts the calculator
#   make test  installs what is missing, builds and runs every test: debug,
#              optimised (for the optimiser's warnings) and sanitised builds;
#              any compiler warning fails the build
#   make package  builds the Debian package build-release/brevimo_<version>_<arch>.deb
#   make dist     builds the source archive build-release/brevimo-<version>.tar.gz
#   make web      builds the static web app build-web/site (emscripten)
#   make test-web builds it and runs its tests in headless Chromium
.PHONY: run test setup package dist web test-web

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
	$(MAKE) test-web

package: setup
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build-release && cpack -G DEB

dist: setup
	cmake --preset release
	cd build-release && cpack --config CPackSourceConfig.cmake

web: setup
	cmake --preset web
	cmake --build --preset web -j $(JOBS)

# The pages are compared with brevimo-calc of the dev build.
test-web: web
	cmake --preset dev
	cmake --build --preset dev --target brevimo-calc -j $(JOBS)
	ctest --preset web
