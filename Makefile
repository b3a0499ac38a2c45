# SPDX-License-Identifier: GPL-3.0-or-later
# A thin front to CMake: the presets in CMakePresets.json do the work.
SHELL := /bin/bash
.PHONY: all deps deps-run deps-package build run screenshot screenshots test test-normal test-sanitize test-repeat test-release fuzz bench format tidy translations install package clean

JOBS ?= $(shell nproc)
CMAKE_BUILD = cmake --build --preset

all: build

# What building and running need; what the suite needs as well; what packaging needs. All from
# debian/control and debian/tests/control.
deps-run:
	@scripts/install-deps.sh run

deps:
	@scripts/install-deps.sh test

deps-package:
	@scripts/install-deps.sh package

# A preset's tree configured and built; CMAKE_ARGS go to its configuration.
build-%: deps-run
	cmake --preset $* $(CMAKE_ARGS)
	$(CMAKE_BUILD) $* -j $(JOBS)

build: build-default

# The program itself says which display it could not reach.
run: build
	build/default/ui/calvanir

# The window as it looks at start-up, rendered offscreen.
screenshot: build
	QT_QPA_PLATFORM=offscreen build/default/ui/calvanir_screenshot build/calvanir.png
	@echo "wrote build/calvanir.png"

# The window under each style, palette and scale, one PNG each in build/screenshots/.
screenshots: deps build
	scripts/screenshots.sh build/default

# The formatting, the fuzzer for a bounded time, then the whole suite twice: normally and under
# AddressSanitizer + UndefinedBehaviorSanitizer.
test: deps format fuzz test-normal test-sanitize

test-normal: build-default
	ctest --preset default -j $(JOBS)

test-sanitize: build-sanitize
	ctest --preset sanitize -j $(JOBS)

# Each suite N times in a row, and with LOAD=1 beside a busy loop on every core: the same verdict
# every run, or the failing tests named. SUITES=sanitize, say, for one of them.
N ?= 20
SUITES ?= default sanitize
test-repeat: deps $(addprefix build-,$(SUITES))
	scripts/repeat-tests.sh $(N) $(if $(LOAD),--load) $(SUITES)

# `make test` in a new system of RELEASE (bookworm, trixie or sid) made from Debian's packages, on
# a fresh clone of HEAD. As root.
RELEASE ?=
test-release: deps-package
	scripts/test-release.sh $(RELEASE)

# lupdate over the sources into translations/*.ts: new texts come in untranslated, gone ones leave.
translations: build
	$(CMAKE_BUILD) default --target update_translations

# The user-action fuzzer for a bounded time, from the seed corpus in the repository; what it finds
# new stays in build/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz: deps build-fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/tests/fuzz/user_actions_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  build/fuzz/corpus tests/fuzz/corpus

bench: deps build-release
	build/release/bench/calendar_bench --benchmark_min_time=0.5
	QT_QPA_PLATFORM=offscreen build/release/bench/ui_bench
	build/release/bench/startup_bench build/release/bench/calvanir_startup_probe build/release/bench/bare_window

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find calc ui tests bench -name '*.cpp' -o -name '*.h')

# Checks that every source follows .clang-format; `make format FIX=1` rewrites them instead. One
# version judges, the one that Debian 12 and 13 both have: another formats some lines otherwise.
CLANG_FORMAT ?= clang-format-19
format: deps
ifdef FIX
	$(CLANG_FORMAT) -i $(SOURCES)
else
	$(CLANG_FORMAT) --dry-run --Werror $(SOURCES)
endif

# clang-tidy with the checks of .clang-tidy over the program's own sources.
tidy: deps build-default
	clang-tidy -p build/default --quiet $(wildcard calc/*.cpp ui/*.cpp) 2>&1 | grep -v 'warnings generated' ; \
	  exit $${PIPESTATUS[0]}

# Installs under PREFIX (default /usr/local): the program, its manual page, desktop entry, icons and
# metadata.
PREFIX ?= /usr/local
install: CMAKE_ARGS = -DCMAKE_INSTALL_PREFIX=$(PREFIX)
install: build-release
	cmake --install build/release --strip

# The source and binary packages of HEAD, built by sbuild and again by reprotest, checked with
# lintian and tested with autopkgtest in clean systems of RELEASE (by default the one this machine
# runs), into build/package/RELEASE. As root.
package: deps-package
	scripts/debian-package.sh $(RELEASE)

clean:
	rm -rf build
