# A thin front to CMake: the presets in CMakePresets.json do the work.
.PHONY: all deps build run test test-normal test-sanitize fuzz bench clean

JOBS ?= $(shell nproc)
CMAKE_BUILD = cmake --build --preset

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset default
	$(CMAKE_BUILD) default -j $(JOBS)

# The whole suite twice, normally and under AddressSanitizer + UndefinedBehaviorSanitizer, then the
# fuzzer for a bounded time.
test: deps test-normal test-sanitize fuzz

test-normal:
	cmake --preset default
	$(CMAKE_BUILD) default -j $(JOBS)
	ctest --preset default -j $(JOBS)

test-sanitize:
	cmake --preset sanitize
	$(CMAKE_BUILD) sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

FUZZ_SECONDS ?= 60
fuzz:
	@echo "The fuzzer arrives with the interval shift."

bench: deps
	cmake --preset release
	$(CMAKE_BUILD) release -j $(JOBS)
	build/release/bench/calendar_bench --benchmark_min_time=0.5

clean:
	rm -rf build
