# Front door: `make play` builds and starts the game, `make test` builds and runs every test.
PRESET ?= dev
BUILD := build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
BENCH_ARGS ?=
FUZZ_TARGETS := fuzz_schema fuzz_dizionario fuzz_indizio fuzz_libreria fuzz_immagine
# The build's own makes run inside this one: without this each would name every folder it enters and leaves.
MAKEFLAGS += --no-print-directory

.PHONY: play test build deps deps-test package bench fuzz fuzz-build fuzz-smoke asan format clean

# The game alone, in build/ with its program folder build/Tramelo, the tree `make test` also builds. A tree
# made here leaves out the tests, benchmarks and fuzz targets; one already there is kept as it is, and only
# the game's target is built either way.
play: deps
	@if [ -f $(BUILD)/CMakeCache.txt ]; then cmake $(BUILD) >/dev/null; else cmake --preset play >/dev/null; fi
	cmake --build --preset play -j $(JOBS)
	cd $(BUILD)/Tramelo && ./tramelo

# Every test, then a few seconds of each fuzz target.
test: build
	ctest --preset $(PRESET) -j $(JOBS)
	$(MAKE) fuzz-smoke

# Everything in build/: the game, the tests and the benchmarks.
build: deps-test
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

# What building and running the game needs; deps-test adds the tests', the sanitizers', the benchmarks' and
# the package's.
deps:
	@scripts/install-deps
deps-test:
	@scripts/install-deps --test

# The Debian package $(BUILD)/tramelo_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack

bench: deps-test
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS) --target tramelo_bench
	build/release/bench/tramelo_bench $(BENCH_ARGS)

# The fuzz targets (clang, address and undefined-behaviour sanitizers) in build/fuzz.
fuzz-build: deps-test
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

fuzz-smoke: fuzz-build
	ctest --preset fuzz

# Each target for FUZZ_SECONDS from its seed corpus; new inputs stay in build/fuzz/tests/fuzz/lavoro/<target>,
# a crashing one in its guasti/.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	    l=$(BUILD)/fuzz/tests/fuzz/lavoro/$$t; \
	    $(BUILD)/fuzz/tests/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=20 -rss_limit_mb=2048 \
	        -print_final_stats=1 -artifact_prefix=$$l/guasti/ $$l tests/fuzz/corpus/$$t || exit 1; \
	done

asan: deps-test
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) -LE e2e -E pacchetto_debian

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Removes everything the build made but the player's puzzles: Tramelo/schemi (the current puzzle and the
# library) stays where the game finds it, and the next build lays the program folder out around it.
clean:
	@if [ -d $(BUILD)/Tramelo/schemi ]; then \
	    cd $(BUILD) && find . -mindepth 1 -depth ! -path ./Tramelo ! -path ./Tramelo/schemi \
	        ! -path './Tramelo/schemi/*' -delete && \
	    echo "Kept the player's puzzles in $(BUILD)/Tramelo/schemi"; \
	else rm -rf $(BUILD); fi
