# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README; everything else is plain CMake.
#   make run   installs what is missing, builds and starts the calculator
#   make test  installs what is missing, builds and runs every test: debug,
#              optimised (for the optimiser's warnings) and sanitised builds;
#              any compiler warning fails the build
.PHONY: run test setup

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
