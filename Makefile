# Thin wrapper over the CMake presets. `make demo` and `make test` install what is missing first.
.PHONY: all deps demo test bench fuzz fuzz-seeds build clean

FUZZ_SECONDS ?= 60
RENDER := build/release/tools/render/mirolane2-render

all: build

deps:
	@bash scripts/install-deps

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

demo: build
	@bash scripts/demo

test: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: build
	@bash scripts/run-bench build/release/bench

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@bash scripts/run-fuzz build/fuzz/fuzz $(FUZZ_SECONDS)

# Writes the starting corpus of every fuzz target into fuzz/seeds/ again.
fuzz-seeds: build
	@build/release/tools/fuzz-seeds/mirolane2-fuzz-seeds fuzz/seeds

clean:
	rm -rf build
