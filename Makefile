# Front door: `make play` builds and starts the game, `make test` builds and runs every test.
PRESET ?= dev
BUILD := build
JOBS ?= $(shell nproc)

.PHONY: play test build deps bench fuzz asan format clean

play: build
	cd $(BUILD)/Tramelo && ./tramelo

test: build
	ctest --preset $(PRESET) -j $(JOBS)

build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@scripts/install-deps

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS) --target tramelo_bench
	build/release/bench/tramelo_bench

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) -LE e2e

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
